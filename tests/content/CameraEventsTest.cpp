// The two camera events: how fast the follow camera closes in, and when a zone takes the view.
#include <gtest/gtest.h>

#include <algorithm>

#include <glm/geometric.hpp>

#include "EventFixture.h"
#include "content/events/CamChar.h"
#include "content/events/CamFix.h"

namespace {

// Whichever way the player is, the step lies along the way to them, grows with the square of the
// distance (a fiftieth of it) and reaches them from 50 units on, never past.
TEST(TargetStepTest, ClosesInByTheSquareOfTheDistanceButNeverPastThePlayer) {
    for (const glm::vec3 way : {glm::vec3(1, 0, 0), glm::vec3(0, -0.6f, 0.8f)}) {
        for (float distance = 0; distance <= 100; distance += 0.5f) {
            const glm::vec3 step = Ev::TargetStep(way * distance);
            const float expected = std::min(distance * distance / 50, distance);
            ASSERT_LT(glm::length(step - way * expected), 1e-4f * (1 + distance)) << distance;
        }
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
