#pragma once
#include <array>
#include <cstdint>

#include "platform/gfx/Device.h"

// The four window and render resolutions the options offer; any other index means 1920 x 1080.
inline constexpr std::array<gfx::Size, 4> kResolutions{{
    {1280, 720},
    {1920, 1080},
    {2560, 1440},
    {3840, 2160},
}};

constexpr gfx::Size ResolutionSize(int32_t index) {
    return index >= 0 && index < static_cast<int32_t>(kResolutions.size()) ? kResolutions[index]
                                                                           : gfx::Size{1920, 1080};
}
