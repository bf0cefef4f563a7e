#include "audio/VoiceFilter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kShelfReferenceHz = 5000.0f;
// The largest 1/Q the game's filter accepts.
constexpr float kMaxOneOverQ = 1.5f;

}  // namespace

VoiceFilter PathFilter(float coefficient) {
    return {2.0f * std::sin(std::numbers::pi_v<float> / 6.0f * coefficient), 1.0f};
}

ShelfGains operator*(const ShelfGains& a, const ShelfGains& b) {
    return {a.gain * b.gain, a.gainHF * b.gainHF};
}

ShelfMapping::ShelfMapping(uint32_t sampleRate) {
    const double rate = sampleRate;
    // Octave centres lie at 5 kHz · 2^(±(k + 1/2)).
    const auto centre = [](int k, bool above) {
        const double octaves = k + 0.5;
        return kShelfReferenceHz * std::exp2(above ? octaves : -octaves);
    };
    const auto add = [rate](double hz, Octave* octaves, int& count) {
        if (2.0 * hz >= rate) return;
        const double s = std::sin(std::numbers::pi * hz / rate);
        const double c = std::cos(std::numbers::pi * hz / rate);
        octaves[count++] = {static_cast<float>(s * s), static_cast<float>(s * s * c * c)};
    };
    for (int k = 0; k < kLowOctaves; ++k) add(centre(k, false), low_.data(), lowCount_);
    for (int k = 0; k < kHighOctaves; ++k) add(centre(k, true), high_.data(), highCount_);
}

ShelfGains ShelfMapping::ToShelf(uint32_t filterType, const VoiceFilter& filter) const {
    if (filterType != kLowPassFilter) return {};
    const float f = std::clamp(filter.frequency, 0.0f, 1.0f);
    const float q = std::clamp(filter.oneOverQ, 0.0f, kMaxOneOverQ);
    const float low = std::sqrt(MeanPower(low_.data(), lowCount_, f, q));
    const float high = std::sqrt(MeanPower(high_.data(), highCount_, f, q));
    if (!(low > 0.0f)) return {0.0f, 0.0f};
    return {low, std::min(high / low, 1.0f)};
}

float ShelfMapping::MeanPower(const Octave* octaves, int count, float f, float q) {
    if (count == 0) return 1.0f;
    const float f2 = f * f;
    const float f4 = f2 * f2;
    const float real = 4.0f - 2.0f * q * f;
    const float imaginary = 4.0f * q * q * f2;  // (2qf)²
    float sum = 0.0f;
    for (int i = 0; i < count; ++i) {
        const float d = f2 - real * octaves[i].sin2;
        const float denominator = d * d + imaginary * octaves[i].sin2cos2;
        // A zero denominator is an undamped peak: limited like any other.
        sum += denominator > f4 ? f4 / denominator : 1.0f;
    }
    return sum / static_cast<float>(count);
}
