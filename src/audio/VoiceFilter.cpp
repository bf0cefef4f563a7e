#include "audio/VoiceFilter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kShelfReferenceHz = 5000.0f;

}  // namespace

ShelfGains ToShelfGains(uint32_t filterType, const VoiceFilter& filter, uint32_t sampleRate) {
    if (filterType != kLowPassFilter) return {};
    const float normalised = std::clamp(filter.frequency, 0.0f, 1.0f);
    const float cutoffHz =
        static_cast<float>(sampleRate) * std::asin(normalised / 2.0f) / std::numbers::pi_v<float>;
    if (!(cutoffHz > 0.0f)) return {1.0f, 0.0f};
    const float r = kShelfReferenceHz / cutoffHz;
    const float damping = std::max(filter.oneOverQ, 0.0f);
    const float magnitude = 1.0f / std::hypot(1.0f - r * r, r * damping);
    return {1.0f, std::min(magnitude, 1.0f)};
}
