#include "Textures.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kSightSize = 32;
constexpr int kPlaceholderSize = 32;
constexpr int kCheckerSquare = 8;  // pixels

// 32-bit FNV-1a: a stable hash of a name, the same on every machine.
uint32_t NameHash(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (char c : name) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    return hash;
}

// Whether the reticle covers the point (x, y), in pixels from the image centre.
bool ReticleCovers(float x, float y) {
    constexpr float kRingRadius = 10.0f;
    constexpr float kHalfStroke = 1.0f;
    constexpr float kGap = 3.0f;     // the cross stops this far from the centre
    constexpr float kReach = 15.0f;  // and reaches this far
    const float distance = std::sqrt(x * x + y * y);
    if (std::fabs(distance - kRingRadius) <= kHalfStroke) return true;
    const auto onArm = [&](float along, float across) {
        return std::fabs(across) <= kHalfStroke && std::fabs(along) >= kGap &&
               std::fabs(along) <= kReach;
    };
    return onArm(x, y) || onArm(y, x);
}

}  // namespace

Image SightReticle() {
    constexpr int kSamples = 4;  // per axis, per pixel
    constexpr uint8_t kOpacity = 230;
    Image image(kSightSize, kSightSize, {255, 255, 255, 0});
    const float centre = kSightSize / 2.0f;
    for (int y = 0; y < kSightSize; ++y) {
        for (int x = 0; x < kSightSize; ++x) {
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    covered += ReticleCovers(x + (sx + 0.5f) / kSamples - centre,
                                             y + (sy + 0.5f) / kSamples - centre);
                }
            }
            image.At(x, y).a = static_cast<uint8_t>(covered * kOpacity / (kSamples * kSamples));
        }
    }
    return image;
}

Image PlaceholderTexture(std::string_view name) {
    const uint32_t hash = NameHash(name);
    const Rgba8 light{static_cast<uint8_t>(128 | (hash & 0x7F)),
                      static_cast<uint8_t>(128 | ((hash >> 8) & 0x7F)),
                      static_cast<uint8_t>(128 | ((hash >> 16) & 0x7F)), 255};
    const Rgba8 dark{static_cast<uint8_t>(light.r / 2), static_cast<uint8_t>(light.g / 2),
                     static_cast<uint8_t>(light.b / 2), 255};
    Image image(kPlaceholderSize, kPlaceholderSize, light);
    for (int y = 0; y < kPlaceholderSize; ++y) {
        for (int x = 0; x < kPlaceholderSize; ++x) {
            if ((x / kCheckerSquare + y / kCheckerSquare) % 2 == 1) image.At(x, y) = dark;
        }
    }
    return image;
}
