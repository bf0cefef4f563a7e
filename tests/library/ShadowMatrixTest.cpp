// The sun's shadow matrix: a hand-computed case, coverage of random view frustums, and the
// fallback that keeps it finite when the view is parallel to the light.
#include <gtest/gtest.h>

#include <algorithm>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>
#include <glm/vec4.hpp>
#include <random>

#include "library/Camera.h"
#include "library/EffectTerms.h"
#include "library/FiniteMath.h"
#include "library/ShadowMatrix.h"

namespace {

constexpr float kNearPlane = 0.1f;

struct ViewSetup {
    glm::vec3 eye, at;
    glm::vec3 sunPosition, sunTarget;
    glm::vec3 shadowEyeOffset;
    float fovDegrees, aspect, farPlane;
};

// The start values: sun nearly overhead, camera level.
const ViewSetup kStartView{{0, 0, -5}, {0, 0, 0}, {0, 63, 3}, {0, 0, 0},
                           {0, 0, 0},  45,        16.0f / 9,  65};

// The shadow inputs as the frame update builds them from a camera and a sun.
ShadowView ShadowViewOf(const ViewSetup& s) {
    Camera camera;
    camera.eye = s.eye;
    camera.at = s.at;
    EXPECT_TRUE(camera.UpdateCamera());
    return {.lightDirection = SunDirection(s.sunPosition, s.sunTarget),
            .viewDirection = glm::normalize(s.at - s.eye),
            .viewpoint = s.eye + s.shadowEyeOffset,
            .cameraView = camera.view,
            .fovRadians = s.fovDegrees * kRadiansPerDegree,
            .aspect = s.aspect,
            .nearPlane = kNearPlane,
            .farPlane = s.farPlane};
}

// The homogeneous image of a world point (D3DX row vector times the matrix).
glm::vec4 Transform(const glm::mat4& m, glm::vec3 point) {
    return m * glm::vec4(point, 1.0f);
}

// A point of the covered frustum: u, v in −1..1 across the view, depth in world units ahead.
glm::vec3 FrustumPoint(const ShadowView& view, float u, float v, float depth) {
    const float t = std::tan(view.fovRadians / 2.0f);
    const glm::vec4 world = glm::inverse(view.cameraView) *
                            glm::vec4(u * t * depth * view.aspect, v * t * depth, depth, 1.0f);
    return glm::vec3(world) / world.w;
}

// Hand-computed: the sun straight overhead, the camera at the origin looking along +z with a 90°
// field of view, aspect 1 and a 40-unit shadow range. Light space is x = world x, y = world z,
// z = −world y. sin γ = 1 and the frustum spans d = 39.9 along light y, so
// nOpt = 0.1 + sqrt(40 × 0.1) = 2.1: the viewpoint moves 2 units back to (0, 0, −2) and the
// perspective runs from y = 2.1 to 42. The far corners (±40, ±40, 40) then sit at x and z of
// ±40 / 42, which the unit-cube fit scales by 21 / 20 and 21 / 40.
TEST(ShadowMatrixTest, MatchesHandComputedOverheadSun) {
    const ShadowView view = ShadowViewOf({.eye = {0, 0, 0},
                                          .at = {0, 0, 1},
                                          .sunPosition = {0, 10, 0},
                                          .sunTarget = {0, 0, 0},
                                          .shadowEyeOffset = {0, 0, 0},
                                          .fovDegrees = 90,
                                          .aspect = 1,
                                          .farPlane = 40});
    ShadowMatrix shadow;
    ASSERT_TRUE(shadow.Update(view));

    glm::mat4 lightView(0.0f);  // D3DX rows: x, y, z axes by column, then the translation
    lightView[0] = {1, 0, 0, 0};
    lightView[1] = {0, 0, -1, 0};
    lightView[2] = {0, 1, 0, 0};
    lightView[3] = {0, 2, 0, 1};
    glm::mat4 perspective(1.0f);
    perspective[1][1] = 42.0f / 39.9f;
    perspective[1][3] = 1.0f;
    perspective[3][1] = -42.0f * 2.1f / 39.9f;
    perspective[3][3] = 0.0f;
    glm::mat4 fit(0.0f);
    fit[0][0] = 21.0f / 20.0f;
    fit[1][1] = 2.0f;
    fit[2][2] = 21.0f / 40.0f;
    fit[3] = {0, -1, 0.5f, 1};
    const glm::mat4 expected = fit * perspective * lightView;  // D3DX view × perspective × fit

    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            EXPECT_NEAR(shadow.LightView()[row][column], lightView[row][column], 1e-4f);
            EXPECT_NEAR(shadow.Matrix()[row][column], expected[row][column], 1e-4f)
                << "row " << row << " column " << column;
        }
}

// A view along the light (or against it) has no light-space direction of view: the matrix of the
// previous frame stays, finite. The sun is slanted so the camera's up stays usable; the same
// direction reached through differently scaled vectors, where the dot product of the two unit
// vectors can round above 1; and a sun on its own target, which has no direction at all.
TEST(ShadowMatrixTest, AViewAlongTheLightKeepsThePreviousMatrix) {
    const struct {
        const char* name;
        glm::vec3 eye, at, sun, sunTarget;
    } views[] = {{"AlongTheRays", {0, 10, -10}, {0, 0, 0}, {0, 10, -10}, {0, 0, 0}},
                 {"StraightBackAtTheSun", {0, 0, 0}, {0, 10, -10}, {0, 10, -10}, {0, 0, 0}},
                 {"ScaledDifferently", {0, 0, 0}, {3, -9, 1}, {0, 0, 0}, {0.3f, -0.9f, 0.1f}},
                 {"WithinRounding", {0, 0, 0}, {1e-4f, -7, 7}, {0, 7, -7}, {0, 0, 0}},
                 {"SunOnItsTarget", {0, 0, -5}, {0, 0, 0}, {1, 2, 3}, {1, 2, 3}}};
    for (const auto& v : views) {
        SCOPED_TRACE(v.name);
        const ShadowView parallel = ShadowViewOf({v.eye, v.at, v.sun, v.sunTarget, {}, 45, 1, 65});
        ShadowMatrix shadow;
        EXPECT_FALSE(shadow.Update(parallel));
        EXPECT_EQ(shadow.Matrix(), glm::mat4(1.0f));  // the first frame keeps the identity
        ASSERT_TRUE(shadow.Update(ShadowViewOf(kStartView)));
        const glm::mat4 previous = shadow.Matrix();
        EXPECT_FALSE(shadow.Update(parallel));
        EXPECT_EQ(shadow.Matrix(), previous);
    }
}

// Random views and suns (fixed seed): the matrix is always finite, and the covered frustum fills
// the map however steeply the view looks along the light. The frustum is convex and lies in front
// of the sun's perspective, so its corners landing inside the map put all of it inside; the
// corners reaching the map's edges show the fit is tight.
TEST(ShadowMatrixTest, RandomViewsStayFiniteAndFillTheMap) {
    std::mt19937 random(20261206);
    std::normal_distribution<float> gaussian;
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    const auto randomUnit = [&] {
        return glm::normalize(glm::vec3(gaussian(random), gaussian(random), gaussian(random)));
    };
    ShadowMatrix shadow;
    int rebuilt = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const glm::vec3 eye(gaussian(random) * 20, gaussian(random) * 5, gaussian(random) * 20);
        Camera camera;
        camera.eye = eye;
        camera.at = eye + randomUnit();
        if (!camera.UpdateCamera()) continue;
        const ShadowView view{.lightDirection = randomUnit(),
                              .viewDirection = glm::normalize(camera.at - camera.eye),
                              .viewpoint = eye + randomUnit() * uniform(random) * 30.0f,
                              .cameraView = camera.view,
                              .fovRadians = (20 + uniform(random) * 70) * kRadiansPerDegree,
                              .aspect = 0.5f + uniform(random) * 2,
                              .nearPlane = kNearPlane,
                              .farPlane = 1 + uniform(random) * 99};
        const bool wasRebuilt = shadow.Update(view);
        ASSERT_TRUE(IsFinite(shadow.Matrix())) << "trial " << trial;
        if (!wasRebuilt) continue;
        ++rebuilt;
        glm::vec3 low(INFINITY), high(-INFINITY);
        for (const float depth : {kNearPlane, view.farPlane})
            for (const float u : {-1.0f, 1.0f})
                for (const float v : {-1.0f, 1.0f}) {
                    const glm::vec4 h = Transform(shadow.Matrix(), FrustumPoint(view, u, v, depth));
                    ASSERT_GT(h.w, 0.0f) << "trial " << trial;
                    low = glm::min(low, glm::vec3(h) / h.w);
                    high = glm::max(high, glm::vec3(h) / h.w);
                }
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(low[axis], axis == 2 ? 0.0f : -1.0f, 1e-3f) << "trial " << trial;
            EXPECT_NEAR(high[axis], 1.0f, 1e-3f) << "trial " << trial;
        }
    }
    EXPECT_GT(rebuilt, 19000);
}

}  // namespace
