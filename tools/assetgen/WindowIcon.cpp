#include "WindowIcon.h"

#include <cmath>
#include <cstdio>

#include "TextureSynth.h"

using namespace synth;

namespace {

// The lantern's body: an upright ellipse, in picture units.
constexpr float kLanternU = 0.42f;
constexpr float kLanternV = 0.6f;
constexpr float kLanternHalfWidth = 0.2f;
constexpr float kLanternHalfHeight = 0.24f;

// Night sky darkening upwards, warmed around the lantern by its light.
Colour Sky(float u, float v) {
    const Colour night = Mix(Hex(0x0B1430), Hex(0x1E2B4F), v);
    const float du = (u - kLanternU) / 0.42f;
    const float dv = (v - kLanternV) / 0.46f;
    const float glow = 1 - SmoothStep(0.0f, 1.0f, std::sqrt(du * du + dv * dv));
    return Mix(night, Hex(0x7A3A22), glow * 0.55f);
}

// Paper lit from inside: brightest in the middle, deeper red towards the rim.
Colour Paper(float u, float v) {
    const float du = (u - kLanternU) / kLanternHalfWidth;
    const float dv = (v - kLanternV) / kLanternHalfHeight;
    const float rim = Clamp01(std::sqrt(du * du + dv * dv));
    return Mix(Hex(0xFFC36A), Hex(0xB8261B), SmoothStep(0.15f, 1.0f, rim));
}

void PaintMoon(Painter& painter) {
    painter.Fill(Circle(0.76f, 0.22f, 0.12f), Hex(0xF3EBC8));
    // The sky's own colour cuts the crescent.
    painter.Fill(Circle(0.82f, 0.17f, 0.1f), Sky(0.82f, 0.17f));
    for (const auto& [u, v] : {std::pair{0.2f, 0.16f}, {0.5f, 0.1f}, {0.86f, 0.48f}}) {
        painter.Fill(Circle(u, v, 0.014f), Hex(0xE8E4D0));
    }
}

// The sky with the lantern's paper in it, its edge anti-aliased over one pixel.
Colour SkyAndPaper(float u, float v, int side) {
    static const Shape body = Ellipse(kLanternU, kLanternV, kLanternHalfWidth, kLanternHalfHeight);
    const float inside = Clamp01(0.5f - body.distance(u, v) * static_cast<float>(side));
    return Mix(Sky(u, v), Paper(u, v), inside);
}

void PaintLanternFrame(Painter& painter) {
    // Bamboo ribs across the paper, each as wide as the body at its height.
    constexpr int kRibs = 6;
    for (int rib = 1; rib < kRibs; ++rib) {
        const float t = static_cast<float>(rib) / kRibs * 2 - 1;
        const float v = kLanternV + t * kLanternHalfHeight;
        const float half = kLanternHalfWidth * std::sqrt(1 - t * t) - 0.02f;
        painter.Fill(Segment(kLanternU - half, v, kLanternU + half, v, 0.008f), Hex(0x6E1A12),
                     0.8f);
    }
    const Colour lacquer = Hex(0x241610);
    const float top = kLanternV - kLanternHalfHeight;
    const float bottom = kLanternV + kLanternHalfHeight;
    painter.Fill(Segment(kLanternU, 0.14f, kLanternU, top, 0.01f), Hex(0x9C8A70));
    painter.Fill(Box(kLanternU, top, 0.1f, 0.035f, 0.012f), lacquer);
    painter.Fill(Box(kLanternU, bottom, 0.09f, 0.035f, 0.012f), lacquer);
    // Tassel.
    painter.Fill(Segment(kLanternU, bottom, kLanternU, bottom + 0.1f, 0.012f), Hex(0xA8241A));
}

}  // namespace

Image WindowIconImage(int side) {
    Image image(side, side, ToRgba8(Hex(0x000000), 0));
    Painter painter(image);
    painter.Shade([side](float u, float v) { return SkyAndPaper(u, v, side); });
    painter.Reveal(Box(0.5f, 0.5f, 0.47f, 0.47f, 0.16f));
    PaintMoon(painter);
    PaintLanternFrame(painter);
    return image;
}

std::string WindowIconSource(const Image& icon) {
    std::string out =
        "// Drawn by hm-assetgen --window-icon (tools/assetgen/WindowIcon.cpp); do not edit.\n"
        "#include \"app/WindowIcon.h\"\n\n"
        "#include <cstdint>\n"
        "#include <iterator>\n\n"
        "namespace {\n"
        "constexpr uint8_t kPixels[] = {";
    size_t written = 0;
    for (int y = 0; y < icon.Height(); ++y) {
        for (int x = 0; x < icon.Width(); ++x) {
            const Rgba8 pixel = icon.At(x, y);
            char line[40];
            std::snprintf(line, sizeof line, "%s%u, %u, %u, %u,",
                          written++ % 4 == 0 ? "\n    " : " ", pixel.r, pixel.g, pixel.b, pixel.a);
            out += line;
        }
    }
    return out + "\n};\n}  // namespace\n\ngfx::Image WindowIcon() {\n    return {{" +
           std::to_string(icon.Width()) + ", " + std::to_string(icon.Height()) +
           "}, {std::begin(kPixels), std::end(kPixels)}};\n}\n";
}
