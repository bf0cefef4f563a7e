// The guest room's darts puzzle, where it does more than the walkthrough shows: the board and the
// dart in it ride down to the foot of the wall, the board left lying by the second answer, the
// glowing dart not offered before it shines, the room built again at each stage showing the same,
// and no award twice.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "content/FieldRun.h"
#include "content/events/Darts.h"
#include "levels/GuestRooms.h"
#include "scene/Personal.h"

namespace {

using Keys = std::vector<std::u16string>;

class DartsTest : public FieldRun {
  protected:
    // The room built afresh, as on a return to it or a continued game.
    void Enter() {
        app.lib.steamworks.enabled = 1;
        Start(FieldId::Guest_Room, StartOf(FieldId::Guest_Room).position, 0, kStage);
    }
    // From the middle of the mats, ready to throw again, a dart at the bull under the nail.
    void ThrowAtTheBoard(const glm::vec3& nail) {
        Place({2.0f, 0.41f, 1.3f});
        Run(60);
        ThrowAt(nail - glm::vec3(0, 0.17f, 0));
        Run(10);
    }
    std::set<int32_t> Awards() const { return app.lib.steamworks.awarded; }
    glm::vec3 WorldOf(const CObjMesh& mesh) const { return glm::vec3(mesh.world[3]); }
    int AttachedDarts(const CObjMesh& target) const {
        int attached = 0;
        for (const auto& dart : app.player.darts) attached += dart->AttachedTo(target.world);
        return attached;
    }

    static constexpr int32_t kStage = 3;
};

TEST_F(DartsTest, ThePuzzlePlayedThroughWithTheRoomBuiltAgainAtEachStage) {
    Enter();
    SaveRecord& record = app.player.record;
    auto* darts = &Get<Ev::Darts>();
    StandIn(darts->trigger);
    Examine(*darts);
    EXPECT_TRUE(darts->darts[0].hidden);
    EXPECT_TRUE(darts->board.hidden) << "the board hangs on the wall, not in the shelf's hands";

    // The first dart to strike the board stays in it and rides it down to the floor.
    auto* board = &Get<Ev::Dartsbord>();
    const glm::vec3 nail = WorldOf(board->board);
    ThrowAtTheBoard(nail);
    ASSERT_EQ(record.dartsboardState, 1) << "the throw missed the board";
    ASSERT_EQ(AttachedDarts(board->board), 1);
    Run(100);
    const glm::vec3 lying = WorldOf(board->board);
    EXPECT_NEAR(lying.y, level::kTatamiTop, 1e-4f) << "face up on the mats";
    EXPECT_NEAR(glm::length(Horizontal(lying - nail)), 0, 1e-4f) << "at the foot of the wall";
    for (const auto& dart : app.player.darts) {
        if (dart->AttachedTo(board->board.world)) {
            EXPECT_LT(WorldOf(dart->ball).y, level::kTatamiTop + 0.4f) << "left on the wall";
        }
    }

    // Built again, the board still lies there with its dart.
    Enter();
    board = &Get<Ev::Dartsbord>();
    EXPECT_LT(glm::length(WorldOf(board->board) - lying), 1e-4f);
    EXPECT_FALSE(board->pin.hidden);
    EXPECT_EQ(AttachedDarts(board->board), 0);

    // Left where it lies, then taken up.
    StandIn(board->trigger);
    PressAction();
    Run(90);
    Tap(platform::VirtualKey::Down);
    PressAction();
    EXPECT_FALSE(DialogueOpen());
    EXPECT_EQ(record.dartsboardTaken, 0);
    EXPECT_EQ(Examine(*board), (Keys{u"Ev_Guest_Room_9", u"Ev_Guest_Room_10"}));
    EXPECT_TRUE(board->board.hidden);
    EXPECT_EQ(app.player.bodyModel.itemShown, 1) << "the player carries it";

    Enter();
    EXPECT_EQ(FindEvent<Ev::Dartsbord>(Field()), nullptr);
    darts = &Get<Ev::Darts>();
    EXPECT_TRUE(darts->board.hidden);

    // Hung back on its nail, the dart left in it comes alight; taken, it leaves the board empty.
    StandIn(darts->trigger);
    EXPECT_EQ(Examine(*darts), Keys{u"Ev_Guest_Room_7"});
    EXPECT_FALSE(darts->board.hidden);
    EXPECT_LT(glm::length(WorldOf(darts->board) - nail), 1e-4f);
    Run(120);
    EXPECT_EQ(record.dartsState, 0);
    EXPECT_EQ(Examine(*darts), Keys{}) << "taken before it shines";
    Run(40);
    EXPECT_GT(darts->pin.emissiveIntensity, 0.0f);
    EXPECT_EQ(Examine(*darts), Keys{u"Ev_Guest_Room_8"});
    EXPECT_TRUE(darts->pin.hidden);

    Enter();
    darts = &Get<Ev::Darts>();
    EXPECT_FALSE(darts->board.hidden);
    EXPECT_TRUE(darts->pin.hidden);
    EXPECT_TRUE(darts->darts[0].hidden);
    StandIn(darts->trigger);
    EXPECT_EQ(Examine(*darts), Keys{});
    EXPECT_EQ(Awards(), (std::set<int32_t>{3, 6}));
}

}  // namespace
