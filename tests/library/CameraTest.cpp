// The camera's matrices against D3DX's conventions, the culling sphere's boundaries, and the
// per-frame light terms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>
#include <glm/vec4.hpp>

#include "library/Camera.h"
#include "library/EffectLighting.h"
#include "library/EffectTerms.h"

namespace {

constexpr float kTolerance = 1e-5f;

Camera LookingFrom(glm::vec3 eye, glm::vec3 at, float farPlane = 100.0f) {
    Camera camera;
    camera.eye = eye;
    camera.at = at;
    camera.farPlane = farPlane;
    EXPECT_TRUE(camera.UpdateCamera());
    return camera;
}

// A world point through a matrix as a D3DX row vector, then divided by w.
glm::vec3 Project(const glm::mat4& m, glm::vec3 point) {
    const glm::vec4 h = m * glm::vec4(point, 1.0f);
    return glm::vec3(h) / h.w;
}

// D3DX's left-handed look-at puts the eye at the origin, the view along +z, world up along +y and
// its right (up × view direction) along +x. The perspective gives a point straight ahead at
// distance d the depth far / (far − near) × (1 − near / d), and puts the corners of the vertical
// field of view, widened by the aspect, at x and y of ±1. Along +z from 5 behind the origin (the
// start camera), along +x, whose right is world −z, along −z, and askew with a wide view.
TEST(CameraTest, ViewAndProjectionFollowD3dx) {
    const struct {
        glm::vec3 eye, at;
        float fovDegrees = 45, width = 1024, height = 768;
    } views[] = {{{0, 0, -5}, {0, 0, 0}},
                 {{0, 0, 0}, {1, 0, 0}},
                 {{1, 2, 3}, {1, 2, 0}},
                 {{3, 1, -5}, {4, 3, 1}, 60, 1920, 1080}};
    for (const auto& v : views) {
        SCOPED_TRACE(testing::Message() << "view " << &v - views);
        Camera camera;
        camera.eye = v.eye;
        camera.at = v.at;
        camera.fovDegrees = v.fovDegrees;
        camera.width = v.width;
        camera.height = v.height;
        ASSERT_TRUE(camera.UpdateCamera());
        const glm::vec3 ahead = glm::normalize(v.at - v.eye);
        const glm::vec3 right = glm::normalize(glm::cross(glm::vec3(0, 1, 0), ahead));
        const glm::vec3 up = glm::cross(ahead, right);
        const auto expectAt = [](glm::vec3 got, glm::vec3 wanted) {
            EXPECT_LT(glm::distance(got, wanted), kTolerance)
                << got.x << ", " << got.y << ", " << got.z;
        };
        expectAt(Project(camera.view, v.eye), {0, 0, 0});
        expectAt(Project(camera.view, v.eye + 2.0f * ahead), {0, 0, 2});
        expectAt(Project(camera.view, v.eye + 3.0f * right - up), {3, -1, 0});

        const float nearPlane = camera.nearPlane, farPlane = camera.farPlane;
        for (const float d : {0.1f, 0.5f, 5.0f, 37.0f, 100.0f}) {
            const float depth = farPlane / (farPlane - nearPlane) * (1.0f - nearPlane / d);
            expectAt(Project(camera.viewProjection, v.eye + d * ahead), {0, 0, depth});
        }
        const float halfHeight = 10.0f * std::tan(v.fovDegrees / 2 * kRadiansPerDegree);
        const glm::vec3 corner =
            v.eye + 10.0f * ahead + halfHeight * (v.width / v.height * right + up);
        expectAt(glm::vec3(glm::vec2(Project(camera.viewProjection, corner)), 0), {1, 1, 0});
    }
}

// A description with no view keeps the last good matrices, so nothing non-finite is ever sent.
TEST(CameraTest, DegenerateDescriptionsKeepThePreviousMatrices) {
    const struct {
        const char* name;
        void (*spoil)(Camera&);
    } spoilers[] = {{"EyeOnTarget", [](Camera& c) { c.at = c.eye; }},
                    {"UpAlongView", [](Camera& c) { c.up = c.at - c.eye; }},
                    {"NoHeight", [](Camera& c) { c.height = 0; }},
                    {"NearEqualsFar", [](Camera& c) { c.nearPlane = c.farPlane; }}};
    for (const auto& spoiler : spoilers) {
        Camera camera = LookingFrom({1, 2, 3}, {4, 2, 3});
        const Camera good = camera;
        spoiler.spoil(camera);
        EXPECT_FALSE(camera.UpdateCamera()) << spoiler.name;
        EXPECT_TRUE(camera.view == good.view && camera.projection == good.projection &&
                    camera.viewProjection == good.viewProjection &&
                    camera.cullCentre == good.cullCentre)
            << spoiler.name;
    }
}

// Culling. The camera at (0, 0, −16) looking at the origin with far 80 puts the culling centre at
// (0, 0, 64), whose direction (0, 0, 1) is exact in floats, so the boundaries are exact too:
// radius 2 gives r = 82, the plane test bounds z at 82 and the sphere test |centre − (0, 0, 64)|
// at 82.
TEST(IsCulledTest, MatchesBothStrictTestsAtTheirBoundaries) {
    const float justPast82 = std::nextafter(82.0f, 100.0f);
    // Exact: the next float past −18 would be lost when 64 is subtracted from it.
    const float justPastMinus18 = 64.0f - justPast82;
    const struct {
        const char* name;
        glm::vec3 centre;
        float radius;
        bool culled;
    } spheres[] = {{"InFront", {0, 0, 10}, 1, false},
                   {"OnPlane", {0, 0, 82}, 2, false},
                   {"JustPastPlane", {0, 0, justPast82}, 2, true},
                   {"OnSphereSide", {82, 0, 64}, 2, false},
                   {"JustPastSphereSide", {justPast82, 0, 64}, 2, true},
                   {"OnSphereBehind", {0, 0, -18}, 2, false},
                   {"JustPastSphereBehind", {0, 0, justPastMinus18}, 2, true},
                   {"RadiusReachesIn", {0, 0, 90}, 10, false},
                   {"FarBehindEye", {0, 0, -100}, 1, true}};
    const Camera camera = LookingFrom({0, 0, -16}, {0, 0, 0}, 80.0f);
    ASSERT_EQ(camera.cullCentre, glm::vec3(0, 0, 64));
    for (const auto& sphere : spheres) {
        EXPECT_EQ(camera.IsCulled(sphere.centre, sphere.radius), sphere.culled) << sphere.name;
    }
}

// The plane test measures along the culling centre's direction from the world origin, not from
// the eye: far from the origin it also culls things in plain view. The game's rooms lie within a
// few dozen units of the origin, well inside the far distance, where this never shows. With the
// centre at the origin only the sphere test is left.
TEST(IsCulledTest, PlaneTestMeasuresFromWorldOrigin) {
    EXPECT_TRUE(LookingFrom({0, 0, -200}, {0, 0, -300}, 100.0f).IsCulled({0, 0, -250}, 1.0f));
    const Camera camera = LookingFrom({0, 0, -64}, {0, 0, 0}, 64.0f);
    ASSERT_EQ(camera.cullCentre, glm::vec3(0, 0, 0));
    EXPECT_FALSE(camera.IsCulled({0, 0, 66}, 2.0f));
    EXPECT_TRUE(camera.IsCulled({0, std::nextafter(66.0f, 100.0f), 0}, 2.0f));
}

// Per-frame light terms.
TEST(EffectTermsTest, FlashFadesFromBlackInTenFrames) {
    float flash = 1.0f;
    for (int frame = 1; frame < 10; ++frame) {
        flash = StepFlash(flash);
        EXPECT_GT(flash, 0.0f) << "frame " << frame;
    }
    EXPECT_EQ(StepFlash(flash), 0.0f);
    EXPECT_EQ(StepFlash(0.0f), 0.0f);
    EXPECT_EQ(StepFlash(3.0f), 1.0f);
}

// Linear fog; start − 1 equal to end − 2 gives a hard edge at 9 instead of a division by zero.
TEST(EffectTermsTest, FogTermsGiveALinearFactor) {
    const struct {
        const char* name;
        float fogStart, fogEnd;
        glm::vec4 expected;
    } ranges[] = {{"StartValues", 0, 50, {48.0f / 49.0f, -1.0f / 49.0f, 0, 0}},
                  {"NegativeStart", -0.1f, 36.1f, {34.1f / 35.2f, -1.0f / 35.2f, 0, 0}},
                  {"HardEdge", 10, 11, {9000, -1000, 0, 0}}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(r.name);
        const glm::vec4 terms = FogTerms(r.fogStart, r.fogEnd);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(terms[i], r.expected[i], 1e-6f * std::max(1.0f, std::abs(r.expected[i])))
                << i;
        }
    }
}

TEST(EffectTermsTest, SpotDirectionPointsBackToTheLight) {
    const glm::vec4 term = SpotDirectionTerm({0, 0.5f, 0}, {0, 0.5f, 1}, 0.7f);
    EXPECT_EQ(term, glm::vec4(0, 0, -1, 0.7f));
    EXPECT_EQ(SpotDirectionTerm({1, 2, 3}, {1, 2, 3}, 0.7f), glm::vec4(0, 0, 0, 0.7f));
}

TEST(EffectTermsTest, BlurWeightsSumToOneOverBothSides) {
    const std::array<float, 6> w = BlurWeights();
    EXPECT_NEAR(w[0] + 2.0f * (w[1] + w[2] + w[3] + w[4] + w[5]), 1.0f, 1e-6f);
    EXPECT_NEAR(w[5] / w[0], 0.5f * std::exp(-0.1f),
                1e-6f);  // a Gaussian, halved beside the centre
}

TEST(EffectTermsTest, QuarterTexelAndScreenMatrixStayFiniteForEmptySizes) {
    EXPECT_EQ(QuarterTexelSize(1280, 720), glm::vec4(1.0f / 320, 1.0f / 180, 0, 0));
    EXPECT_EQ(QuarterTexelSize(0, 0), glm::vec4(4, 4, 0, 0));
    const glm::mat4 screen = ScreenMatrix(1920, 1080);
    EXPECT_NEAR(glm::distance(Project(screen, {960, -540, 0.5f}), {1, -1, 0.5f}), 0, 1e-6f);
    EXPECT_EQ(ScreenMatrix(0, 0)[0][0], 2.0f);
}

// The frame update: render size into the camera, then the terms in order; a reset for a new field
// keeps the light factors the player chose.
TEST(EffectLightingTest, FrameUpdateAndResetForField) {
    EffectLighting effect;
    effect.lighting.flash = 0.5f;
    const FrameTerms terms = effect.FrameUpdate(1280, 720);
    EXPECT_FLOAT_EQ(effect.lighting.flash, 0.4f);
    EXPECT_EQ(effect.camera.width, 1280);
    EXPECT_EQ(effect.camera.height, 720);
    EXPECT_NEAR(terms.fogTerms.x, 48.0f / 49.0f, 1e-6f);
    EXPECT_EQ(terms.shadowMatrix, effect.shadow.Matrix());
    EXPECT_NE(terms.shadowMatrix, glm::mat4(1.0f));  // rebuilt, not the identity it starts from

    effect.lightFactors.z = 7.0f;
    effect.camera.eye = {9, 9, 9};
    effect.ResetForField();
    EXPECT_EQ(effect.lightFactors.z, 7.0f);
    EXPECT_EQ(effect.camera.eye, glm::vec3(0, 0, -5));
}

}  // namespace
