// The story's scenes where they do more than the walkthrough shows: the bathroom's fan left off by
// its first answer, the roof's gap shut before the boiler's panel falls, the fire refused without
// the extinguisher, the men's toilet's trap stalls, the lobby's chair staying moved, the square's
// fish seen once, and the telephone booth shut behind the player or answered.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "content/FieldRun.h"
#include "content/Inventory.h"
#include "content/events/Fire.h"
#include "content/events/FishGhost.h"
#include "content/events/Outdoors.h"
#include "content/events/PhoneBooth.h"
#include "content/events/Scenes.h"
#include "library/MyLibrary.h"

namespace {

class ScenesTest : public FieldRun {
  protected:
    void SetUp() override {
        FieldRun::SetUp();
        app.lib.steamworks.enabled = 1;
    }
};

TEST_F(ScenesTest, TheFansFirstAnswerLeavesItOffAndTheStoryWhereItWas) {
    Start(FieldId::Guest_Bath, StartOf(FieldId::Guest_Bath).position, 0, 6);
    StandIn(Get<Ev::AirSwitch>().trigger);
    PressAction();
    ReadThrough();
    EXPECT_EQ(app.player.record.storyStage, 6);
    EXPECT_FALSE(app.lib.steamworks.awarded.contains(8));
    EXPECT_EQ(app.player.controlMode, kControlFree);
}

}  // namespace

// The gap behind the roof's boiler is closed until a dart has brought the panel down.
TEST_F(ScenesTest, TheBoilersGapIsClosedWhileItsPanelHangs) {
    Start(FieldId::Roof_Top, StartOf(FieldId::Roof_Top).position, 270, 8);
    StandIn(Get<Ev::BoilerGap>().trigger);
    Run(2);
    EXPECT_EQ(Current(), FieldId::Roof_Top);
}

// Room 201's fire holds the player off until the extinguisher is brought; sprayed, it dies down
// over 200 frames, uses the extinguisher up and stays out. Its flames flicker without touching
// the game's random draws, which decide the men's toilet's stalls.
TEST_F(ScenesTest, TheFireGoesOutOnlyUnderTheExtinguisherAndStaysOut) {
    Start(FieldId::Fld_201, StartOf(FieldId::Fld_201).position, 0, 11);
    Fld::Fire* fire = &Get<Fld::Fire>();
    std::srand(7);
    const int nextDraw = std::rand();
    std::srand(7);
    StandIn(fire->trigger);
    PressAction();
    Run(90);
    ReadThrough();
    EXPECT_EQ(fire->counter, 0) << "sprayed without the extinguisher";
    EXPECT_EQ(std::rand(), nextDraw) << "the flames drew from the game's random numbers";

    SaveRecord& record = app.player.record;
    record.itemTaken[2] = 1;
    content::SetKeyHeld(record, 2, true);
    PressAction();
    ReadThrough();
    EXPECT_EQ(app.player.controlMode, kControlHeld) << "the player sprays";
    Run(210);
    EXPECT_EQ(app.player.controlMode, kControlFree);
    EXPECT_EQ(fire->base.hidden, 1);
    EXPECT_FALSE(content::KeyHeld(record, 2)) << "the extinguisher is not used up";
    EXPECT_TRUE(app.lib.steamworks.awarded.contains(16));

    Start(FieldId::Fld_201, StartOf(FieldId::Fld_201).position, 0, 11);
    EXPECT_EQ(Get<Fld::Fire>().base.hidden, 1) << "the fire came back";
}

// The men's toilet: the stall drawn at this visit holds room 202's key; opening either of the
// others ends the game.
TEST_F(ScenesTest, OneStallHoldsTheKeyAndTheOthersAreTraps) {
    Start(FieldId::Rest_Men, StartOf(FieldId::Rest_Men).position, 0, 8);
    std::vector<Ev::Rest_Men_Toile*> keyStalls, traps;
    for (auto& child : Field().children) {
        if (auto* stall = dynamic_cast<Ev::Rest_Men_Toile*>(child.get())) {
            const bool trap = stall->DebugText(u"").find(u"GOFlag = 1") != std::u16string::npos;
            (trap ? traps : keyStalls).push_back(stall);
        }
    }
    ASSERT_EQ(keyStalls.size(), 1u);
    ASSERT_EQ(traps.size(), 2u);

    StandIn(traps[0]->trigger);
    PressAction();
    ReadThrough();
    Run(200);
    EXPECT_EQ(std::u16string(Field().Name()), u"Gameover");
    EXPECT_EQ(app.player.record.deathCount, 1u);
    EXPECT_TRUE(app.lib.steamworks.awarded.contains(12));
}

// The lobby's chair moves by itself once, when the player first comes near, and stays moved.
TEST_F(ScenesTest, TheLobbyChairMovesOnceWhenThePlayerComesNear) {
    Start(FieldId::Lobby, StartOf(FieldId::Lobby).position, 0, 5);
    const glm::vec3 placed = Get<Ev::LobbyChair>().chair.position;
    Place(placed - glm::vec3(0, 0, 2.5f));
    Run(60);
    EXPECT_NEAR(Get<Ev::LobbyChair>().chair.position.x - placed.x, 0.5f, 1e-4f);

    Start(FieldId::Lobby, StartOf(FieldId::Lobby).position, 0, 5);
    EXPECT_NEAR(Get<Ev::LobbyChair>().chair.position.x - placed.x, 0.5f, 1e-4f);
}

// Out on the square after the front door (stage 18): a fish appears by the lantern behind the
// player once they are well out, and sinks away; once the board has told why, it is not seen again.
TEST_F(ScenesTest, TheFishByTheLanternIsSeenOnce) {
    Start(FieldId::Soto, StartOf(FieldId::Soto).position, 180, 18);
    const Ev::TenYen* fish = &Get<Ev::TenYen>();
    EXPECT_EQ(app.player.record.storyStage, 18) << "near the inn's doors";
    EXPECT_EQ(fish->fish.hidden, 1);

    StandIn(Get<Ev::Case>().trigger);
    EXPECT_EQ(fish->fish.hidden, 0);
    Run(300);
    EXPECT_EQ(fish->fish.hidden, 1) << "gone again";

    Start(FieldId::Soto, StartOf(FieldId::Soto).position, 180, 20);
    StandIn(Get<Ev::Case>().trigger);
    Run(60);
    EXPECT_EQ(Get<Ev::TenYen>().fish.hidden, 1) << "seen only once";
}

// The telephone booth on the square: its door swings open when examined and shuts again behind
// a player who walks away. The ringing telephone answered ends the night (let ring, it is the
// walkthrough's).
TEST_F(ScenesTest, TheBoothShutsBehindAPlayerWhoWalksAway) {
    Start(FieldId::Soto, StartOf(FieldId::Soto).position, 180, 18);
    const Ev::publictel& booth = Get<Ev::publictel>();
    StandIn(booth.trigger);
    PressAction();
    Run(40);
    EXPECT_EQ(booth.Current(), Ev::publictel::Phase::Open);
    EXPECT_LT(booth.hinge.rotation.y, -90.0f);
    Place(StartOf(FieldId::Soto).position);
    Run(40);
    EXPECT_EQ(booth.Current(), Ev::publictel::Phase::Closed);
    EXPECT_EQ(booth.hinge.rotation.y, 0.0f);
}

TEST_F(ScenesTest, ThePhoneAnsweredEndsTheNight) {
    Start(FieldId::Soto, StartOf(FieldId::Soto).position, 180, 20);
    Ev::publictel* booth = &Get<Ev::publictel>();
    StandIn(booth->trigger);
    PressAction();
    Run(40);
    PressAction();
    Run(90);
    PressAction();
    Run(90);
    PressAction();  // the receiver taken up
    Run(40);
    EXPECT_EQ(booth->Current(), Ev::publictel::Phase::Listening);
    ReadThrough();  // the voice on the line
    EXPECT_FALSE(app.lib.steamworks.awarded.contains(26));
    Run(510);
    EXPECT_TRUE(app.lib.steamworks.awarded.contains(26));
    EXPECT_EQ(std::u16string(Field().Name()), u"Gameover");
    EXPECT_EQ(app.player.record.deathCount, 1u);
}
