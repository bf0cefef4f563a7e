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
#include "library/Utf.h"

namespace {

// A note of a field, found by its place among the field's events.
struct NoteCase {
    FieldId field;
    int32_t stage;
    size_t child;
    std::u16string name;
    friend void PrintTo(const NoteCase& note, std::ostream* out) {
        *out << "Field" << static_cast<int>(note.field) << "_" << Utf16ToUtf8(note.name) << "_"
             << note.child;
    }
};

class NoteTest : public FieldRun, public testing::WithParamInterface<NoteCase> {};

TEST_P(NoteTest, ShowsItsLinesInOrderAndLetsThePlayerGo) {
    const NoteCase& note = GetParam();
    app.lib.steamworks.enabled = 1;
    Start(note.field, StartOf(note.field).position, StartOf(note.field).yaw, note.stage);
    auto* event = dynamic_cast<Ev::Note*>(Field().children.at(note.child).get());
    ASSERT_NE(event, nullptr);

    StandIn(event->trigger);
    const std::vector<std::u16string> read = Examine(*event);
    ASSERT_FALSE(read.empty()) << "examining opened no box";
    ASSERT_EQ(Current(), note.field) << "examining the note took a way out of the field";
    size_t lines = 0;  // of the box that showed them
    for (const TextBox* box : event->dialogues) {
        if (box->linesShown.size() == read.size()) lines = box->lines.size();
    }
    EXPECT_EQ(read.size(), lines) << "lines were skipped";
    EXPECT_EQ(Examine(*event), read) << "a second look differs";

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

INSTANTIATE_TEST_SUITE_P(Inn, NoteTest, testing::ValuesIn(NotesOfTheInn()));

// The telephone's line comes alive once the bathroom door has opened by itself.
TEST_F(FieldRun, TheTelephoneFollowsTheStory) {
    app.lib.steamworks.enabled = 1;
    Start(FieldId::Guest_Room, StartOf(FieldId::Guest_Room).position, 0, 5);
    StandIn(Get<Ev::Note>(u"Tel").trigger);
    PressAction();
    EXPECT_EQ(FirstLine(), u"Ev_Tel_1");
}

}  // namespace

// Wiping the guest's room off the staff room's whiteboard ends in the game-over field; leaving it
// does not.
TEST_F(FieldRun, TheWhiteboardPunishesWipingItsWriting) {
    app.lib.steamworks.enabled = 1;
    for (const bool wipe : {false, true}) {
        Start(FieldId::Staff_Room, StartOf(FieldId::Staff_Room).position, 0);
        StandIn(Get<Ev::WhiteBord>().trigger);
        PressAction();
        ReadThrough(wipe);  // wiped by the second answer
        Run(70);
        EXPECT_EQ(std::u16string(Field().Name()), wipe ? u"Gameover" : u"Staff_Room") << wipe;
        EXPECT_EQ(app.player.record.deathCount, wipe ? 1u : 0u);
        EXPECT_EQ(app.lib.steamworks.awarded.contains(18), wipe);
    }
}
