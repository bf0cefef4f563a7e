// Per-frame cost of the camera maths: culling a field's worth of objects, and the shadow matrix.
#include <benchmark/benchmark.h>

#include <cmath>
#include <glm/geometric.hpp>
#include <random>
#include <vector>

#include "library/Camera.h"
#include "library/EffectLighting.h"

namespace {

struct Sphere {
    glm::vec3 centre;
    float radius;
};

void BM_IsCulled1000Spheres(benchmark::State& state) {
    Camera camera;
    camera.eye = {2, 1.5f, -6};
    camera.at = {0, 1, 0};
    camera.UpdateCamera();
    std::mt19937 random(7);
    std::uniform_real_distribution<float> position(-150.0f, 150.0f), radius(0.1f, 3.0f);
    std::vector<Sphere> spheres(1000);
    for (Sphere& s : spheres)
        s = {{position(random), position(random), position(random)}, radius(random)};
    for (auto _ : state) {
        int culled = 0;
        for (const Sphere& s : spheres) culled += camera.IsCulled(s.centre, s.radius);
        benchmark::DoNotOptimize(culled);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(spheres.size()));
}
BENCHMARK(BM_IsCulled1000Spheres);

// The whole frame update (camera, fog, spot, shadow matrix) with the camera turning a little each
// frame, as a following camera does.
void BM_FrameUpdate(benchmark::State& state) {
    EffectLighting effect;
    float yaw = 0.0f;
    for (auto _ : state) {
        yaw += 0.01f;
        effect.camera.at = effect.camera.eye + glm::vec3(std::sin(yaw), -0.3f, std::cos(yaw));
        benchmark::DoNotOptimize(effect.FrameUpdate(1920, 1080));
    }
}
BENCHMARK(BM_FrameUpdate);

void BM_ShadowMatrix(benchmark::State& state) {
    Camera camera;
    camera.UpdateCamera();
    ShadowMatrix shadow;
    const ShadowView view{.lightDirection = glm::normalize(glm::vec3(0, -63, -3)),
                          .viewDirection = glm::vec3(0, 0, 1),
                          .viewpoint = camera.eye,
                          .cameraView = camera.view,
                          .fovRadians = 45 * kRadiansPerDegree,
                          .aspect = 16.0f / 9,
                          .nearPlane = 0.1f,
                          .farPlane = 65};
    for (auto _ : state) {
        benchmark::DoNotOptimize(shadow.Update(view));
        benchmark::DoNotOptimize(shadow.Matrix());
    }
}
BENCHMARK(BM_ShadowMatrix);

}  // namespace
