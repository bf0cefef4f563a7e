// Whole frames of the renderer's test scene, and of every built field of the game from its start
// point, on the GL backend (SDL offscreen, Mesa llvmpipe without a GPU) at each size, the fields
// with their 3-D scene shaded at the size the game picks for the device, the test scene both at
// the full size and at the CPU rasteriser's share (`scene_percent`): the median
// and the best frame over 300 frames drawn as the game draws them, the median CPU time of the
// process per frame (all rasteriser threads; steadier than the wall clock on a shared machine),
// then the median of each part of the frame over 100 frames in which every part is waited for (GL
// timer queries are no use on a tiling software rasteriser).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "FieldHost.h"
#include "GameFolderMain.h"
#include "PerField.h"
#include "RenderTestScene.h"
#include "library/Resolution.h"
#include "platform/gfx/GlDevice.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"

namespace {

constexpr int kFrames = 300;
constexpr int kProfiledFrames = 100;
constexpr int kWarmUpFrames = 12;
constexpr int kSoftwareScenePercent = static_cast<int>(kSoftwareSceneScale * 100.0f + 0.5f);

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// CPU time of every thread of the process, in milliseconds.
double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// What a benchmark renders: it makes and enters its scene with the player and library. A scene
// with a current child (a root holding a field) runs that child.
using SceneSource = std::function<std::unique_ptr<Scene>(Personal&, MyLibrary&)>;

// `sceneScale` fixes the share of the size the 3-D scene is shaded at; without it the game picks.
void MeasureFrames(benchmark::State& state, const gfx::Size& size, std::optional<float> sceneScale,
                   const SceneSource& source) {
    platform::SdlVideo video;
    platform::SdlWindow window(platform::SdlWindow::Surface::OpenGl);
    if (!video.ok() || !window.Create({0, 0, size.width, size.height})) {
        state.SkipWithError("no offscreen video");
        return;
    }
    platform::SdlGraphics graphics(window);
    std::unique_ptr<gfx::Device> made = graphics.Open() ? graphics.CreateDevice(window) : nullptr;
    auto* device = dynamic_cast<gfx::GlDevice*>(made.get());
    if (!device) {
        state.SkipWithError("no GL 3.3 device");
        return;
    }
    // Services without an OS; the settings the library writes at the end go to a scratch folder.
    FakePlatform platform;
    platform.window.client = {0, 0, size.width, size.height};
    auto library = std::make_unique<MyLibrary>(platform.services);
    library->fixedRenderSize = size;
    library->fixedSceneScale = sceneScale;
    if (library->Initialise(device) != S_OK) {
        state.SkipWithError("the library did not start (run beside data.dat)");
        return;
    }
    Personal player{1};
    const std::unique_ptr<Scene> held = source(player, *library);
    Scene* scene = held->CurrentChild() ? held->CurrentChild() : held.get();
    // The game's logic and the frame draw open their own sections; a frame ends when the
    // rasteriser has finished its pixels.
    const auto frame = [&] {
        device->BeginSection("update");
        library->FrameStep(0, 0);
        scene->Frame();
        DrawFrame(*scene);
        device->BeginSection("present");
        device->Present();
        device->Finish();
    };
    for (int i = 0; i < kWarmUpFrames; ++i) frame();

    std::vector<double> frameMs, cpuMs;
    std::map<std::string, std::vector<double>> sectionMs;
    for (auto _ : state) {
        for (int i = 0; i < kFrames; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = ProcessCpuMs();
            frame();
            cpuMs.push_back(ProcessCpuMs() - cpuStart);
            const std::chrono::duration<double, std::milli> spent =
                std::chrono::steady_clock::now() - start;
            frameMs.push_back(spent.count());
        }
        state.SetIterationTime(std::accumulate(frameMs.begin(), frameMs.end(), 0.0) / 1000.0);
        device->EnableProfiling(true);
        for (int i = 0; i < kProfiledFrames; ++i) {
            frame();
            for (const auto& section : device->TakeSectionTimes()) {
                sectionMs[section.name].push_back(section.milliseconds);
            }
        }
        device->EnableProfiling(false);
    }
    state.counters["median_frame_ms"] = Median(frameMs);
    state.counters["best_frame_ms"] = *std::min_element(frameMs.begin(), frameMs.end());
    state.counters["frame_cpu_ms"] = Median(cpuMs);
    for (const auto& [name, times] : sectionMs) state.counters[name + "_ms"] = Median(times);
}

void BM_RenderTestSceneFrame(benchmark::State& state) {
    const float sceneScale = static_cast<float>(state.range(2)) / 100.0f;
    MeasureFrames(state, {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))},
                  sceneScale, [](Personal& player, MyLibrary& library) -> std::unique_ptr<Scene> {
                      auto scene = std::make_unique<RenderTestScene>();
                      scene->Enter(&player, &library);
                      return scene;
                  });
}

// A field of the game from its start point, at 1280 x 720.
void BM_FieldFrame(benchmark::State& state, FieldId id) {
    MeasureFrames(state, {1280, 720}, std::nullopt, [id](Personal& player, MyLibrary& library) {
        auto root = std::make_unique<Scene>();
        EnterField(*root, id, player, library);
        return root;
    });
}

BENCHMARK(BM_RenderTestSceneFrame)
    ->ArgNames({"width", "height", "scene_percent"})
    ->Args({1280, 720, 100})
    ->Args({1280, 720, kSoftwareScenePercent})
    ->Args({1920, 1080, 100})
    ->Args({1920, 1080, kSoftwareScenePercent})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // renders without a display
    RegisterPerField("BM_FieldFrame", BM_FieldFrame, [](benchmark::internal::Benchmark* b) {
        b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
    });
    return RunBenchmarksInGameFolder(argc, argv);
}
