#include "TextureSynth.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

constexpr float kTwoPi = 6.28318530718f;
constexpr float kHalfPi = 1.57079632679f;

Colour ToColour(Rgba8 pixel) {
    return {pixel.r / 255.0f, pixel.g / 255.0f, pixel.b / 255.0f};
}

uint8_t ToByte(float channel) {
    return static_cast<uint8_t>(Clamp01(channel) * 255.0f + 0.5f);
}

// Lattice coordinate `i` folded into 0 .. period - 1.
int32_t Wrap(int32_t i, int32_t period) {
    const int32_t folded = i % period;
    return folded < 0 ? folded + period : folded;
}

// Smooth interpolation weight, zero slope at both ends.
float Fade(float t) {
    return t * t * (3 - 2 * t);
}

// Shade of a round thread or bundle at `across` (0 to 1) over its width: lightest on top.
float RoundProfile(float across) {
    const float centred = 2 * across - 1;
    return std::sqrt(std::max(0.0f, 1 - centred * centred));
}

}  // namespace

Colour Hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Shade(Colour c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

Rgba8 ToRgba8(Colour c, float alpha) {
    return {ToByte(c.r), ToByte(c.g), ToByte(c.b), ToByte(alpha)};
}

Colour Gradient(std::span<const GradientStop> stops, float t) {
    if (stops.empty()) return {0, 0, 0};
    if (t <= stops.front().at) return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t < stops[i].at) {
            const GradientStop& from = stops[i - 1];
            return Mix(from.colour, stops[i].colour, (t - from.at) / (stops[i].at - from.at));
        }
    }
    return stops.back().colour;
}

float Clamp01(float t) {
    return std::clamp(t, 0.0f, 1.0f);
}

float SmoothStep(float edge0, float edge1, float t) {
    return Fade(Clamp01((t - edge0) / (edge1 - edge0)));
}

float Fraction(float t) {
    return t - std::floor(t);
}

float SinTurns(float turns) {
    // Fold into [-1/4, 1/4] turn, where the odd Taylor series to x^11 is good to 1e-7.
    float t = turns - std::floor(turns + 0.5f);  // [-1/2, 1/2)
    if (t > 0.25f) t = 0.5f - t;
    if (t < -0.25f) t = -0.5f - t;
    const float x = t * kTwoPi;
    const float x2 = x * x;
    return x * (1 - x2 / 6 * (1 - x2 / 20 * (1 - x2 / 42 * (1 - x2 / 72 * (1 - x2 / 110)))));
}

float CosTurns(float turns) {
    return SinTurns(turns + 0.25f);
}

float AngleTurns(float x, float y) {
    const float ax = std::fabs(x);
    const float ay = std::fabs(y);
    if (ax == 0 && ay == 0) return 0;
    // atan of a ratio in [0, 1], minimax polynomial good to 1e-5 radians.
    const float r = std::min(ax, ay) / std::max(ax, ay);
    const float r2 = r * r;
    float angle =
        r * (0.9998660f +
             r2 * (-0.3302995f + r2 * (0.1801410f + r2 * (-0.0851330f + r2 * 0.0208351f))));
    if (ay > ax) angle = kHalfPi - angle;
    if (x < 0) angle = 2 * kHalfPi - angle;
    if (y < 0) angle = -angle;
    const float turns = angle / kTwoPi;
    return turns < 0 ? turns + 1 : turns;
}

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^
                 seed * 0xCB1AB31Fu;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

uint32_t Rng::Next() {
    // PCG-style step and output permutation.
    state_ = state_ * 747796405u + 2891336453u;
    const uint32_t word = ((state_ >> ((state_ >> 28) + 4)) ^ state_) * 277803737u;
    return (word >> 22) ^ word;
}

float Rng::Unit() {
    return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);
}

float Rng::Range(float low, float high) {
    return low + (high - low) * Unit();
}

TilingNoise::TilingNoise(uint32_t seed, int cellsU, int cellsV)
    : seed_(seed), cellsU_(std::max(cellsU, 1)), cellsV_(std::max(cellsV, 1)) {}

float TilingNoise::Layer(float u, float v, int octave) const {
    const int32_t periodU = cellsU_ << octave;
    const int32_t periodV = cellsV_ << octave;
    const float x = u * static_cast<float>(periodU);
    const float y = v * static_cast<float>(periodV);
    const float floorX = std::floor(x);
    const float floorY = std::floor(y);
    const auto ix = static_cast<int32_t>(floorX);
    const auto iy = static_cast<int32_t>(floorY);
    const float fx = Fade(x - floorX);
    const float fy = Fade(y - floorY);
    const uint32_t seed = seed_ + static_cast<uint32_t>(octave) * 0x9E3779B9u;
    const auto corner = [&](int32_t dx, int32_t dy) {
        return static_cast<float>(Hash(Wrap(ix + dx, periodU), Wrap(iy + dy, periodV), seed) >> 8) *
               (1.0f / 16777216.0f);
    };
    const float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * fx;
    const float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * fx;
    return top + (bottom - top) * fy;
}

float TilingNoise::Value(float u, float v) const {
    return Layer(u, v, 0);
}

float TilingNoise::Fbm(float u, float v, int octaves) const {
    float sum = 0;
    float weight = 1;
    float total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * Layer(u, v, octave);
        total += weight;
        weight *= 0.5f;
    }
    return total > 0 ? sum / total : 0;
}

float WoodGrain(const TilingNoise& noise, float u, float v, float rings) {
    const float warp = noise.Fbm(u, v, 4) - 0.5f;
    const float ring = Fraction((u + 0.6f * warp / rings * 4) * rings);
    const float lateWood = SmoothStep(0.55f, 0.9f, ring) * (1 - SmoothStep(0.9f, 1.0f, ring));
    const float fibres = noise.Value(Fraction(u * 24), Fraction(v * 0.5f + u * 3));
    return Clamp01(0.8f - 0.45f * lateWood + 0.25f * warp + 0.12f * (fibres - 0.5f));
}

float TatamiWeave(float u, float v, int rows, int stitches) {
    const float bundle = RoundProfile(Fraction(v * static_cast<float>(rows)));
    const float stitch = std::fabs(Fraction(u * static_cast<float>(stitches)) - 0.5f);
    const float pressed = 0.7f + 0.3f * SmoothStep(0.0f, 0.05f, stitch);
    return Clamp01((0.45f + 0.55f * bundle) * pressed);
}

float FabricWeave(float u, float v, int threads) {
    const float x = u * static_cast<float>(threads);
    const float y = v * static_cast<float>(threads);
    const bool warpOnTop = (static_cast<int>(std::floor(x)) + static_cast<int>(std::floor(y))) % 2;
    const float profile = RoundProfile(warpOnTop ? Fraction(x) : Fraction(y));
    return 0.55f + 0.45f * profile;
}

float BrushedMetal(const TilingNoise& streaks, float u, float v) {
    return streaks.Fbm(u, v, 3);
}

float Plaster(const TilingNoise& noise, float u, float v) {
    const float clouding = noise.Fbm(u, v, 5);
    const float pits = noise.Value(Fraction(u * 7 + v * 3), Fraction(v * 7));
    return Clamp01(0.3f + 0.7f * clouding - 0.5f * SmoothStep(0.9f, 0.97f, pits));
}

float Marble(const TilingNoise& noise, float u, float v) {
    const float clouding = noise.Fbm(u, v, 5);
    const float vein = 1 - std::fabs(SinTurns((u + v) * 2 + 1.5f * clouding));
    const float vein2 = vein * vein;
    const float vein8 = vein2 * vein2 * vein2 * vein2;
    return Clamp01(0.95f - 0.55f * vein8 + 0.15f * (clouding - 0.5f));
}

TileCell Tiles(float u, float v, int across, int down, float joint, bool staggered) {
    const float y = v * static_cast<float>(down);
    const float rowFloor = std::floor(y);
    const auto row = static_cast<int32_t>(rowFloor);
    const float shift = staggered && (row % 2 != 0) ? 0.5f : 0.0f;
    const float x = u * static_cast<float>(across) + shift;
    const float columnFloor = std::floor(x);
    TileCell cell{};
    cell.localU = x - columnFloor;
    cell.localV = y - rowFloor;
    const float half = joint / 2;
    const float inset =
        std::min(std::min(cell.localU, 1 - cell.localU), std::min(cell.localV, 1 - cell.localV)) -
        half;
    cell.inJoint = inset < 0;
    cell.edge = Clamp01(inset / 0.2f);
    cell.id = Hash(Wrap(static_cast<int32_t>(columnFloor), across), Wrap(row, down), 0x7117u);
    return cell;
}

Shape Circle(float cu, float cv, float radius) {
    return {[=](float u, float v) {
                return std::sqrt((u - cu) * (u - cu) + (v - cv) * (v - cv)) - radius;
            },
            cu - radius, cv - radius, cu + radius, cv + radius};
}

Shape Ring(float cu, float cv, float radius, float halfWidth) {
    const float reach = radius + halfWidth;
    return {[=](float u, float v) {
                const float d = std::sqrt((u - cu) * (u - cu) + (v - cv) * (v - cv));
                return std::fabs(d - radius) - halfWidth;
            },
            cu - reach, cv - reach, cu + reach, cv + reach};
}

Shape Box(float cu, float cv, float halfU, float halfV, float corner) {
    return {[=](float u, float v) {
                const float qx = std::fabs(u - cu) - halfU + corner;
                const float qy = std::fabs(v - cv) - halfV + corner;
                const float ox = std::max(qx, 0.0f);
                const float oy = std::max(qy, 0.0f);
                return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - corner;
            },
            cu - halfU, cv - halfV, cu + halfU, cv + halfV};
}

Shape Ellipse(float cu, float cv, float radiusU, float radiusV, float turns) {
    const float c = CosTurns(turns);
    const float s = SinTurns(turns);
    const float reach = std::max(radiusU, radiusV);
    return {[=](float u, float v) {
                const float x = ((u - cu) * c + (v - cv) * s) / radiusU;
                const float y = ((v - cv) * c - (u - cu) * s) / radiusV;
                return (std::sqrt(x * x + y * y) - 1) * std::min(radiusU, radiusV);
            },
            cu - reach, cv - reach, cu + reach, cv + reach};
}

Shape Segment(float u0, float v0, float u1, float v1, float halfWidth) {
    return {[=](float u, float v) {
                const float du = u1 - u0;
                const float dv = v1 - v0;
                const float lengthSquared = du * du + dv * dv;
                const float along = lengthSquared > 0
                                        ? Clamp01(((u - u0) * du + (v - v0) * dv) / lengthSquared)
                                        : 0.0f;
                const float eu = u - u0 - du * along;
                const float ev = v - v0 - dv * along;
                return std::sqrt(eu * eu + ev * ev) - halfWidth;
            },
            std::min(u0, u1) - halfWidth, std::min(v0, v1) - halfWidth,
            std::max(u0, u1) + halfWidth, std::max(v0, v1) + halfWidth};
}

template <typename Apply>
void Painter::Cover(const Shape& shape, Apply apply) {
    const int width = image_.Width();
    const int height = image_.Height();
    const auto pixelsPerUnit = static_cast<float>(std::max(width, height));
    const auto firstPixel = [](float edge, int size) {
        return std::clamp(static_cast<int>(std::floor(edge * static_cast<float>(size))) - 1, 0,
                          size);
    };
    const auto lastPixel = [](float edge, int size) {
        return std::clamp(static_cast<int>(std::ceil(edge * static_cast<float>(size))) + 1, -1,
                          size - 1);
    };
    const int x0 = firstPixel(shape.left, width), x1 = lastPixel(shape.right, width);
    const int y0 = firstPixel(shape.top, height), y1 = lastPixel(shape.bottom, height);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(width);
            const float v = (static_cast<float>(y) + 0.5f) / static_cast<float>(height);
            const float coverage = Clamp01(0.5f - shape.distance(u, v) * pixelsPerUnit);
            if (coverage > 0) apply(image_.At(x, y), coverage);
        }
    }
}

void Painter::Shade(const std::function<Colour(float u, float v)>& shader) {
    for (int y = 0; y < image_.Height(); ++y) {
        for (int x = 0; x < image_.Width(); ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(image_.Width());
            const float v = (static_cast<float>(y) + 0.5f) / static_cast<float>(image_.Height());
            Rgba8& pixel = image_.At(x, y);
            pixel = ToRgba8(shader(u, v), pixel.a / 255.0f);
        }
    }
}

void Painter::Fill(const Shape& shape, Colour colour, float opacity) {
    Cover(shape, [&](Rgba8& pixel, float coverage) {
        pixel = ToRgba8(Mix(ToColour(pixel), colour, coverage * opacity), pixel.a / 255.0f);
    });
}

void Painter::SetAlpha(const std::function<float(float u, float v)>& alpha) {
    for (int y = 0; y < image_.Height(); ++y) {
        for (int x = 0; x < image_.Width(); ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(image_.Width());
            const float v = (static_cast<float>(y) + 0.5f) / static_cast<float>(image_.Height());
            image_.At(x, y).a = ToByte(alpha(u, v));
        }
    }
}

void Painter::Reveal(const Shape& shape) {
    Cover(shape,
          [](Rgba8& pixel, float coverage) { pixel.a = std::max(pixel.a, ToByte(coverage)); });
}

void Painter::Handwriting(Rng& rng, float left, float top, float right, float bottom,
                          float lineStep, Colour ink) {
    // Cursive-looking scribble: the pen runs along each line through one hump per letter, some
    // letters tall, some short, with gaps between words and a ragged line end.
    const float xHeight = lineStep * 0.3f;
    const float pen = lineStep * 0.045f;
    const float letterWidth = lineStep * 0.28f;
    constexpr int kStepsPerLetter = 6;
    for (float baseline = top + lineStep * 0.8f; baseline <= bottom; baseline += lineStep) {
        const float lineEnd = right - rng.Range(0.0f, 0.25f) * (right - left);
        float u = left + rng.Range(0.0f, 0.5f) * letterWidth;
        while (u < lineEnd) {
            const int letters = 2 + static_cast<int>(rng.Unit() * 6);
            float lastU = u, lastV = baseline;
            for (int letter = 0; letter < letters && u < lineEnd; ++letter) {
                const float pick = rng.Unit();
                const float height = xHeight * (pick < 0.2f ? 2.2f : pick < 0.3f ? -1.4f : 1.0f);
                const float width = letterWidth * rng.Range(0.7f, 1.2f);
                const float slant = xHeight * 0.25f;
                for (int step = 1; step <= kStepsPerLetter; ++step) {
                    const float t = static_cast<float>(step) / kStepsPerLetter;
                    const float lift = height * (0.5f - 0.5f * CosTurns(t));
                    const float nextU = u + width * t + slant * lift / xHeight;
                    const float nextV = baseline - lift;
                    Fill(Segment(lastU, lastV, nextU, nextV, pen), ink, 0.9f);
                    lastU = nextU;
                    lastV = nextV;
                }
                u += width;
            }
            u += letterWidth * rng.Range(0.8f, 1.6f);
        }
    }
}

}  // namespace synth
