// The guest room's moving furniture, used as a player uses it: the refrigerator opens, shows what
// is in it and shuts itself once the player walks off; the safe stays shut until the night has
// moved on, then gives up its charm once; the closet panel slides aside from the note; the way out
// waits for the charm.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/FieldRun.h"
#include "content/events/Furniture.h"
#include "content/events/LockedDoors.h"
#include "content/events/Notes.h"
#include "library/TextBox.h"

namespace {

using Keys = std::vector<std::u16string>;

class FurnitureTest : public FieldRun {
  protected:
    void StartInGuestRoom(int32_t stage) {
        app.lib.steamworks.enabled = 1;
        Start(FieldId::Guest_Room, StartOf(FieldId::Guest_Room).position, 0, stage);
    }
};

constexpr float kWideOpen = 80.0f;  // degrees

TEST_F(FurnitureTest, TheRefrigeratorOpensShowsItsShelvesAndShutsOnceLeft) {
    StartInGuestRoom(8);
    auto& fridge = Get<Ev::Reizouko>();
    StandIn(fridge.trigger);
    EXPECT_EQ(Examine(fridge), Keys{}) << "the first look only opens it";
    Run(60);
    EXPECT_GT(fridge.door.rotation.y, kWideOpen);
    EXPECT_TRUE(app.lib.steamworks.awarded.contains(7));
    EXPECT_EQ(Examine(fridge), (Keys{u"Ev_Guest_Room1_15", u"Ev_Guest_Room1_16"}));
    Run(30);
    EXPECT_GT(fridge.door.rotation.y, kWideOpen) << "it stays open while the player is before it";

    Place(StartOf(FieldId::Guest_Room).position);  // walked off
    Run(60);
    EXPECT_EQ(fridge.door.rotation.y, 0.0f);
}

TEST_F(FurnitureTest, TheSafeOpensFromTheLateNightAndGivesItsCharmOnce) {
    StartInGuestRoom(6);
    auto* safe = &Get<Ev::Kinko>();
    StandIn(safe->trigger);
    EXPECT_EQ(Examine(*safe), Keys{u"Ev_Guest_Room1_11"});
    Run(60);
    EXPECT_EQ(safe->door.rotation.y, 0.0f) << "shut fast before the night moves on";

    app.player.record.storyStage = 8;
    EXPECT_EQ(Examine(*safe), Keys{});
    Run(60);
    EXPECT_GT(safe->door.rotation.y, kWideOpen);
    EXPECT_EQ(Examine(*safe), (Keys{u"Ev_Guest_Room1_12", u"Ev_Guest_Room1_13"}));

    app.player.record.itemHeld[4] = 0;  // handed on; the safe must not give it again
    EXPECT_EQ(Examine(*safe), Keys{});
    StartInGuestRoom(8);
    safe = &Get<Ev::Kinko>();
    StandIn(safe->trigger);
    EXPECT_EQ(Examine(*safe), Keys{});
    Run(60);
    EXPECT_EQ(safe->door.rotation.y, 0.0f);
    EXPECT_EQ(app.player.record.itemHeld[4], 0);
}

TEST_F(FurnitureTest, TheClosetPanelSlidesAsideFromTheNoteAndBack) {
    StartInGuestRoom(8);
    auto& memo = Get<Ev::Memo>();
    const float shut = memo.panel.position.x;
    StandIn(memo.trigger);
    EXPECT_EQ(Examine(memo), Keys{});
    Run(40);
    EXPECT_NEAR(memo.panel.position.x - shut, -0.85f, 1e-4f);
    EXPECT_EQ(Examine(memo), (Keys{u"Ev_Guest_Room1_0", u"Ev_Guest_Room1_1", u"Ev_Guest_Room1_2",
                                   u"Ev_Guest_Room1_3", u"Ev_Guest_Room1_4"}));

    StandIn(memo.closer);
    EXPECT_EQ(Examine(memo), Keys{});
    Run(40);
    EXPECT_EQ(memo.panel.position.x, shut);
}

}  // namespace

// The guest room's way out stays shut until the safe's charm is back on the door post, which keeps
// it. (The bathroom door's scene and the way out taken are the walkthrough's.)
TEST_F(FurnitureTest, TheWayOutWaitsForTheCharmOnTheDoorPost) {
    StartInGuestRoom(8);
    SaveRecord& record = app.player.record;
    auto& way = Get<Ev::GuestRoomDoor>();
    StandIn(way.trigger);
    EXPECT_EQ(Examine(way), Keys{u"Ev_Guest_Room_Door_0"});
    record.safeOpened = 1;
    record.itemHeld[4] = 1;
    StandIn(Get<Ev::F2_DoorText>().trigger);
    PressAction();
    ReadThrough();
    EXPECT_EQ(record.itemHeld[4], 0) << "the charm stays on the post";
}
