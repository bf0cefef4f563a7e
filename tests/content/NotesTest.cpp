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

TEST_F(FieldRun, EveryNoteShowsItsLinesInOrderAndLetsThePlayerGo) {
    app.lib.steamworks.enabled = 1;
    // Reading the innkeeper's diary, the crumpled note and the guide is rewarded.
    const std::map<std::u16string, int32_t> awards{
        {u"MasterDesk", 23}, {u"DustMemo", 22}, {u"Tutorial", 1}};
    size_t examined = 0;
    for (int32_t number = 0; number < kFieldCount; ++number) {
        const auto id = static_cast<FieldId>(number);
        if (!MakeFieldOf(id)) continue;
        // Each note is looked at in its field built afresh, with a fresh record and no award yet.
        const auto rebuild = [&] {
            app.player.record = SaveRecord{};
            app.player.controlMode = kControlFree;
            app.lib.awardCounters = {};
            app.lib.steamworks.awarded.clear();
            Start(id, StartOf(id).position, StartOf(id).yaw, StartOf(id).stage);
        };
        rebuild();
        std::vector<size_t> notes;  // by their places among the field's events
        for (size_t i = 0; i < Field().children.size(); ++i) {
            if (dynamic_cast<Ev::Note*>(Field().children[i].get())) notes.push_back(i);
        }
        for (const size_t child : notes) {
            rebuild();
            auto& note = dynamic_cast<Ev::Note&>(*Field().children.at(child));
            const std::u16string name = note.Name();
            SCOPED_TRACE(Utf16ToUtf8(name) + " in field " + std::to_string(number));
            StandIn(note.trigger);
            const std::vector<std::u16string> read = Examine(note);
            ASSERT_FALSE(read.empty()) << "examining opened no box";
            ASSERT_EQ(Current(), id) << "examining the note took a way out of the field";
            size_t lines = 0;  // of the box that showed them
            for (const TextBox* box : note.dialogues) {
                if (box->linesShown.size() == read.size()) lines = box->lines.size();
            }
            EXPECT_EQ(read.size(), lines) << "lines were skipped";
            EXPECT_EQ(Examine(note), read) << "a second look differs";
            const auto award = awards.find(name);
            EXPECT_EQ(app.lib.steamworks.awarded.size(), award == awards.end() ? 0u : 1u);
            if (award != awards.end()) {
                EXPECT_TRUE(app.lib.steamworks.awarded.contains(award->second));
            }
            ++examined;
        }
    }
    EXPECT_GE(examined, 20u) << "notes went missing";
}

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
