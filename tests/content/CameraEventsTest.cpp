// The two camera events: how fast the follow camera closes in, and when a zone takes the view.
#include <gtest/gtest.h>

#include "EventFixture.h"
#include "content/events/CamChar.h"
#include "content/events/CamFix.h"

namespace {

struct EaseCase {
    const char* name;
    float distance;  // world units between the target and the player, along x
    float step;      // how far the target moves toward the player in one frame
    friend void PrintTo(const EaseCase& row, std::ostream* out) { *out << row.name; }
};

class TargetStepTest : public testing::TestWithParam<EaseCase> {};

TEST_P(TargetStepTest, ClosesInByTheSquareOfTheDistanceButNeverPastThePlayer) {
    const EaseCase& c = GetParam();
    const glm::vec3 step = Ev::TargetStep({c.distance, 0, 0});
    EXPECT_NEAR(step.x, c.step, 1e-4f);
    EXPECT_EQ(step.y, 0.0f);
    EXPECT_EQ(step.z, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Distances, TargetStepTest,
                         testing::Values(EaseCase{"AtThePlayer", 0, 0}, EaseCase{"Ahead", 1, 0.02f},
                                         EaseCase{"Behind", -1, -0.02f}, EaseCase{"Far", 10, 2},
                                         EaseCase{"JustShortOfReaching", 49, 48.02f},
                                         EaseCase{"Reaching", 50, 50},
                                         EaseCase{"BeyondReaching", 200, 200}));

struct FixCase {
    const char* name;
    uint32_t hitState;
    int32_t castsShadow;
    bool takesTheView;
    friend void PrintTo(const FixCase& row, std::ostream* out) { *out << row.name; }
};

class CamFixTest : public EventTest, public testing::WithParamInterface<FixCase> {};

TEST_P(CamFixTest, TakesTheViewOnlyWhileThePlayerIsInAnEnabledZone) {
    const FixCase& c = GetParam();
    Ev::CamFix& fix = Add<Ev::CamFix>();
    fix.eyeMarker.position = {1, 2, 3};
    fix.targetMarker.position = {4, 5, 6};
    Enter();
    Camera& live = library.effect.camera;
    live.eye = {-1, -1, -1};
    live.at = {-2, -2, -2};
    fix.trigger.collider.hitState = c.hitState;
    fix.trigger.castsShadow = c.castsShadow;
    fix.Update();
    EXPECT_EQ(live.eye, c.takesTheView ? glm::vec3(1, 2, 3) : glm::vec3(-1, -1, -1));
    EXPECT_EQ(live.at, c.takesTheView ? glm::vec3(4, 5, 6) : glm::vec3(-2, -2, -2));
}

INSTANTIATE_TEST_SUITE_P(Zones, CamFixTest,
                         testing::Values(FixCase{"PlayerInside", HIT_BY_PLAYER, 1, true},
                                         FixCase{"NobodyInside", HIT_NONE, 1, false},
                                         FixCase{"DartInside", HIT_BY_DART, 1, false},
                                         FixCase{"ZoneSwitchedOff", HIT_BY_PLAYER, 0, false}));

}  // namespace
