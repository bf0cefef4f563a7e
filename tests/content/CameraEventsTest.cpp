// The two camera events: how fast the follow camera closes in, and when a zone takes the view.
#include <gtest/gtest.h>

#include "EventFixture.h"
#include "content/events/CamChar.h"
#include "content/events/CamFix.h"

namespace {

TEST(TargetStepTest, ClosesInByTheSquareOfTheDistanceButNeverPastThePlayer) {
    // The distance between the target and the player along x, and the target's step towards them.
    const struct {
        const char* name;
        float distance, step;
    } distances[] = {{"AtThePlayer", 0, 0},
                     {"Ahead", 1, 0.02f},
                     {"Behind", -1, -0.02f},
                     {"Far", 10, 2},
                     {"JustShortOfReaching", 49, 48.02f},
                     {"Reaching", 50, 50},
                     {"BeyondReaching", 200, 200}};
    for (const auto& d : distances) {
        const glm::vec3 step = Ev::TargetStep({d.distance, 0, 0});
        EXPECT_NEAR(step.x, d.step, 1e-4f) << d.name;
        EXPECT_EQ(step.y, 0.0f) << d.name;
        EXPECT_EQ(step.z, 0.0f) << d.name;
    }
}

TEST_F(EventTest, CamFixTakesTheViewOnlyWhileThePlayerIsInAnEnabledZone) {
    Ev::CamFix& fix = Add<Ev::CamFix>();
    fix.eyeMarker.position = {1, 2, 3};
    fix.targetMarker.position = {4, 5, 6};
    Enter();
    const struct {
        const char* name;
        uint32_t hitState;
        int32_t castsShadow;
        bool takesTheView;
    } zones[] = {{"NobodyInside", HIT_NONE, 1, false},
                 {"DartInside", HIT_BY_DART, 1, false},
                 {"ZoneSwitchedOff", HIT_BY_PLAYER, 0, false},
                 {"PlayerInside", HIT_BY_PLAYER, 1, true}};
    Camera& live = library.effect.camera;
    for (const auto& zone : zones) {
        SCOPED_TRACE(zone.name);
        live.eye = {-1, -1, -1};
        live.at = {-2, -2, -2};
        fix.trigger.collider.hitState = zone.hitState;
        fix.trigger.castsShadow = zone.castsShadow;
        fix.Update();
        EXPECT_EQ(live.eye, zone.takesTheView ? glm::vec3(1, 2, 3) : glm::vec3(-1, -1, -1));
        EXPECT_EQ(live.at, zone.takesTheView ? glm::vec3(4, 5, 6) : glm::vec3(-2, -2, -2));
    }
}

}  // namespace
