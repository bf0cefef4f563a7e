// The title where a scripted run cannot look: the records and achievements it shows, damaged saved
// games refused, and a continued game's whole record.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "content/FieldRun.h"
#include "content/events/TitleMenu.h"
#include "scene/Personal.h"
#include "scene/SaveFile.h"

namespace {

using platform::VirtualKey;

// A run started as the game starts: at the title.
class TitleTest : public FieldRun {
  protected:
    void SetUp() override {
        app.makeTitle = MakeTitle;
        FieldRun::SetUp();
        app.lib.steamworks.enabled = 1;
        Run(20);
    }
    void Press(VirtualKey key) {
        Tap(key);
        Run(1);
    }
    // The title's menu state as its debug text gives it: "page = P\nrow = R\ndescription = K".
    std::u16string MenuState() {
        const Ev::EvTitle* menu = FindEvent<Ev::EvTitle>(Field());
        if (!menu) return u"no title";
        const std::u16string text = menu->DebugText(u"");
        return text.substr(text.find(u'\n') + 1);
    }
    // The composed lines the title shows (the clear times, the saved games' labels).
    std::vector<std::u16string> ComposedLines() {
        std::vector<std::u16string> lines;
        for (const CObjText* text : FindEvent<Ev::EvTitle>(Field())->overlayTexts) {
            if (text->literal && text->hidden == 0) lines.push_back(*text->literal);
        }
        return lines;
    }
    void WriteSlot(int slot, const std::string& bytes) {
        std::ofstream(SaveFolder("SaveData" + std::to_string(slot + 1)), std::ios::binary) << bytes;
    }
    const Personal& Guest() const { return app.player; }
};

// Before a completion the title shows no clear times, after one the best and the first; the
// achievements page names the earned ones under their count.
TEST_F(TitleTest, ShowsTheClearTimesAndTheEarnedAchievements) {
    EXPECT_TRUE(ComposedLines().empty()) << "clear times shown before any completion";
    app.lib.steamworks.Award(0);
    app.lib.steamworks.Award(5);
    Press(VirtualKey::W);
    PressAction();
    EXPECT_EQ(ComposedLines(), std::vector<std::u16string>{u"実績　2 / 39"});
    std::vector<std::u16string> names;
    for (const CObjText* text : FindEvent<Ev::EvTitle>(Field())->overlayTexts) {
        const std::u16string_view key = text->key;
        if (text->hidden == 0 && key.starts_with(u"Achievement_name")) names.emplace_back(key);
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Achievement_name0", u"Achievement_name5"}));

    app.lib.settings.firstClearTime = (3600 + 2 * 60 + 3) * 1000 + 999;
    app.lib.settings.bestClearTime = (4 * 60 + 10) * 1000;
    app.rootScene.AddChild(MakeTitle());
    Run(3);
    EXPECT_EQ(ComposedLines(),
              std::vector<std::u16string>{u"最短クリア 0:04:10　初回クリア 1:02:03"});
}

// Continue on a slot that cannot be continued: a file too short or too long, a save of a field
// that cannot be rebuilt, a spawn that is no place. The title stays and says so.
struct DamagedSlot {
    const char* name;
    std::string (*bytes)();  // the file's content
    friend void PrintTo(const DamagedSlot& row, std::ostream* out) { *out << row.name; }
};

std::string Image(const SaveRecord& record) {
    return {reinterpret_cast<const char*>(&record), sizeof record};
}
SaveRecord InField(int32_t field) {
    SaveRecord record;
    record.currentField = field;
    return record;
}

const DamagedSlot kDamagedSlots[] = {
    {"Short", [] { return std::string(100, '\x7f'); }},
    {"Long", [] { return Image(SaveRecord{}) + "!"; }},
    {"HiddenRoom", [] { return Image(InField(static_cast<int32_t>(FieldId::SecretRoom))); }},
    {"NoSuchField", [] { return Image(InField(9999)); }},
    {"NegativeField", [] { return Image(InField(-1)); }},
    {"NowhereToStand",
     [] {
         SaveRecord record = InField(static_cast<int32_t>(FieldId::Lobby));
         record.spawnPos.y = std::numeric_limits<float>::quiet_NaN();
         return Image(record);
     }},
};

class DamagedSlotTest : public TitleTest, public testing::WithParamInterface<DamagedSlot> {};

TEST_P(DamagedSlotTest, KeepsTheTitleAndSaysTheSlotCannotBeRead) {
    WriteSlot(0, GetParam().bytes());
    Press(VirtualKey::S);
    PressAction();
    EXPECT_EQ(ComposedLines().front(), u"データがありません");
    PressAction();
    Run(3);
    EXPECT_EQ(std::u16string_view(Field().Name()), u"Title");
    EXPECT_EQ(MenuState(), u"page = 1\nrow = 0\ndescription = Ev_Title_7\n");
    Press(VirtualKey::S);
    EXPECT_EQ(MenuState(), u"page = 1\nrow = 1\ndescription = none\n") << "the failure stayed";
}

INSTANTIATE_TEST_SUITE_P(Slots, DamagedSlotTest, testing::ValuesIn(kDamagedSlots));

// Continue on a saved game: the slot's label gives its date; its field is built with the player at
// its spawn, with the items and the play time it saved; the run counts as one with a save used.
TEST_F(TitleTest, ContinuingASavedGameRebuildsItsFieldAtItsSpawnWithItsItems) {
    SaveRecord saved;
    saved.currentField = static_cast<int32_t>(FieldId::Lobby);
    saved.spawnPos = StartOf(FieldId::Lobby).position;
    saved.spawnYaw = 90;
    saved.storyStage = 14;
    saved.hasLight = 1;
    saved.itemHeld[7] = 1;
    saved.itemTaken[2] = 1;
    saved.playTimeMs = 754'000;
    std::tm when{};
    when.tm_min = 30;
    when.tm_hour = 21;
    when.tm_mday = 3;
    when.tm_mon = 9;
    when.tm_year = 124;
    ASSERT_TRUE(SaveSlot(saved, 1, 0, when));

    Press(VirtualKey::Down);
    PressAction();
    EXPECT_EQ(ComposedLines()[1].substr(0, 19), u"2024/10/03 21:30:00");
    Press(VirtualKey::Down);
    PressAction();
    Run(3);
    EXPECT_EQ(Current(), FieldId::Lobby);
    EXPECT_NEAR(Guest().Position().x, saved.spawnPos.x, 1e-3f);
    EXPECT_NEAR(Guest().Position().z, saved.spawnPos.z, 1e-3f);
    EXPECT_EQ(Guest().Yaw(), 90.0f);
    const SaveRecord& record = Guest().record;
    EXPECT_EQ(record.storyStage, 14);
    EXPECT_EQ(record.hasLight, 1);
    EXPECT_EQ(record.itemHeld[7], 1);
    EXPECT_EQ(record.itemTaken[2], 1);
    EXPECT_EQ(record.playTimeMs, 754'000u);
    EXPECT_EQ(app.lib.awardCounters.saveUsed, 1);
}

}  // namespace
