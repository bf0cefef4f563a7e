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

// A rasteriser that runs on the CPU shades the 3-D scene at this share of the render size's width
// and height (a quarter of its pixels) and scales it up, and its mirror and shadow map shrink
// alike; the 2-D overlay stays at the full size. Shading is most of a frame's cost there: even a
// shader that only writes a colour leaves a 1280 x 720 frame near 25 ms on a 2-core machine.
inline constexpr float kSoftwareSceneScale = 0.5f;

// `size` scaled by `scale`, rounded to whole pixels.
constexpr gfx::Size ScaledSize(gfx::Size size, float scale) {
    return {static_cast<int>(static_cast<float>(size.width) * scale + 0.5f),
            static_cast<int>(static_cast<float>(size.height) * scale + 0.5f)};
}
