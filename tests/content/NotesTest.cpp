// Every note, sign and object to look at in the inn, examined as a player does: standing in its
// trigger, pressing the action key and reading each line to the end. The box shows the row's
// lines in order, lets the player go at the end and awards the row's achievement; a second look
// shows the same again.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "content/FieldRun.h"
#include "content/events/Notes.h"
#include "library/TextBox.h"

namespace {

// A note of a field, found by its place among the field's events.
struct NoteCase {
    FieldId field;
    int32_t stage;
    size_t child;
    std::u16string name;
};

void PrintTo(const NoteCase& note, std::ostream* out) {
    *out << static_cast<int>(note.field) << "/" << note.child;
}

const TextBox* OpenBox(const Scene& event) {
    for (const TextBox* box : event.dialogues) {
        if (box->IsOpen()) return box;
    }
    return nullptr;
}

std::vector<std::u16string> KeysShown(const TextBox& box) {
    std::vector<std::u16string> keys;
    for (int32_t line : box.linesShown) keys.push_back(box.lines[static_cast<size_t>(line)].key);
    return keys;
}

class NoteTest : public FieldRun, public testing::WithParamInterface<NoteCase> {
  protected:
    // Examines the note and reads on until the box closes; the keys read, in order.
    std::vector<std::u16string> Read(Ev::Note& note) {
        const Scene* field = &Field();
        StandIn(note.trigger);
        PressAction();
        if (&Field() != field) {
            ADD_FAILURE() << "examining the note took a way out of the field";
            return {};
        }
        const TextBox* box = OpenBox(note);
        if (!box) return {};
        std::vector<std::u16string> keys;
        for (int page = 0; page < 12 && box->IsOpen(); ++page) {
            keys = KeysShown(*box);
            Run(90);  // the line is typed out
            PressAction();
        }
        return keys;
    }
};

TEST_P(NoteTest, ShowsItsLinesInOrderAndLetsThePlayerGo) {
    const NoteCase& note = GetParam();
    app.lib.steamworks.enabled = 1;
    Start(note.field, StartOf(note.field).position, StartOf(note.field).yaw, note.stage);
    auto* event = dynamic_cast<Ev::Note*>(Field().children.at(note.child).get());
    ASSERT_NE(event, nullptr);

    const std::vector<std::u16string> read = Read(*event);
    ASSERT_FALSE(read.empty()) << "examining opened no box";
    EXPECT_EQ(app.player.controlMode, kControlFree) << "the box did not let the player go";
    const TextBox* shown = nullptr;
    for (const TextBox* box : event->dialogues) {
        if (KeysShown(*box) == read) shown = box;
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(read.size(), shown->lines.size()) << "lines were skipped";
    EXPECT_EQ(Read(*event), read) << "a second look differs";

    // Reading the innkeeper's diary, the crumpled note and the guide is rewarded.
    const std::map<std::u16string, int32_t> awards{
        {u"MasterDesk", 23}, {u"DustMemo", 22}, {u"Tutorial", 1}};
    const auto award = awards.find(note.name);
    EXPECT_EQ(app.lib.steamworks.awarded.size(), award == awards.end() ? 0u : 1u);
    if (award != awards.end()) {
        EXPECT_TRUE(app.lib.steamworks.awarded.contains(award->second));
    }
}

std::vector<NoteCase> NotesOfTheInn() {
    std::vector<NoteCase> cases;
    FakePlatform platform;
    D3DXMain app{platform.services};
    for (int32_t number = 0; number < kFieldCount; ++number) {
        const auto id = static_cast<FieldId>(number);
        std::unique_ptr<Scene> field = MakeFieldOf(id);
        if (!field) continue;
        app.player.record.storyStage = StartOf(id).stage;
        field->player = &app.player;
        field->library = &app.lib;
        field->Init(&app.player, &app.lib);
        for (size_t i = 0; i < field->children.size(); ++i) {
            if (auto* note = dynamic_cast<Ev::Note*>(field->children[i].get())) {
                cases.push_back({id, StartOf(id).stage, i, note->Name()});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Inn, NoteTest, testing::ValuesIn(NotesOfTheInn()),
                         [](const testing::TestParamInfo<NoteCase>& info) {
                             std::string name = std::to_string(static_cast<int>(info.param.field));
                             for (char16_t c : info.param.name) name += static_cast<char>(c);
                             return name + "_" + std::to_string(info.param.child);
                         });

// The telephone's line comes alive once the bathroom door has opened by itself.
TEST_F(FieldRun, TheTelephoneFollowsTheStory) {
    app.lib.steamworks.enabled = 1;
    Start(FieldId::Guest_Room, StartOf(FieldId::Guest_Room).position, 0, 5);
    for (auto& child : Field().children) {
        auto* note = dynamic_cast<Ev::Note*>(child.get());
        if (!note || note->Name() != std::u16string(u"Tel")) continue;
        StandIn(note->trigger);
        PressAction();
        ASSERT_NE(OpenBox(*note), nullptr);
        EXPECT_EQ(std::u16string(OpenBox(*note)->lines[0].key), u"Ev_Tel_1");
    }
}

}  // namespace

// Wiping the guest's room off the staff room's whiteboard ends in the game-over field; leaving it
// does not.
TEST_F(FieldRun, TheWhiteboardPunishesWipingItsWriting) {
    app.lib.steamworks.enabled = 1;
    for (const bool wipe : {false, true}) {
        Start(FieldId::Staff_Room, StartOf(FieldId::Staff_Room).position, 0);
        Ev::WhiteBord* board = FindEvent<Ev::WhiteBord>(Field());
        ASSERT_NE(board, nullptr);
        StandIn(board->trigger);
        PressAction();
        Run(90);
        PressAction();  // on to the question
        Run(90);
        if (wipe) {
            platform.input.keys.insert(platform::VirtualKey::Down);
            Run(1);
            platform.input.keys.clear();
        }
        ReadThrough();
        Run(70);
        EXPECT_EQ(std::u16string(Field().Name()), wipe ? u"Gameover" : u"noname") << wipe;
        EXPECT_EQ(app.player.record.deathCount, wipe ? 1u : 0u);
        EXPECT_EQ(app.lib.steamworks.awarded.contains(18), wipe);
    }
}
