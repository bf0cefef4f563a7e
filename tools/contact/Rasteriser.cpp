#include "Rasteriser.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

namespace {

uint8_t ToByte(float value) {
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

// Twice the signed area of (a, b, p) on a screen with y down: positive when a, b, p run clockwise.
float EdgeFunction(glm::vec2 a, glm::vec2 b, glm::vec2 p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// A corner mapped onto the picture: pixel coordinates, depth 0..1 and 1/w for perspective-correct
// interpolation.
struct ScreenCorner {
    glm::vec2 pixel;
    float depth;
    float inverseW;
};

ScreenCorner ToScreen(const glm::vec4& clip, gfx::Size size) {
    const float inverseW = 1.0f / clip.w;
    return {{(clip.x * inverseW + 1.0f) * 0.5f * static_cast<float>(size.width),
             (1.0f - clip.y * inverseW) * 0.5f * static_cast<float>(size.height)},
            clip.z * inverseW,
            inverseW};
}

bool IsFinite(glm::vec2 p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The pixel rows or columns whose centres can lie in [low, high], clamped to [0, count).
std::pair<int, int> PixelSpan(float low, float high, int count) {
    const float first = std::clamp(std::ceil(low - 0.5f), 0.0f, static_cast<float>(count));
    const float last = std::clamp(std::floor(high - 0.5f), -1.0f, static_cast<float>(count - 1));
    return {static_cast<int>(first), static_cast<int>(last)};
}

glm::vec3 ShadePixel(const Shading& shading, const Lighting& lighting, glm::vec3 normal,
                     glm::vec2 uv, bool& discard) {
    glm::vec4 texel{1.0f};
    if (shading.texture != nullptr) texel = SampleTexture(*shading.texture, uv);
    discard = shading.cutOut && texel.a < 0.5f;
    const float length = glm::length(normal);
    const float facing = length > 0.0f ? glm::dot(normal / length, lighting.toLight) : 0.0f;
    const float light = lighting.ambient + lighting.diffuse * std::max(facing, 0.0f);
    return glm::vec3(texel) * glm::vec3(shading.diffuse) * light + shading.emissive;
}

}  // namespace

FrameBuffer::FrameBuffer(gfx::Size size, uint32_t backgroundRgb)
    : image_{size, std::vector<uint8_t>(static_cast<size_t>(size.width) * size.height * 4)},
      depth_(static_cast<size_t>(size.width) * size.height, 1.0f) {
    for (size_t i = 0; i < depth_.size(); ++i) {
        image_.rgba[i * 4 + 0] = static_cast<uint8_t>(backgroundRgb >> 16);
        image_.rgba[i * 4 + 1] = static_cast<uint8_t>(backgroundRgb >> 8);
        image_.rgba[i * 4 + 2] = static_cast<uint8_t>(backgroundRgb);
        image_.rgba[i * 4 + 3] = 255;
    }
}

uint32_t FrameBuffer::PixelRgb(int x, int y) const {
    const uint8_t* pixel = &image_.rgba[Offset(x, y) * 4];
    return static_cast<uint32_t>(pixel[0]) << 16 | static_cast<uint32_t>(pixel[1]) << 8 | pixel[2];
}

void FrameBuffer::Plot(int x, int y, float depth, glm::vec3 rgb) {
    float& stored = depth_[Offset(x, y)];
    if (!(depth < stored)) return;
    stored = depth;
    uint8_t* pixel = &image_.rgba[Offset(x, y) * 4];
    pixel[0] = ToByte(rgb.r);
    pixel[1] = ToByte(rgb.g);
    pixel[2] = ToByte(rgb.b);
}

glm::vec4 SampleTexture(const gfx::Image& texture, glm::vec2 uv) {
    const auto texelIndex = [](float coordinate, int side) {
        const float wrapped = coordinate - std::floor(coordinate);
        return std::clamp(static_cast<int>(wrapped * static_cast<float>(side)), 0, side - 1);
    };
    const float u = std::isfinite(uv.x) ? uv.x : 0.0f;
    const float v = std::isfinite(uv.y) ? uv.y : 0.0f;
    const size_t x = texelIndex(u, texture.size.width);
    const size_t y = texelIndex(v, texture.size.height);
    const uint8_t* texel = &texture.rgba[(y * texture.size.width + x) * 4];
    return glm::vec4(texel[0], texel[1], texel[2], texel[3]) / 255.0f;
}

void DrawTriangle(FrameBuffer& target, const std::array<RasterVertex, 3>& corners,
                  const Shading& shading, const Lighting& lighting) {
    for (const RasterVertex& corner : corners) {
        if (!(corner.clip.w > 0.0f) || !(corner.clip.z >= 0.0f)) return;
    }
    const gfx::Size size = target.Size();
    std::array<ScreenCorner, 3> screen;
    for (int i = 0; i < 3; ++i) screen[i] = ToScreen(corners[i].clip, size);
    const glm::vec2 a = screen[0].pixel, b = screen[1].pixel, c = screen[2].pixel;
    if (!IsFinite(a) || !IsFinite(b) || !IsFinite(c)) return;
    const float area = EdgeFunction(a, b, c);
    // A back face, no area, or so far out of scale that the area overflows.
    if (!(area > 0.0f) || !std::isfinite(area)) return;

    const auto [left, right] =
        PixelSpan(std::min({a.x, b.x, c.x}), std::max({a.x, b.x, c.x}), size.width);
    const auto [top, bottom] =
        PixelSpan(std::min({a.y, b.y, c.y}), std::max({a.y, b.y, c.y}), size.height);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const glm::vec2 p{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            const glm::vec3 weight =
                glm::vec3(EdgeFunction(b, c, p), EdgeFunction(c, a, p), EdgeFunction(a, b, p)) /
                area;
            if (!(weight.x >= 0.0f && weight.y >= 0.0f && weight.z >= 0.0f)) continue;
            const float depth = weight.x * screen[0].depth + weight.y * screen[1].depth +
                                weight.z * screen[2].depth;
            // Perspective-correct weights: each corner's share divided by its w.
            glm::vec3 perspective{weight.x * screen[0].inverseW, weight.y * screen[1].inverseW,
                                  weight.z * screen[2].inverseW};
            perspective /= perspective.x + perspective.y + perspective.z;
            const glm::vec3 normal = perspective.x * corners[0].normal +
                                     perspective.y * corners[1].normal +
                                     perspective.z * corners[2].normal;
            const glm::vec2 uv = perspective.x * corners[0].uv + perspective.y * corners[1].uv +
                                 perspective.z * corners[2].uv;
            bool discard = false;
            const glm::vec3 rgb = ShadePixel(shading, lighting, normal, uv, discard);
            if (!discard) target.Plot(x, y, depth, rgb);
        }
    }
}
