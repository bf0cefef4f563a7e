// The sound table's per-frame update with 32 positioned voices streaming, on a loopback device.
// Only CSoundManager::Update is timed; the mix that consumes the queued chunks is not.
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <optional>
#include <vector>

#include <benchmark/benchmark.h>

#include "audio/CSoundManager.h"
#include "audio/OpenAlOutput.h"
#include "audio/X3DVoiceState.h"

namespace {

constexpr uint32_t kRate = 48000;
constexpr size_t kFrameSamples = 768;  // 16 ms
constexpr int kVoices = 32;

void Le(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Three seconds of a 16-bit mono tone.
std::vector<uint8_t> ToneWav() {
    const uint32_t samples = 3 * kRate;
    std::vector<uint8_t> out{'R', 'I', 'F', 'F'};
    Le(out, 36 + 2 * samples, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Le(out, 16, 4);         // fmt size
    Le(out, 1, 2);          // PCM
    Le(out, 1, 2);          // mono
    Le(out, kRate, 4);      // samples per second
    Le(out, 2 * kRate, 4);  // bytes per second
    Le(out, 2, 2);          // block
    Le(out, 16, 2);         // bits
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Le(out, 2 * samples, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        Le(out, static_cast<uint16_t>(8000 * std::sin(2 * std::numbers::pi * 440.0 * i / kRate)),
           2);
    }
    return out;
}

void BM_SoundTableUpdate(benchmark::State& state) {
    const std::vector<uint8_t> wav = ToneWav();
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
