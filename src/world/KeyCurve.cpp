#include "world/KeyCurve.h"

#include <iterator>

float KeyCurve::Value(int32_t frame) const {
    if (keys_.empty()) return 0.0f;
    const int32_t period = keys_.rbegin()->first;
    if (period <= 0 || keys_.size() == 1) return keys_.begin()->second;
    int32_t t = frame % period;
    if (t < 0) t += period;
    const auto above = keys_.lower_bound(t);
    if (above == keys_.end()) return keys_.rbegin()->second;
    if (above->first == t || above == keys_.begin()) return above->second;
    const auto below = std::prev(above);
    const float share =
        static_cast<float>(t - below->first) / static_cast<float>(above->first - below->first);
    return below->second + (above->second - below->second) * share;
}
