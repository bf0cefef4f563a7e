// The sound table's per-frame update with 32 positioned voices streaming, on a loopback device.
// Only CSoundManager::Update is timed; the mix that consumes the queued chunks is not.
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include <benchmark/benchmark.h>

#include "audio/CSoundManager.h"
#include "audio/OpenAlOutput.h"
#include "audio/X3DVoiceState.h"
#include "support/WaveBytes.h"

namespace {

constexpr uint32_t kRate = 48000;
constexpr size_t kFrameSamples = 768;  // 16 ms
constexpr int kVoices = 32;

void BM_SoundTableUpdate(benchmark::State& state) {
    const std::vector<uint8_t> wav = MakeWav(Tone(3.0, 0.25));
    CSoundManager table([&](int32_t) { return std::optional(wav); });
    if (table.Init(AudioOutput::OpenLoopback(kRate)) != S_OK) {
        state.SkipWithError("no loopback device");
        return;
    }
    table.Engine().wantedPreset = 6;
    std::vector<X3DVoiceState> emitters(kVoices);
    std::vector<int32_t> slots(kVoices);
    for (int i = 0; i < kVoices; ++i) {
        emitters[i].positional = 1;
        emitters[i].loop = 1;
        // Four sounds of eight voices each, as the table keeps them.
        table.AcquireVoice(184 + i % 4, emitters[i], slots[i]);
        table.Voice(184 + i % 4, slots[i])->Play();
    }
    std::vector<float> mix(2 * kFrameSamples);
    uint64_t frame = 0;
    for (auto _ : state) {
        const float t = static_cast<float>(frame++) * 0.016f;
        for (int i = 0; i < kVoices; ++i) {
            emitters[i].position = {6 * std::cos(t + i), 1.0f, 6 * std::sin(t + i)};
        }
        table.Engine().SetListener({std::sin(t), 1.2f, 0}, {0, 0, 1}, {0, 1, 0});
        benchmark::DoNotOptimize(table.Update());
        state.PauseTiming();
        table.Engine().Output()->Render(mix);
        state.ResumeTiming();
    }
    for (int i = 0; i < kVoices; ++i) table.ReleaseVoice(184 + i % 4, slots[i]);
}
BENCHMARK(BM_SoundTableUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
