#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum class Source { Tone, Noise };

// Placeholder sounds until recorded ones replace them; each hints at what plays it.
struct SoundRecipe {
    std::string_view name;
    Source source;
    float frequency;  // Hz: the tone's pitch, or where the noise's low-pass filter starts to cut
    float seconds;
    int strikes;  // 0: one sustained sound fading in and out; n: n evenly spaced decaying strikes
};

constexpr SoundRecipe kSounds[] = {
    {"ari.wav", Source::Noise, 400, 2.0f, 0},        // air from the boiler
    {"asa.wav", Source::Tone, 330, 2.0f, 0},         // the telephone's voice
    {"doorclose.wav", Source::Noise, 200, 1.5f, 1},  // a dull thud
    {"dooropen.wav", Source::Noise, 500, 1.5f, 1},
    {"fire.wav", Source::Noise, 1500, 2.0f, 9},  // crackling
    {"fish.wav", Source::Tone, 110, 2.0f, 0},    // the ghost's low drone
    {"karappo.wav", Source::Noise, 900, 1.5f, 3},
    {"keylock.wav", Source::Noise, 3000, 1.5f, 2},  // two clicks
    {"ooo.wav", Source::Tone, 147, 2.0f, 0},
    {"oop.wav", Source::Tone, 196, 1.5f, 1},
    {"opening.wav", Source::Tone, 220, 2.0f, 0},
    {"room.wav", Source::Noise, 300, 2.0f, 0},
    {"sa.wav", Source::Noise, 2500, 1.5f, 1},
    {"step2.wav", Source::Noise, 700, 1.5f, 2},     // footsteps
    {"suzumusi.wav", Source::Tone, 4000, 2.0f, 8},  // crickets' chirps, the outdoor loop
    {"voice.wav", Source::Tone, 262, 2.0f, 0},
    {"water.wav", Source::Noise, 1200, 2.0f, 0},
};

constexpr double kTau = 2 * std::numbers::pi;
constexpr float kPeak = 0.25f;  // of full scale: quiet

// Small, fast, and the same sequence everywhere for the same seed.
class XorShift32 {
  public:
    explicit XorShift32(uint32_t seed) : state_(seed) {}
    // Uniform in [-1, 1).
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_) / 2147483648.0f - 1.0f;
    }

  private:
    uint32_t state_;
};

std::vector<float> Tone(float frequency, size_t count) {
    std::vector<float> samples(count);
    for (size_t i = 0; i < count; ++i) {
        const double phase = kTau * frequency * static_cast<double>(i) / kSampleRate;
        samples[i] = static_cast<float>(std::sin(phase) + 0.25 * std::sin(2 * phase));
    }
    return samples;
}

// White noise through a one-pole low-pass filter with its corner at `corner` Hz.
std::vector<float> FilteredNoise(float corner, size_t count, uint32_t seed) {
    const auto smoothing = static_cast<float>(1 - std::exp(-kTau * corner / kSampleRate));
    XorShift32 noise(seed);
    std::vector<float> samples(count);
    float filtered = 0;
    for (float& sample : samples) {
        filtered += smoothing * (noise.Next() - filtered);
        sample = filtered;
    }
    return samples;
}

// Loudness at `t` seconds: a sustained sound fades in over 50 ms and out over its last 300 ms; a
// struck one rises in 2 ms at each strike and dies away.
float Envelope(const SoundRecipe& recipe, float t) {
    if (recipe.strikes == 0) {
        return std::min({1.0f, t / 0.05f, (recipe.seconds - t) / 0.3f});
    }
    const float period = recipe.seconds / static_cast<float>(recipe.strikes);
    const float sinceStrike = std::fmod(t, period);
    return std::min(1.0f, sinceStrike / 0.002f) * std::exp(-10.0f * sinceStrike);
}

std::vector<int16_t> Synthesise(const SoundRecipe& recipe, uint32_t seed) {
    const auto count = static_cast<size_t>(recipe.seconds * kSampleRate);
    std::vector<float> samples = recipe.source == Source::Tone
                                     ? Tone(recipe.frequency, count)
                                     : FilteredNoise(recipe.frequency, count, seed);
    float loudest = 0;
    for (size_t i = 0; i < count; ++i) {
        samples[i] *= std::max(0.0f, Envelope(recipe, static_cast<float>(i) / kSampleRate));
        loudest = std::max(loudest, std::fabs(samples[i]));
    }
    std::vector<int16_t> pcm(count);
    for (size_t i = 0; i < count; ++i) {
        pcm[i] = static_cast<int16_t>(std::lround(samples[i] / loudest * kPeak * 32767));
    }
    return pcm;
}

}  // namespace

Bytes EncodeWave(std::span<const int16_t> samples) {
    constexpr uint16_t kBytesPerSample = 2;
    const auto dataSize = static_cast<uint32_t>(samples.size() * kBytesPerSample);
    Bytes out;
    out.reserve(kWaveHeaderSize + dataSize);
    AppendText(out, "RIFF");
    AppendLe32(out, kWaveHeaderSize - 8 + dataSize);
    AppendText(out, "WAVEfmt ");
    AppendLe32(out, 16);  // fmt chunk size
    AppendLe16(out, 1);   // PCM
    AppendLe16(out, 1);   // mono
    AppendLe32(out, kSampleRate);
    AppendLe32(out, kSampleRate * kBytesPerSample);  // bytes per second
    AppendLe16(out, kBytesPerSample);                // block align
    AppendLe16(out, 16);                             // bits per sample
    AppendText(out, "data");
    AppendLe32(out, dataSize);
    for (int16_t sample : samples) AppendLe16(out, static_cast<uint16_t>(sample));
    return out;
}

Bytes SynthesiseSound(std::string_view name) {
    const auto recipe = std::find_if(std::begin(kSounds), std::end(kSounds),
                                     [name](const SoundRecipe& r) { return r.name == name; });
    if (recipe == std::end(kSounds)) {
        throw std::runtime_error("no sound recipe for \"" + std::string(name) + "\"");
    }
    const auto seed = static_cast<uint32_t>(0x9E3779B9u * (recipe - std::begin(kSounds) + 1));
    return EncodeWave(Synthesise(*recipe, seed));
}
