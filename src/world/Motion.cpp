#include "world/Motion.h"

#include <algorithm>
#include <iterator>
#include <limits>

glm::vec3 MotionTrack::Sample(int32_t s) const {
    if (keys_.empty()) return glm::vec3(0.0f);
    const auto hi = keys_.upper_bound(s);
    if (hi == keys_.begin()) return hi->second;
    const auto lo = std::prev(hi);
    if (lo->first == s || hi == keys_.end()) return lo->second;
    // Differences in 64 bits: keys and times may lie anywhere in the 32-bit range.
    const auto elapsed = static_cast<float>(int64_t{s} - lo->first);
    const auto span = static_cast<float>(int64_t{hi->first} - lo->first);
    return lo->second + (hi->second - lo->second) * elapsed / span;
}

glm::vec3 MotionTrack::SampleLooped(int32_t t) const {
    const int32_t last = LastKey();
    if (last <= 0) return Sample(t);
    // A time before 0 wraps back from the end of the cycle instead of leaving it.
    int32_t local = t % last;
    if (local < 0) local += last;
    return Sample(local);
}

void Motion::Apply(int32_t t, std::span<glm::vec3* const> targets) const {
    const size_t count = std::min(tracks.size(), targets.size());
    for (size_t i = 0; i < count; ++i) *targets[i] = tracks[i].SampleLooped(t);
}

int32_t MotionTime(int32_t frame, int32_t speed, int32_t slow) {
    // In 64 bits and clamped: INT32_MIN / -1 and large products do not fit 32 bits.
    const int64_t time = slow != 0 ? int64_t{frame} / slow : int64_t{frame} * speed;
    return static_cast<int32_t>(std::clamp<int64_t>(time, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

const Motion* MotionAt(std::span<const Motion> motions, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= motions.size()) return nullptr;
    return &motions[static_cast<size_t>(index)];
}
