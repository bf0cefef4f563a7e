#include <climits>

#include <glm/geometric.hpp>

#include "WorldTestLibrary.h"
#include "world/Fish.h"
#include "world/gt_Model.h"

namespace worldtest {
namespace {

glm::vec3 Origin(const CObjMesh& mesh) {
    return glm::vec3(mesh.world[3]);
}

// The rest pose's hands hang by the hips: 0.606 units up (hips at 6.1 rig units, 0.5 down to the
// shoulders' base, 2.3 up to them, then 1.9 along an arm lowered by 75 degrees; 0.1 units per rig
// unit) and 0.149 units to either side of a root turned by its yaw.
TEST_F(WorldTest, RestPoseHandsHangAtTheHipsOfWhereverTheRootIs) {
    struct Placement {
        glm::vec3 position;
        float yaw;
        glm::vec3 leftHand, rightHand;
    };
    const Placement placements[] = {
        {{0, 0, 0}, 180, {-0.149175f, 0.606474f, 0}, {0.149175f, 0.606474f, 0}},
        {{3, 0, -2}, 90, {3, 0.606474f, -2.149175f}, {3, 0.606474f, -1.850825f}},
    };
    gt_Model body;
    body.Stop = 1;
    for (const Placement& placement : placements) {
        body.root.position = placement.position;
        body.root.rotation.y = placement.yaw;
        body.Update(library);  // one update brings every part after the root
        ExpectNear(Origin(body.L_hand), placement.leftHand);
        ExpectNear(Origin(body.R_hand), placement.rightHand);
    }
}

// One clock step of a rig: the time it posed at (kNoPose: none) and the clock after.
struct ClockCase {
    const char* name;
    bool fish;
    int32_t motion, speed, slow, stop, hidden, frameBefore, posedAt, frameAfter;
};
constexpr int32_t kNoPose = INT_MIN;

template <class Rig>
void StepOnce(const ClockCase& c, Rig& rig, MyLibrary& library, const glm::vec3& probe) {
    constexpr size_t kProbeTrack = 4;  // the probe's track in every motion
    rig.MotType = c.motion;
    rig.speed = c.speed;
    rig.slow = c.slow;
    rig.Stop = c.stop;
    rig.hidden = c.hidden;
    rig.frame = c.frameBefore;
    const glm::vec3 before = probe;
    rig.Update(library);
    ExpectNear(probe, c.posedAt == kNoPose
                          ? before
                          : rig.motions[c.motion].tracks[kProbeTrack].SampleLooped(c.posedAt));
    EXPECT_EQ(rig.frame, c.frameAfter);
}

// The body wraps its raw clock before posing, and t keeps the old clock's value for that frame;
// the fish poses first and wraps when t, not the raw clock, has passed the last key. The clock
// is the rigs' shared code: the fish's cases are where it differs, and its own update.
TEST_F(WorldTest, RigsPoseAtTheClockTimeThenAdvance) {
    const ClockCase cases[] = {
        {"BodySlowHalvesTheClock", false, 0, 1, 2, 0, 0, 5, 2, 6},
        {"BodySpeedMultipliesIt", false, 1, 3, 0, 0, 0, 5, 15, 6},
        {"BodyStopHoldsIt", false, 2, 1, 0, 1, 0, 5, 5, 5},
        {"BodyHiddenItStillRuns", false, 2, 1, 0, 0, 1, 5, 5, 6},
        {"BodyAtTheLastKeyPosesKeyZero", false, 0, 1, 0, 0, 0, 100, 100, 101},
        {"BodyPastTheLastKeyTheClockWraps", false, 0, 1, 0, 0, 0, 101, 101, 1},
        {"BodyOnlyTheRawClockWraps", false, 0, 3, 0, 0, 0, 34, 102, 35},
        {"BodyUnknownMotion", false, 5, 1, 0, 0, 0, 5, kNoPose, 5},
        {"BodyNegativeMotion", false, -1, 1, 0, 0, 0, 5, kNoPose, 5},
        {"FishHiddenItStillRuns", true, 2, 1, 0, 0, 1, 5, 5, 6},
        {"FishTheTimeDecidesTheWrap", true, 1, 3, 0, 0, 0, 34, 102, 1},
        {"FishAStoppedClockStillWraps", true, 0, 1, 0, 1, 0, 101, 101, 0}};
    for (const ClockCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fish fish;
        gt_Model body;
        c.fish ? StepOnce(c, fish, library, fish.L_nino.rotation)
               : StepOnce(c, body, library, body.R_nino.rotation);
    }
}

// The looped motions (the body's rest, walks and raised hand, the fish's idle and walk) end where
// they start on every track, all at one key, so that their wrap is seamless.
TEST(MotionTables, LoopedMotionsEndWhereTheyStart) {
    const auto expectSeamless = [](const std::vector<Motion>& motions, std::vector<int> looped) {
        for (const int index : looped) {
            const Motion& motion = motions[static_cast<size_t>(index)];
            for (const MotionTrack& track : motion.tracks) {
                EXPECT_EQ(track.LastKey(), motion.LastKey()) << "motion " << index;
                EXPECT_EQ(track.Sample(track.LastKey()), track.Sample(0)) << "motion " << index;
            }
        }
    };
    expectSeamless(gt_Model().motions, {0, 1, 2, 3});
    expectSeamless(Fish().motions, {0, 1});
}

TEST_F(WorldTest, TheShownFlashlightHoldsTheArmAndAimsTheSpotWhileOn) {
    gt_Model body;
    body.lightShown = 1;
    body.Update(library);
    ExpectNear(body.L_hand.rotation, {0, -50, 0});
    EXPECT_EQ(body.L_nino.rotation.z, -70.0f);
    // The lens sits 0.2 world units in front of the lamp; the light 0.15 units on the way to it.
    const glm::vec3 lamp = Origin(body.light.body);
    ExpectNear(body.spot.target, Origin(body.light.glow));
    EXPECT_NEAR(glm::distance(lamp, body.spot.target), 0.2f, 1e-4f);
    EXPECT_NEAR(glm::distance(lamp, body.spot.position), 0.15f, 1e-4f);
    EXPECT_NEAR(glm::distance(body.spot.position, body.spot.target), 0.05f, 1e-4f);

    body.lightOn = 0;  // switched off: the spot stays, its w values are set all the same
    body.spot = {{1, 2, 3}, {4, 5, 6}, 0, 0};
    body.Update(library);
    ExpectNear(body.spot.position, {1, 2, 3});
    ExpectNear(body.spot.target, {4, 5, 6});
    EXPECT_EQ(body.spot.positionW, 1.0f);
    EXPECT_EQ(body.spot.directionW, 0.7f);

    body.lightShown = 0;  // put away: the arm follows the motion again
    body.Update(library);
    ExpectNear(body.L_hand.rotation, {0, 0, 0});
}

TEST_F(WorldTest, AFlashlightWithItsLensOnTheBodyGivesAFiniteSpot) {
    Flashlight light;
    light.body.position = {1, 2, 3};
    light.body.scale = glm::vec3(0.0f);
    SpotLight spot;
    light.Update(library, true, spot);
    ExpectNear(spot.position, {1, 2, 3});
    ExpectNear(spot.target, {1, 2, 3});
}

// The first beadCount beads show, at most all five, none of a hidden fish.
TEST_F(WorldTest, TheFishShowsItsFirstBeadCountBeads) {
    struct {
        int32_t beadCount, hidden, shown;
    } const cases[] = {{0, 0, 0}, {3, 0, 3}, {7, 0, 5}, {-2, 0, 0}, {5, 1, 0}};
    for (const auto& c : cases) {
        Fish fish;
        fish.beadCount = c.beadCount;
        fish.hidden = c.hidden;
        fish.Update(library);
        for (int i = 0; i < Fish::kBeads; ++i) {
            EXPECT_EQ(fish.beads[static_cast<size_t>(i)].hidden, i < c.shown ? 0 : 1)
                << c.beadCount << " beads, hidden " << c.hidden << ": bead " << i;
        }
    }
}

TEST_F(WorldTest, RigsGiveBackEveryModelAndTextureTheyTook) {
    {
        gt_Model body;
        Fish fish;
        body.itemShown = 1;
        body.lightShown = 1;
        body.Update(library);
        fish.Update(library);
        EXPECT_EQ(ModelCount(74), 3);  // the body's root and neck, the fish's root
        EXPECT_EQ(ModelCount(77), 6);  // the lens and five beads
        EXPECT_EQ(TextureCount(kPlainTexture), 13 + 1 + 2 + 15);  // parts, prop, light, fish
        // The prop hangs 2.5 rig units along the hand.
        EXPECT_NEAR(glm::distance(Origin(body.item), Origin(body.L_hand)), 0.25f, 1e-4f);
    }
    EXPECT_TRUE(NothingHeld());
}

}  // namespace
}  // namespace worldtest
