// Loading time of every texture and model of the built archive through the caches, on the null
// device: one benchmark per row (read, decode, build, upload, release) and one per kind in total.
#include <benchmark/benchmark.h>

#include <string>

#include "library/CModelManager.h"
#include "library/CTextureManager.h"
#include "library/Catalogue.h"
#include "library/Utf.h"
#include "platform/gfx/NullDevice.h"
#include "support/SizeOnlyWindow.h"

namespace {

struct Row {
    int first;
    int last;
};
constexpr Row kTextureRows[] = {{0, 4}, {7, 71}};
constexpr Row kModelRows[] = {{72, 183}};

struct Fixture {
    Fixture() { archive.Open(HM_BENCH_ARCHIVE); }
    Archive archive{AssetCatalogue()};
    SizeOnlyWindow window;
    gfx::NullDevice device{window, gfx::NullDevice::FullCaps()};
    CTextureManager textures;
    CModelManager models;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// Loads and releases `rows` once per iteration; fails the benchmark on the first row that does
// not load.
template <class LoadAndRelease>
void LoadRows(benchmark::State& state, std::span<const Row> rows, LoadAndRelease loadAndRelease) {
    if (!Shared().archive.IsOpen()) {
        state.SkipWithError(Shared().archive.OpenError().c_str());
        return;
    }
    int64_t assets = 0;
    for (auto _ : state) {
        for (const Row& row : rows) {
            for (int index = row.first; index <= row.last; ++index) {
                if (!loadAndRelease(index)) {
                    state.SkipWithError(
                        ("cannot load " + Utf16ToUtf8(AssetCatalogue()[index].name)).c_str());
                    return;
                }
                ++assets;
            }
        }
    }
    state.counters["assets"] =
        benchmark::Counter(static_cast<double>(assets), benchmark::Counter::kAvgIterations);
}

bool LoadTexture(int index) {
    Fixture& f = Shared();
    const CTexture* texture = f.textures.Load(index, f.device, f.archive);
    const bool loaded = texture && texture->IsLoaded();
    f.textures.Release(index);
    return loaded;
}

bool LoadModel(int index) {
    Fixture& f = Shared();
    const CModel* model = f.models.Load(index, f.archive);
    const bool loaded = model && model->IsLoaded();
    f.models.Release(index);
    return loaded;
}

void RegisterRows(const char* kind, std::span<const Row> rows, bool (*load)(int)) {
    for (const Row& row : rows) {
        for (int index = row.first; index <= row.last; ++index) {
            const std::string name = std::string(kind) + "/" + std::to_string(index) + "/" +
                                     Utf16ToUtf8(AssetCatalogue()[index].name);
            benchmark::RegisterBenchmark(name.c_str(),
                                         [index, load](benchmark::State& state) {
                                             const Row one[] = {{index, index}};
                                             LoadRows(state, one, load);
                                         })
                ->Unit(benchmark::kMicrosecond)
                ->MinTime(0.02);
        }
    }
    benchmark::RegisterBenchmark(
        (std::string(kind) + "/all").c_str(),
        [rows, load](benchmark::State& state) { LoadRows(state, rows, load); })
        ->Unit(benchmark::kMillisecond);
}

const bool kRegistered = [] {
    RegisterRows("texture", kTextureRows, LoadTexture);
    RegisterRows("model", kModelRows, LoadModel);
    return true;
}();

}  // namespace
