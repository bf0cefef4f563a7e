// Every built field on the null device (no pixels: what the game's own code costs): the time of
// one frame (update and the frame draw's submissions), and entering the field (its Init, loading
// and first frame), cold (nothing of it loaded yet) and warm (the field before it, holding the same
// models and textures, still alive: as a door leaves the old field until the new one has run).
#include <benchmark/benchmark.h>

#include <algorithm>

#include "FieldHost.h"
#include "GameFolderMain.h"
#include "PerField.h"

namespace {

void BM_FieldOnNullDevice(benchmark::State& state, FieldId id) {
    FieldHost host(id);
    if (!host.Start(state)) return;
    const double cold = host.Enter();
    double warm = 0;
    for (int i = 0; i < 5; ++i) warm = std::max(warm, host.Enter());
    for (auto _ : state) host.Frame(host.Field());
    state.counters["enter_cold_ms"] = cold;
    state.counters["enter_warm_worst_ms"] = warm;
}

}  // namespace

int main(int argc, char** argv) {
    RegisterPerField("BM_FieldOnNullDevice", BM_FieldOnNullDevice,
                     [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond); });
    return RunBenchmarksInGameFolder(argc, argv);
}
