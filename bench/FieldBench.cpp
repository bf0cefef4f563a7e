// Every built field on the null device (no pixels: what the game's own code costs): the time of
// one frame (update and the frame draw's submissions), and entering the field (its Init, loading
// and first frame), cold (nothing of it loaded yet) and warm (the field before it, holding the same
// models and textures, still alive: as a door leaves the old field until the new one has run).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "PerField.h"
#include "app/FakePlatform.h"
#include "app/FrameDraw.h"
#include "content/fields/FieldFactory.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class FieldHost {
  public:
    explicit FieldHost(FieldId id) : id_(id) {}
    bool Start() { return library_.Initialise(&device_) == S_OK; }

    // Enters a new instance of the field and runs its first frame; milliseconds.
    double Enter() {
        const FieldStart start = StartOf(id_);
        player_.record.storyStage = start.stage;
        player_.SetSpawn(start.yaw, start.position);
        const auto begin = Clock::now();
        root_.AddChild(MakeFieldOf(id_));
        Scene* field = root_.CurrentChild();
        field->Enter(&player_, &library_);
        Frame(*field);
        const double spent = MsSince(begin);
        // Only now the field before goes, as in the game.
        for (auto& child : root_.children) {
            if (child.get() != field) child.reset();
        }
        return spent;
    }
    void Frame(Scene& field) {
        library_.FrameStep(0, 0);
        field.Frame();
        DrawFrame(field);
    }
    Scene& Field() { return *root_.CurrentChild(); }

  private:
    FieldId id_;
    FakePlatform platform_;
    gfx::NullDevice device_{platform_.window, gfx::NullDevice::FullCaps()};
    MyLibrary library_{platform_.services};
    Personal player_{1};
    Scene root_;
};

void BM_FieldOnNullDevice(benchmark::State& state, FieldId id) {
    FieldHost host(id);
    if (!host.Start()) {
        state.SkipWithError("the library did not start (run beside data.dat)");
        return;
    }
    const double cold = host.Enter();
    double warm = 0;
    for (int i = 0; i < 5; ++i) warm = std::max(warm, host.Enter());
    for (auto _ : state) host.Frame(host.Field());
    state.counters["enter_cold_ms"] = cold;
    state.counters["enter_warm_worst_ms"] = warm;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::current_path(HM_GAME_FOLDER);
    setenv("ALSOFT_DRIVERS", "null", 0);
    RegisterPerField("BM_FieldOnNullDevice", BM_FieldOnNullDevice,
                     [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
