// The puzzles solved with darts, where they do more than the walkthrough shows: the changing
// room's clock loses a dart that strikes it running and its hands end at five; room 202's lamp
// carries the darts stuck in it as it swings, and darts far apart never shake its light down.
#include <gtest/gtest.h>

#include <cmath>

#include <glm/geometric.hpp>
#include <glm/mat4x4.hpp>

#include "content/FieldRun.h"
#include "content/events/HitPuzzles.h"
#include "library/Angles.h"
#include "scene/Personal.h"

namespace {

constexpr int32_t kThrowSpacing = 52;  // frames: just past the throw's cooldown

class HitPuzzleTest : public FieldRun {
  protected:
    // Starts in the field with the darts in hand, ready to throw.
    void StartWithDarts(FieldId id, const glm::vec3& spawn, float yaw, int32_t stage) {
        Start(id, spawn, yaw, stage);
        Record().hasDarts = 1;
        Run(Personal::kThrowCooldownFrames);
    }
    SaveRecord& Record() { return app.player.record; }
};

// A point of `mesh` in the world.
glm::vec3 PointOf(const CObjMesh& mesh, const glm::vec3& local) {
    return glm::vec3(mesh.world * glm::vec4(local, 1.0f));
}

// Where a clock hand points on the dial: degrees clockwise from twelve as seen from in front,
// within (-180, 180].
float DialAngle(const CObjMesh& hand, const CObjMesh& clock) {
    const glm::vec3 along = glm::normalize(glm::vec3(hand.world[2]));  // the bar lies along its z
    const glm::vec3 right = glm::normalize(glm::vec3(clock.world[0]));
    const glm::vec3 up = glm::normalize(glm::vec3(clock.world[1]));
    return Degrees(std::atan2(glm::dot(along, right), glm::dot(along, up)));
}

TEST_F(HitPuzzleTest, ADartIntoTheRunningClockIsLostAndItsHandsEndAtFive) {
    StartWithDarts(FieldId::Bath_Datui_Woman, {-3.17f, 0.36f, -1.8f}, 90, 13);
    Ev::Clock* clock = &Get<Ev::Clock>();
    const glm::vec3 dial = PointOf(clock->clock, {0, 0, -0.09f});
    EXPECT_EQ(clock->Time(), Ev::Clock::kStartTime);
    for (int32_t hour = 2; hour <= 5; ++hour) {
        ThrowAt(dial);
        Run(5);
        ASSERT_TRUE(clock->Running()) << "the dart for " << hour << " o'clock missed";
        if (hour == 2) {
            // A second dart into the running clock is lost on it.
            Dart& second = *app.player.darts[4];
            const glm::vec3 across = SafeNormalise(dial - app.player.Position());
            second.Launch(dial - across * 0.4f, across);
            Run(5);
        }
        Run(kThrowSpacing);
        EXPECT_EQ(clock->Time(), hour * 3600);
    }
    EXPECT_NEAR(DialAngle(clock->hands[0], clock->clock), 150.0f, 0.1f);
    EXPECT_NEAR(DialAngle(clock->hands[1], clock->clock), 0.0f, 0.1f);
}

TEST_F(HitPuzzleTest, TheLampCarriesItsDartsAndDartsFarApartOnlySwingIt) {
    StartWithDarts(FieldId::Fld_202, {-2.6f, 0.42f, -1.0f}, 90, 11);
    const Ev::Denki202& lamp = Get<Ev::Denki202>();
    const glm::vec3 shade = PointOf(lamp.lamp, {0, -0.64f, 0});
    ThrowAt(shade);
    Run(8);
    const glm::vec4& stuck = app.player.darts[0]->ball.world[3];
    auto onLamp = [&] { return glm::vec3(glm::inverse(lamp.lamp.world) * stuck); };
    const glm::vec3 struckAt(stuck), struckOnLamp = onLamp();
    Run(20);
    EXPECT_GT(glm::length(glm::vec3(stuck) - struckAt), 0.01f);
    EXPECT_LT(glm::length(onLamp() - struckOnLamp), 1e-3f);

    for (int dart = 2; dart <= 5; ++dart) {
        Run(150);
        const float before = lamp.Swing();
        ThrowAt(shade);
        Run(8);
        EXPECT_GT(lamp.Swing(), before + 0.15f) << "dart " << dart << " missed";
    }
    Run(250);
    EXPECT_EQ(lamp.State(), Ev::Denki202::LightState::Hanging);
    EXPECT_EQ(lamp.Swing(), 0.0f);
    EXPECT_NEAR(lamp.lamp.rotation.x, 0.0f, 1e-4f);
    EXPECT_EQ(app.lib.effect.lighting.spotPositionW, 2.0f) << "the hanging light shines";
}

}  // namespace
