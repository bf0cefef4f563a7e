#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

std::string FixedSix(double value) {
    constexpr int kDecimals = 6;
    if (std::fabs(value) < 0.5e-6) value = 0;  // no negative zero
    std::array<char, 64> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, kDecimals);
    return std::string(text.data(), result.ptr);
}
