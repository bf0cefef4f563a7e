// Whole frames of the renderer's test scene on the GL backend (SDL offscreen, Mesa llvmpipe
// without a GPU): 300 frames at each size, the median frame and the median of each part of it
// (GPU timer queries around the frame draw's passes).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <numeric>
#include <vector>

#include "RenderTestScene.h"
#include "app/FakePlatform.h"
#include "library/MyLibrary.h"
#include "platform/gfx/GlDevice.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"
#include "scene/Personal.h"

namespace {

constexpr int kFrames = 300;
constexpr int kWarmUpFrames = 12;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void BM_RenderTestSceneFrame(benchmark::State& state) {
    const gfx::Size size{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
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
    if (library->Initialise(device) != S_OK) {
        state.SkipWithError("the library did not start (run beside data.dat)");
        return;
    }
    Personal player{1};
    RenderTestScene scene;
    scene.Enter(&player, library.get());
    const auto frame = [&] {
        library->FrameStep(0, 0);
        scene.Frame();
        device->Present();
    };
    for (int i = 0; i < kWarmUpFrames; ++i) frame();

    device->EnableProfiling(true);
    device->TakeSectionTimes();
    std::vector<double> frameMs;
    std::map<std::string, std::vector<double>> sectionMs;
    for (auto _ : state) {
        for (int i = 0; i < kFrames; ++i) {
            const auto start = std::chrono::steady_clock::now();
            frame();
            // Waits for the GPU (here the CPU rasteriser) to finish the frame's parts.
            for (const auto& section : device->TakeSectionTimes()) {
                sectionMs[section.name].push_back(section.milliseconds);
            }
            const std::chrono::duration<double, std::milli> spent =
                std::chrono::steady_clock::now() - start;
            frameMs.push_back(spent.count());
        }
        state.SetIterationTime(std::accumulate(frameMs.begin(), frameMs.end(), 0.0) / 1000.0);
    }
    state.counters["median_frame_ms"] = Median(frameMs);
    for (const auto& [name, times] : sectionMs) state.counters[name + "_ms"] = Median(times);
}

BENCHMARK(BM_RenderTestSceneFrame)
    ->Args({1280, 720})
    ->Args({1920, 1080})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The game reads data.dat from its working folder, and renders without a display.
    std::filesystem::current_path(HM_GAME_FOLDER);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
