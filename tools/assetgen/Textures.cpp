#include "Textures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

#include "TextureSynth.h"

namespace {

using namespace synth;

constexpr int kSightSize = 32;

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

// ---- Shared pieces ------------------------------------------------------------------------

Image Blank(int size, Colour colour, float alpha = 1) {
    return Image(size, size, ToRgba8(colour, alpha));
}

Image Shaded(int size, const std::function<Colour(float u, float v)>& shader) {
    Image image = Blank(size, {0, 0, 0});
    Painter(image).Shade(shader);
    return image;
}

// 0 to 1 from a hash, for per-tile and per-plank variation.
float Unit(uint32_t hash) {
    return static_cast<float>(hash >> 8) * (1.0f / 16777216.0f);
}

Colour Wood(const TilingNoise& noise, float u, float v, Colour light, Colour dark, float rings) {
    return Mix(dark, light, WoodGrain(noise, u, v, rings));
}

// `count` radial marks between `inner` and `outer` around (cu, cv), the first straight up.
void Ticks(Painter& painter, float cu, float cv, float inner, float outer, int count,
           float halfWidth, Colour colour) {
    for (int i = 0; i < count; ++i) {
        const float turns = static_cast<float>(i) / static_cast<float>(count);
        const float s = SinTurns(turns);
        const float c = CosTurns(turns);
        painter.Fill(
            Segment(cu + s * inner, cv - c * inner, cu + s * outer, cv - c * outer, halfWidth),
            colour);
    }
}

// Frosted glass: pale, softly clouded.
Colour Frosted(const TilingNoise& noise, float u, float v) {
    return Mix(Hex(0xB8C4C8), Hex(0xE4ECEE), noise.Fbm(u, v, 4));
}

// A door leaf: a wooden frame around a frosted glass panel split by `bars` horizontal bars.
Image GlazedDoor(int size, uint32_t seed, Colour frameLight, Colour frameDark, int bars) {
    const TilingNoise grain(seed, 4, 2);
    const TilingNoise frost(seed + 1, 6);
    constexpr float kFrame = 0.12f;
    return Shaded(size, [&](float u, float v) {
        const bool inFrame = u < kFrame || u > 1 - kFrame || v < kFrame || v > 1 - kFrame;
        const float barSpacing = (1 - 2 * kFrame) / static_cast<float>(bars + 1);
        const float barPhase = Fraction((v - kFrame) / barSpacing);
        const bool onBar = bars > 0 && v > kFrame + barSpacing / 2 &&
                           v < 1 - kFrame - barSpacing / 2 &&
                           std::min(barPhase, 1 - barPhase) < 0.06f;
        if (inFrame || onBar) return Wood(grain, u, v, frameLight, frameDark, 6);
        const float shadow = SmoothStep(0.0f, 0.03f, std::min(u - kFrame, 1 - kFrame - u));
        return Shade(Frosted(frost, u, v), 0.85f + 0.15f * shadow);
    });
}

// Sheet metal painted `paint`: faint brushing and a soft vertical sheen.
Colour PaintedMetal(const TilingNoise& streaks, Colour paint, float u, float v) {
    const float sheen = 0.9f + 0.1f * SinTurns(u * 0.5f);
    return Shade(paint, sheen * (0.92f + 0.08f * BrushedMetal(streaks, u, v)));
}

// ---- Cut-outs (PNG with alpha) ------------------------------------------------------------

Image Leaf(int size) {
    Image image = Blank(size, Hex(0x2E5A1C), 0);
    Painter painter(image);
    Rng rng(0x1EAF);
    for (int i = 0; i < 9; ++i) {
        const float turns = static_cast<float>(i) / 9 + rng.Range(-0.03f, 0.03f);
        const float reach = rng.Range(0.26f, 0.34f);
        const float cu = 0.5f + SinTurns(turns) * reach;
        const float cv = 0.5f - CosTurns(turns) * reach;
        const Shape leaf = Ellipse(cu, cv, 0.07f, 0.17f, -turns);
        const Colour green = Mix(Hex(0x2F6B22), Hex(0x7DAA3A), rng.Unit());
        painter.Fill(leaf, green);
        painter.Reveal(leaf);
        painter.Fill(
            Segment(0.5f, 0.5f, cu + SinTurns(turns) * 0.12f, cv - CosTurns(turns) * 0.12f, 0.006f),
            Hex(0xB5D07A), 0.8f);
    }
    return image;
}

Image Grass(int size) {
    Image image = Blank(size, Hex(0x3C6E25), 0);
    Painter painter(image);
    Rng rng(0x2A50);
    constexpr int kBlades = 40;
    constexpr int kJoints = 5;
    for (int blade = 0; blade < kBlades; ++blade) {
        float u = rng.Range(0.05f, 0.95f);
        float v = 1.0f;
        const float height = rng.Range(0.45f, 0.95f);
        const float lean = rng.Range(-0.25f, 0.25f);
        const Colour green = Mix(Hex(0x2E5E1B), Hex(0x9BBF4A), rng.Unit());
        for (int joint = 0; joint < kJoints; ++joint) {
            const float t = static_cast<float>(joint + 1) / kJoints;
            const float nextU = u + lean * height / kJoints * t * 2;
            const float nextV = v - height / kJoints;
            const float width = 0.018f * (1 - 0.8f * t);
            const Shape piece = Segment(u, v, nextU, nextV, width);
            painter.Fill(piece, Shade(green, 0.8f + 0.3f * t));
            painter.Reveal(piece);
            u = nextU;
            v = nextV;
        }
    }
    return image;
}

// A cobweb spun across a corner of a wall: spokes from the top left and a sagging spiral.
Image Cobweb(int size) {
    Image image = Blank(size, Hex(0xDCDCD8), 0);
    Painter painter(image);
    constexpr int kSpokes = 9;
    constexpr float kThread = 0.004f;
    const auto spokePoint = [](int spoke, float reach) {
        const float turns = 0.25f * static_cast<float>(spoke) / (kSpokes - 1);
        return std::pair{0.02f + CosTurns(turns) * reach, 0.02f + SinTurns(turns) * reach};
    };
    for (int spoke = 0; spoke < kSpokes; ++spoke) {
        const auto [u, v] = spokePoint(spoke, 1.35f);
        const Shape thread = Segment(0.02f, 0.02f, u, v, kThread);
        painter.Reveal(thread);
    }
    for (float reach = 0.1f; reach < 1.3f; reach += 0.09f + reach * 0.05f) {
        for (int spoke = 0; spoke + 1 < kSpokes; ++spoke) {
            const auto [u0, v0] = spokePoint(spoke, reach);
            const auto [u1, v1] = spokePoint(spoke + 1, reach + 0.02f);
            const float sagU = (u0 + u1) / 2 * 0.96f;
            const float sagV = (v0 + v1) / 2 * 0.96f;
            painter.Reveal(Segment(u0, v0, sagU, sagV, kThread));
            painter.Reveal(Segment(sagU, sagV, u1, v1, kThread));
        }
    }
    return image;
}

// ---- Particles and interface --------------------------------------------------------------

// A soft round sprite for additive particles: black at the rim, so it fades into the scene.
Image Blob(int size, uint32_t seed, std::span<const GradientStop> ramp) {
    const TilingNoise noise(seed, 4);
    return Shaded(size, [&](float u, float v) {
        const float du = u - 0.5f, dv = v - 0.5f;
        const float radius = std::sqrt(du * du + dv * dv) * 2;
        const float wobble = 0.25f * (noise.Fbm(u, v, 3) - 0.5f);
        return Gradient(ramp, radius + wobble);
    });
}

Image Fire(int size) {
    const GradientStop ramp[] = {{0.0f, Hex(0xFFF8E0)},
                                 {0.25f, Hex(0xFFD048)},
                                 {0.55f, Hex(0xE85A10)},
                                 {0.8f, Hex(0x501004)},
                                 {1.0f, Hex(0x000000)}};
    return Blob(size, 0xF1E, ramp);
}

Image Smoke(int size) {
    const GradientStop ramp[] = {{0.0f, Hex(0x909090)},
                                 {0.45f, Hex(0x5A5A5C)},
                                 {0.85f, Hex(0x101010)},
                                 {1.0f, Hex(0x000000)}};
    return Blob(size, 0x5E0CE, ramp);
}

Image Note(int size) {
    const TilingNoise fibres(0x207E, 16);
    Image image = Shaded(size, [&](float u, float v) {
        const Colour paper = Mix(Hex(0xD8CFB4), Hex(0xF2ECDA), fibres.Fbm(u, v, 5));
        const float ruled = std::fabs(Fraction(v * 16) - 0.5f) > 0.47f ? 0.85f : 1.0f;
        const float crease = 1 - 0.12f * (1 - SmoothStep(0.0f, 0.01f, std::fabs(v - 0.52f)));
        return Shade(paper, ruled * crease);
    });
    Painter painter(image);
    Rng rng(0x4A7E);
    painter.Handwriting(rng, 0.08f, 1.0f / 16, 0.92f, 0.9f, 1.0f / 16, Hex(0x20222E));
    return image;
}

// The dialogue box frame: a dark field inside a thin double line in pale gold, with corner
// squares.
Image Border(int size) {
    Image image = Shaded(size, [](float u, float v) {
        const float edge = std::min(std::min(u, 1 - u), std::min(v, 1 - v));
        return Mix(Hex(0x101420), Hex(0x04060C), SmoothStep(0.0f, 0.3f, edge));
    });
    Painter painter(image);
    const Colour gold = Hex(0xD8C690);
    for (float inset : {0.06f, 0.1f}) {
        painter.Fill(Box(0.5f, 0.5f, 0.5f - inset, 0.5f - inset), gold);
        painter.Fill(Box(0.5f, 0.5f, 0.5f - inset - 0.012f, 0.5f - inset - 0.012f),
                     Mix(Hex(0x101420), Hex(0x04060C), SmoothStep(0.0f, 0.3f, inset)));
    }
    for (float cu : {0.08f, 0.92f}) {
        for (float cv : {0.08f, 0.92f}) painter.Fill(Box(cu, cv, 0.035f, 0.035f), gold);
    }
    return image;
}

// ---- Characters ---------------------------------------------------------------------------

Image DartFlights(int size) {
    return Shaded(size, [](float u, float v) {
        const float chevron = Fraction(v * 4 + std::fabs(u - 0.5f) * 2);
        if (chevron < 0.2f) return Hex(0xF4F0E8);
        return Mix(Hex(0xC01020), Hex(0x7A0812), SmoothStep(0.2f, 1.0f, chevron));
    });
}

Colour WetSkin(const TilingNoise& mottle, const TilingNoise& sheen, float u, float v) {
    const TileCell scale = Tiles(u, v, 16, 24, 0.0f, true);
    const float rim = SmoothStep(0.6f, 1.0f, scale.localV) * 0.25f;
    const Colour base = Mix(Hex(0x3C4A40), Hex(0x8A9A88), mottle.Fbm(u, v, 5));
    const float wet = SmoothStep(0.72f, 0.9f, sheen.Fbm(u, v, 3));
    return Mix(Shade(base, 1 - rim), Hex(0xD8E6DC), wet * 0.6f);
}

Image FishSkin(int size) {
    const TilingNoise mottle(0xF15, 6);
    const TilingNoise sheen(0xF16, 8);
    return Shaded(size, [&](float u, float v) { return WetSkin(mottle, sheen, u, v); });
}

Image FishFace(int size) {
    const TilingNoise mottle(0xF17, 6);
    const TilingNoise sheen(0xF18, 8);
    Image image = Shaded(size, [&](float u, float v) { return WetSkin(mottle, sheen, u, v); });
    Painter painter(image);
    for (float cu : {0.28f, 0.72f}) {
        painter.Fill(Circle(cu, 0.38f, 0.13f), Hex(0x1E2620));
        painter.Fill(Circle(cu, 0.38f, 0.11f), Hex(0xC8C27A));
        painter.Fill(Circle(cu, 0.39f, 0.055f), Hex(0x060806));
        painter.Fill(Circle(cu - 0.03f, 0.35f, 0.018f), Hex(0xF8F8F0));
    }
    painter.Fill(Ellipse(0.5f, 0.76f, 0.2f, 0.07f), Hex(0x2A1416));
    painter.Fill(Ellipse(0.5f, 0.78f, 0.16f, 0.04f), Hex(0x0C0406));
    for (float cu : {0.08f, 0.92f}) {
        for (int gill = 0; gill < 3; ++gill) {
            const float offset = static_cast<float>(gill) * 0.04f * (cu < 0.5f ? 1 : -1);
            painter.Fill(Segment(cu + offset, 0.5f, cu + offset * 1.5f, 0.72f, 0.008f),
                         Hex(0x202A24), 0.8f);
        }
    }
    return image;
}

Image Hair(int size) {
    const TilingNoise strands(0x4A1, 24, 2);
    return Shaded(size, [&](float u, float v) {
        const float streak = strands.Fbm(u, v, 4);
        return Mix(Hex(0x08080A), Hex(0x3A3C48), streak * streak);
    });
}

Image Face(int size) {
    Image image = Shaded(size, [](float u, float v) {
        const float du = u - 0.5f, dv = v - 0.55f;
        const float cheek = 1 - Clamp01((du * du + dv * dv) * 4);
        return Mix(Hex(0xD8A888), Hex(0xF0CCAE), cheek);
    });
    Painter painter(image);
    for (float cu : {0.34f, 0.66f}) {
        painter.Fill(Ellipse(cu, 0.47f, 0.07f, 0.03f), Hex(0xF6F0EA));
        painter.Fill(Circle(cu, 0.47f, 0.026f), Hex(0x24160E));
        painter.Fill(Segment(cu - 0.08f, 0.38f, cu + 0.07f, 0.37f, 0.01f), Hex(0x2A1C14));
        painter.Fill(Circle(cu, 0.62f, 0.06f), Hex(0xE8A090), 0.35f);
    }
    painter.Fill(Segment(0.5f, 0.5f, 0.48f, 0.6f, 0.008f), Hex(0xB88468), 0.6f);
    painter.Fill(Ellipse(0.5f, 0.7f, 0.06f, 0.015f), Hex(0xA0504A));
    return image;
}

// The yukata: indigo cotton with a white pattern of rings and scattered dots.
Image Yukata(int size) {
    Image image = Shaded(size, [](float u, float v) {
        return Shade(Hex(0x1E2C5A), 0.8f + 0.2f * FabricWeave(u, v, 64));
    });
    Painter painter(image);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const float cu = (static_cast<float>(column) + (row % 2 ? 0.75f : 0.25f)) / 4;
            const float cv = (static_cast<float>(row) + 0.5f) / 4;
            painter.Fill(Ring(cu, cv, 0.07f, 0.01f), Hex(0xE8ECF0));
            painter.Fill(Circle(cu, cv, 0.02f), Hex(0xE8ECF0));
        }
    }
    return image;
}

// ---- Wood and walls -----------------------------------------------------------------------

Image WoodPlain(int size, uint32_t seed, Colour light, Colour dark) {
    const TilingNoise grain(seed, 4, 2);
    return Shaded(size, [&](float u, float v) { return Wood(grain, u, v, light, dark, 8); });
}

Image Floorboards(int size) {
    const TilingNoise grain(0xF100, 8, 2);
    return Shaded(size, [&](float u, float v) {
        const TileCell plank = Tiles(v, u, 2, 6, 0.05f, true);  // long planks run down
        if (plank.inJoint) return Hex(0x1C120A);
        const float tone = 0.75f + 0.45f * Unit(plank.id);
        const Colour wood = Wood(grain, u, v, Hex(0xA8784A), Hex(0x5A3A1E), 24);
        return Shade(wood, tone * (0.85f + 0.15f * plank.edge));
    });
}

Image PlasterWall(int size) {
    const TilingNoise noise(0x6ABE, 8);
    return Shaded(size, [&](float u, float v) {
        return Mix(Hex(0xA89C84), Hex(0xD8CEB6), Plaster(noise, u, v));
    });
}

Image Tatami(int size) {
    const TilingNoise dye(0x7A7A, 4, 16);
    return Shaded(size, [&](float u, float v) {
        constexpr float kBinding = 0.07f;  // the cloth border along both long sides
        if (u < kBinding || u > 1 - kBinding) {
            return Shade(Hex(0x1C2230), 0.8f + 0.2f * FabricWeave(u, v, 96));
        }
        const Colour rush = Mix(Hex(0x8C8A48), Hex(0xC8C07A), dye.Fbm(u, v, 3));
        return Shade(rush, TatamiWeave(u, v, 64, 8));
    });
}

// A sliding paper door: cream paper with gold waves over its lower half and a round pull.
Image Husuma(int size) {
    const TilingNoise fibres(0x4505, 16);
    Image image = Shaded(size, [&](float u, float v) {
        const Colour paper = Mix(Hex(0xD6CCB0), Hex(0xEEE6D0), fibres.Fbm(u, v, 4));
        if (v < 0.55f) return paper;
        // Overlapping arcs of concentric rings, row on row.
        const TileCell wave = Tiles(u, (v - 0.55f) * 2, 6, 5, 0.0f, true);
        const float du = wave.localU - 0.5f, dv = wave.localV - 1.0f;
        const float ring = Fraction(std::sqrt(du * du + dv * dv) * 6);
        return Mix(paper, Hex(0xA88A40), 0.8f * SmoothStep(0.7f, 0.8f, ring));
    });
    Painter painter(image);
    painter.Fill(Circle(0.86f, 0.5f, 0.05f), Hex(0x2A2420));
    painter.Fill(Circle(0.86f, 0.5f, 0.035f), Hex(0x8C7A58));
    return image;
}

Image Marble(int size) {
    const TilingNoise noise(0xDA1, 4);
    return Shaded(size, [&](float u, float v) {
        return Mix(Hex(0x8A8C90), Hex(0xF0EEEA), synth::Marble(noise, u, v));
    });
}

// Square glazed tiles in `glaze`, `across` to a side, joints in `grout`.
Image GlazedTiles(int size, int across, Colour glaze, Colour grout, float variation) {
    return Shaded(size, [=](float u, float v) {
        const TileCell tile = Tiles(u, v, across, across, 0.06f, false);
        if (tile.inJoint) return grout;
        const float bevel = 0.85f + 0.15f * tile.edge;
        return Shade(glaze, bevel * (1 - variation + 2 * variation * Unit(tile.id)));
    });
}

Image BathFloor(int size) {
    const TilingNoise speckle(0xBF, 32);
    return Shaded(size, [&](float u, float v) {
        const TileCell tile = Tiles(u, v, 16, 16, 0.1f, true);
        if (tile.inJoint) return Hex(0x6A6E70);
        const Colour stone = Mix(Hex(0x7C8A90), Hex(0xA8B4B8), Unit(tile.id));
        return Shade(stone, (0.8f + 0.2f * tile.edge) * (0.9f + 0.2f * speckle.Value(u, v)));
    });
}

Image Sand(int size) {
    const TilingNoise ripples(0x5A4D, 8);
    return Shaded(size, [&](float u, float v) {
        const float grain =
            Unit(Hash(static_cast<int32_t>(u * 512), static_cast<int32_t>(v * 512), 0x5A4D));
        const Colour sand = Mix(Hex(0xA8946C), Hex(0xD4C29A), ripples.Fbm(u, v, 4));
        return Shade(sand, 0.88f + 0.24f * grain);
    });
}

Image Carpet(int size) {
    const TilingNoise pile(0x1A7, 64);
    return Shaded(size, [&](float u, float v) {
        const Colour base = Shade(Hex(0x7A1420), 0.8f + 0.4f * pile.Fbm(u, v, 2));
        const float border = std::min(std::min(u, 1 - u), std::min(v, 1 - v));
        if (border > 0.04f && border < 0.08f)
            return Shade(Hex(0xC89A40), 0.8f + 0.2f * pile.Value(u, v));
        // A diamond lattice of gold lines across the field.
        const float diagonal = std::min(std::fabs(Fraction((u + v) * 4) - 0.5f),
                                        std::fabs(Fraction((u - v) * 4) - 0.5f));
        return Mix(base, Hex(0xB08838), 0.7f * (1 - SmoothStep(0.02f, 0.04f, diagonal)));
    });
}

// The height marks on a pillar: wood with scratched lines, each with a scribbled note.
Image HeightMarks(int size) {
    Image image = WoodPlain(size, 0x5EC, Hex(0xC09A6A), Hex(0x7A5634));
    Painter painter(image);
    Rng rng(0x5EC0);
    for (float v = 0.15f; v < 0.95f; v += rng.Range(0.08f, 0.14f)) {
        const float left = rng.Range(0.15f, 0.3f);
        // One draw per statement: argument order is unspecified, and the marks must not depend
        // on the compiler.
        const float right = left + rng.Range(0.3f, 0.45f);
        const float tilt = rng.Range(-0.01f, 0.01f);
        painter.Fill(Segment(left, v, right, v + tilt, 0.006f), Hex(0x3A2414));
        painter.Handwriting(rng, 0.7f, v - 0.05f, 0.92f, v + 0.02f, 0.05f, Hex(0x2A1A10));
    }
    return image;
}

// ---- Doors --------------------------------------------------------------------------------

Image ToiletDoor(int size) {
    const TilingNoise streaks(0x2E57, 2, 48);
    return Shaded(size, [&](float u, float v) {
        const Colour door = PaintedMetal(streaks, Hex(0xA8B8A8), u, v);
        const bool louvre = v > 0.75f && v < 0.92f && u > 0.25f && u < 0.75f;
        if (louvre) return Shade(door, Fraction(v * 40) < 0.5f ? 0.45f : 0.9f);
        return door;
    });
}

Image SteelDoor(int size) {
    const TilingNoise streaks(0xE41D, 2, 64);
    Image image = Shaded(size, [&](float u, float v) {
        const float panel = std::min(std::min(u, 1 - u), std::min(v, 1 - v));
        return Shade(PaintedMetal(streaks, Hex(0x7A8A80), u, v), panel < 0.04f ? 0.75f : 1.0f);
    });
    Painter painter(image);
    // A wired-glass window and a push bar.
    painter.Fill(Box(0.5f, 0.25f, 0.2f, 0.12f, 0.01f), Hex(0x2C3234));
    painter.Fill(Box(0.5f, 0.25f, 0.18f, 0.1f), Hex(0x8A9CA4));
    for (float u = 0.34f; u < 0.68f; u += 0.04f) {
        painter.Fill(Segment(u, 0.15f, u, 0.35f, 0.002f), Hex(0x50585C));
    }
    painter.Fill(Box(0.5f, 0.58f, 0.38f, 0.025f, 0.02f), Hex(0xC0C4C4));
    for (float cu : {0.08f, 0.92f}) {
        for (float cv : {0.08f, 0.92f}) painter.Fill(Circle(cu, cv, 0.012f), Hex(0x505A54));
    }
    return image;
}

// Changing-room lockers: a grid of wooden doors, each with a number plate and a keyhole.
Image Lockers(int size) {
    const TilingNoise grain(0xDA7, 4, 2);
    Image image = Shaded(size, [&](float u, float v) {
        const TileCell door = Tiles(u, v, 4, 3, 0.04f, false);
        if (door.inJoint) return Hex(0x2A1A0E);
        return Shade(Wood(grain, u, v, Hex(0xB88C5A), Hex(0x7A5230), 12), 0.8f + 0.2f * door.edge);
    });
    Painter painter(image);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const float cu = (static_cast<float>(column) + 0.5f) / 4;
            const float cv = (static_cast<float>(row) + 0.5f) / 3;
            painter.Fill(Box(cu, cv - 0.1f, 0.05f, 0.025f, 0.005f), Hex(0xE8E0C8));
            painter.Fill(Segment(cu - 0.025f, cv - 0.1f, cu + 0.025f, cv - 0.1f, 0.004f),
                         Hex(0x302418));
            painter.Fill(Circle(cu + 0.07f, cv + 0.02f, 0.015f), Hex(0xC0A040));
            painter.Fill(Circle(cu + 0.07f, cv + 0.02f, 0.005f), Hex(0x101010));
        }
    }
    return image;
}

// ---- Signs and marks ----------------------------------------------------------------------

// The bath curtain: cloth of `cloth` split into three panels, with the hot-spring mark (a bowl
// and three rising wisps of steam) in white.
Image Noren(int size, Colour cloth) {
    Image image = Shaded(size, [&](float u, float v) {
        const float slit = std::min(std::fabs(u - 1.0f / 3), std::fabs(u - 2.0f / 3));
        const float fold = 0.85f + 0.15f * SinTurns(u * 6);
        const Colour woven = Shade(cloth, fold * (0.85f + 0.15f * FabricWeave(u, v, 48)));
        return v > 0.2f && slit < 0.006f ? Shade(cloth, 0.3f) : woven;
    });
    Painter painter(image);
    const Colour white = Hex(0xF0F0EC);
    painter.Fill(Ring(0.5f, 0.62f, 0.18f, 0.02f), white);
    painter.Fill(Ellipse(0.5f, 0.68f, 0.11f, 0.045f), white);
    for (int wisp = -1; wisp <= 1; ++wisp) {
        const float cu = 0.5f + static_cast<float>(wisp) * 0.06f;
        float u = cu, v = 0.63f;
        for (int step = 1; step <= 6; ++step) {
            const float nextV = 0.63f - static_cast<float>(step) * 0.03f;
            const float nextU = cu + 0.02f * SinTurns(static_cast<float>(step) / 4);
            painter.Fill(Segment(u, v, nextU, nextV, 0.012f), white);
            u = nextU;
            v = nextV;
        }
    }
    return image;
}

// A flame: a stack of shrinking circles rising from a round base at (cu, baseV) of radius
// `radius` to a point `height` above, leaning a little to the right as it goes.
void Flame(Painter& painter, float cu, float baseV, float radius, float height, Colour colour) {
    constexpr int kSteps = 16;
    for (int step = 0; step < kSteps; ++step) {
        const float t = static_cast<float>(step) / kSteps;
        const float lean = 0.15f * radius * SinTurns(t * 0.5f);
        painter.Fill(Circle(cu + lean, baseV - height * t, radius * (1 - t) * (1 - t * 0.3f)),
                     colour);
    }
}

// A red board with a white rim and a white flame: the fire-prevention notice.
Image FirePrevention(int size) {
    Image image = Blank(size, Hex(0xC81E1E));
    Painter painter(image);
    painter.Fill(Box(0.5f, 0.5f, 0.44f, 0.44f, 0.04f), Hex(0xF4F0EC));
    painter.Fill(Box(0.5f, 0.5f, 0.4f, 0.4f, 0.03f), Hex(0xC81E1E));
    Flame(painter, 0.5f, 0.7f, 0.17f, 0.5f, Hex(0xF8F4F0));
    Flame(painter, 0.5f, 0.72f, 0.08f, 0.2f, Hex(0xF0A028));
    return image;
}

// The green emergency-exit sign: a white figure running into a white doorway.
Image ExitSign(int size) {
    Image image = Blank(size, Hex(0x1A9A4A));
    Painter painter(image);
    const Colour white = Hex(0xF4FAF4);
    painter.Fill(Box(0.78f, 0.5f, 0.14f, 0.36f), white);
    painter.Fill(Box(0.8f, 0.5f, 0.08f, 0.3f), Hex(0x1A9A4A));
    constexpr float kLimb = 0.035f;
    painter.Fill(Circle(0.46f, 0.24f, 0.07f), white);
    painter.Fill(Segment(0.43f, 0.34f, 0.36f, 0.56f, 0.05f), white);  // body
    painter.Fill(Segment(0.42f, 0.38f, 0.56f, 0.46f, kLimb), white);  // front arm
    painter.Fill(Segment(0.41f, 0.38f, 0.26f, 0.4f, kLimb), white);   // back arm
    painter.Fill(Segment(0.36f, 0.56f, 0.52f, 0.66f, kLimb), white);  // front thigh
    painter.Fill(Segment(0.52f, 0.66f, 0.5f, 0.82f, kLimb), white);   // front shin
    painter.Fill(Segment(0.36f, 0.56f, 0.26f, 0.72f, kLimb), white);  // back thigh
    painter.Fill(Segment(0.26f, 0.72f, 0.12f, 0.74f, kLimb), white);  // back shin
    return image;
}

// The inn's name board: dark wood with three large brushed characters in pale gold.
Image InnSign(int size) {
    Image image = WoodPlain(size, 0x1AA, Hex(0x5A3A22), Hex(0x2A180C));
    Painter painter(image);
    painter.Fill(Box(0.5f, 0.02f, 0.5f, 0.02f), Hex(0x1A0E06));
    painter.Fill(Box(0.5f, 0.98f, 0.5f, 0.02f), Hex(0x1A0E06));
    Rng rng(0x1AAB);
    const Colour gold = Hex(0xE0C888);
    for (int character = 0; character < 3; ++character) {
        const float left = 0.1f + static_cast<float>(character) * 0.28f;
        for (int stroke = 0; stroke < 5; ++stroke) {
            const bool across = rng.Unit() < 0.5f;
            const float u0 = left + rng.Range(0.0f, 0.1f);
            const float v0 = rng.Range(0.25f, 0.65f);
            const float u1 = across ? u0 + rng.Range(0.08f, 0.15f) : u0 + rng.Range(-0.03f, 0.03f);
            const float v1 = across ? v0 + rng.Range(-0.02f, 0.02f) : v0 + rng.Range(0.1f, 0.2f);
            painter.Fill(Segment(u0, v0, u1, v1, 0.018f), gold);
        }
    }
    return image;
}

// A room's name plate: pale wood inside a dark rim.
Image RoomPlate(int size) {
    Image image = WoodPlain(size, 0x9A7, Hex(0xE0C8A0), Hex(0xA8865C));
    Painter painter(image);
    painter.Fill(Box(0.5f, 0.5f, 0.46f, 0.46f, 0.04f), Hex(0x3A2616));
    // Blank inside its border: the door writes its name over it.
    painter.Fill(Box(0.5f, 0.5f, 0.42f, 0.42f, 0.03f), Hex(0xD8BE94));
    return image;
}

// ---- Round things -------------------------------------------------------------------------

Image Clock(int size) {
    Image image = WoodPlain(size, 0xC10C, Hex(0x8A5A32), Hex(0x4A2C14));
    Painter painter(image);
    painter.Fill(Circle(0.5f, 0.5f, 0.44f), Hex(0xEEE6D2));
    painter.Fill(Ring(0.5f, 0.5f, 0.44f, 0.012f), Hex(0x3A2A1A));
    Ticks(painter, 0.5f, 0.5f, 0.38f, 0.41f, 60, 0.004f, Hex(0x202020));
    Ticks(painter, 0.5f, 0.5f, 0.33f, 0.41f, 12, 0.012f, Hex(0x101010));
    // Ten past ten.
    painter.Fill(
        Segment(0.5f, 0.5f, 0.5f + 0.2f * SinTurns(-0.15f), 0.5f - 0.2f * CosTurns(-0.15f), 0.015f),
        Hex(0x101010));
    painter.Fill(Segment(0.5f, 0.5f, 0.5f + 0.32f * SinTurns(1.0f / 6),
                         0.5f - 0.32f * CosTurns(1.0f / 6), 0.01f),
                 Hex(0x101010));
    painter.Fill(Circle(0.5f, 0.5f, 0.025f), Hex(0x801010));
    return image;
}

// A brass coin with a hole through its middle.
Image Coin(int size) {
    Image image = Blank(size, Hex(0x6A5020));
    Painter painter(image);
    painter.Shade([](float u, float v) {
        const float light = Clamp01(1.2f - (u + v) * 0.6f);
        return Mix(Hex(0x8A6A28), Hex(0xE8C870), light);
    });
    painter.Fill(Ring(0.5f, 0.5f, 0.44f, 0.03f), Hex(0xA8883C));
    for (float r : {0.22f, 0.3f}) painter.Fill(Ring(0.5f, 0.5f, r, 0.006f), Hex(0x9A7A34));
    Ticks(painter, 0.5f, 0.5f, 0.32f, 0.38f, 24, 0.006f, Hex(0xA0803A));
    painter.Fill(Circle(0.5f, 0.5f, 0.1f), Hex(0x100C04));
    return image;
}

Image Dartboard(int size) {
    const Colour black = Hex(0x141414), cream = Hex(0xE8DCC0);
    const Colour red = Hex(0xC0202A), green = Hex(0x1E8040);
    return Shaded(size, [=](float u, float v) {
        const float du = u - 0.5f, dv = v - 0.5f;
        const float radius = std::sqrt(du * du + dv * dv) * 2;
        if (radius > 0.96f) return Hex(0x1A1410);
        if (radius > 0.8f) return Hex(0x0C0C0C);
        if (radius < 0.04f) return red;
        if (radius < 0.09f) return green;
        const int sector = static_cast<int>(Fraction(AngleTurns(du, dv) + 0.025f) * 20);
        const bool even = sector % 2 == 0;
        const bool scoringRing = (radius > 0.47f && radius < 0.53f) || radius > 0.74f;
        if (scoringRing) return even ? red : green;
        return even ? black : cream;
    });
}

Image Fan(int size) {
    Image image = Blank(size, Hex(0xA8C8D8));
    Painter painter(image);
    for (int blade = 0; blade < 3; ++blade) {
        const float turns = static_cast<float>(blade) / 3;
        painter.Fill(Ellipse(0.5f + 0.18f * SinTurns(turns), 0.5f - 0.18f * CosTurns(turns), 0.09f,
                             0.18f, -turns),
                     Hex(0x7AA8C8), 0.8f);
    }
    for (float r = 0.1f; r < 0.5f; r += 0.06f) {
        painter.Fill(Ring(0.5f, 0.5f, r, 0.006f), Hex(0xE8ECF0));
    }
    Ticks(painter, 0.5f, 0.5f, 0.08f, 0.48f, 24, 0.004f, Hex(0xE8ECF0));
    painter.Fill(Circle(0.5f, 0.5f, 0.07f), Hex(0x4A78A8));
    return image;
}

Image Scale(int size) {
    const TilingNoise mat(0x5CA1, 64);
    Image image = Shaded(size, [&](float u, float v) {
        return Shade(Hex(0xE8E4DC), 0.85f + 0.15f * mat.Fbm(u, v, 2));
    });
    Painter painter(image);
    painter.Fill(Circle(0.5f, 0.3f, 0.2f), Hex(0x3A3A3A));
    painter.Fill(Circle(0.5f, 0.3f, 0.18f), Hex(0xF4F2EC));
    Ticks(painter, 0.5f, 0.3f, 0.13f, 0.17f, 40, 0.003f, Hex(0x202020));
    painter.Fill(Segment(0.5f, 0.3f, 0.56f, 0.16f, 0.006f), Hex(0xD02020));
    return image;
}

// ---- Metal, plastic and machines ----------------------------------------------------------

Image Stainless(int size, uint32_t seed, Colour tint) {
    const TilingNoise streaks(seed, 2, 96);
    return Shaded(size, [&](float u, float v) {
        return Shade(tint, 0.75f + 0.3f * BrushedMetal(streaks, u, v) + 0.08f * SinTurns(v));
    });
}

Image Safe(int size) {
    const TilingNoise streaks(0x5AFE, 2, 64);
    Image image = Shaded(size, [&](float u, float v) {
        const float panel = std::min(std::min(u, 1 - u), std::min(v, 1 - v));
        return Shade(PaintedMetal(streaks, Hex(0x34403A), u, v), panel < 0.08f ? 0.7f : 1.0f);
    });
    Painter painter(image);
    painter.Fill(Circle(0.5f, 0.42f, 0.17f), Hex(0x1A1E1C));
    painter.Fill(Circle(0.5f, 0.42f, 0.14f), Hex(0xB0B4B0));
    Ticks(painter, 0.5f, 0.42f, 0.1f, 0.135f, 20, 0.004f, Hex(0x202420));
    painter.Fill(Circle(0.5f, 0.42f, 0.05f), Hex(0x707470));
    painter.Fill(Box(0.5f, 0.75f, 0.14f, 0.025f, 0.02f), Hex(0xC0B070));
    painter.Fill(Box(0.5f, 0.1f, 0.18f, 0.02f), Hex(0xC0B070));
    return image;
}

Image PublicPhone(int size) {
    const TilingNoise plastic(0x7E1, 8);
    Image image = Shaded(size, [&](float u, float v) {
        return Shade(Hex(0xE89AB0), 0.9f + 0.1f * plastic.Fbm(u, v, 3));
    });
    Painter painter(image);
    painter.Fill(Box(0.3f, 0.5f, 0.18f, 0.4f, 0.06f), Hex(0xD0809A));  // the handset
    painter.Fill(Box(0.68f, 0.55f, 0.17f, 0.22f, 0.02f), Hex(0x8A8A8C));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.Fill(Box(0.58f + static_cast<float>(column) * 0.1f,
                             0.4f + static_cast<float>(row) * 0.09f, 0.035f, 0.03f, 0.008f),
                         Hex(0xF0F0EC));
        }
    }
    painter.Fill(Box(0.68f, 0.18f, 0.1f, 0.012f), Hex(0x202020));  // coin slot
    return image;
}

Image Telephone(int size) {
    Image image = Shaded(size, [](float u, float v) {
        return Mix(Hex(0x050505), Hex(0x3A3A3E), Clamp01(1 - (u + v) * 0.7f));
    });
    Painter painter(image);
    painter.Fill(Circle(0.5f, 0.5f, 0.36f), Hex(0x1A1A1C));
    for (int hole = 0; hole < 10; ++hole) {
        const float turns = 0.1f + static_cast<float>(hole) * 0.075f;
        painter.Fill(Circle(0.5f + 0.26f * SinTurns(turns), 0.5f - 0.26f * CosTurns(turns), 0.05f),
                     Hex(0xD8D4CC));
    }
    painter.Fill(Circle(0.5f, 0.5f, 0.12f), Hex(0xF0ECE0));
    painter.Fill(Segment(0.62f, 0.8f, 0.72f, 0.72f, 0.01f), Hex(0xB0B0B0));
    return image;
}

// Two speaker grilles either side of a cassette window, buttons along the top.
Image RadioCassette(int size) {
    const TilingNoise streaks(0x2AD1, 2, 64);
    Image image = Shaded(size, [&](float u, float v) {
        return Shade(Hex(0xB8BCC0), 0.8f + 0.25f * BrushedMetal(streaks, u, v));
    });
    Painter painter(image);
    for (float cu : {0.2f, 0.8f}) {
        painter.Fill(Circle(cu, 0.55f, 0.17f), Hex(0x18181A));
        for (float r = 0.03f; r < 0.16f; r += 0.035f) {
            painter.Fill(Ring(cu, 0.55f, r, 0.006f), Hex(0x48484C));
        }
    }
    painter.Fill(Box(0.5f, 0.55f, 0.11f, 0.09f, 0.01f), Hex(0x202024));
    painter.Fill(Box(0.5f, 0.55f, 0.09f, 0.05f), Hex(0x5A4A3A));
    for (float cu : {0.45f, 0.55f}) painter.Fill(Circle(cu, 0.55f, 0.02f), Hex(0xE8E4DC));
    for (int button = 0; button < 6; ++button) {
        painter.Fill(Box(0.25f + static_cast<float>(button) * 0.1f, 0.12f, 0.035f, 0.03f),
                     Hex(0x2A2A2C));
    }
    painter.Fill(Box(0.5f, 0.28f, 0.35f, 0.03f), Hex(0xD8C070));  // tuning scale
    return image;
}

Image Fridge(int size) {
    return Shaded(size, [](float u, float v) {
        const Colour enamel = Mix(Hex(0xC8CCC8), Hex(0xF2F2EC), 0.7f + 0.3f * SinTurns(u * 0.5f));
        if (std::fabs(v - 0.3f) < 0.008f) return Hex(0x505450);  // freezer seam
        if (u > 0.86f && u < 0.9f && (v < 0.25f || v > 0.35f)) return Shade(enamel, 0.75f);
        return enamel;
    });
}

// Bright chrome, a sharp band of reflection across it.
Image Chrome(int size) {
    const GradientStop ramp[] = {{0.0f, Hex(0x606468)},
                                 {0.35f, Hex(0xE8ECF0)},
                                 {0.45f, Hex(0x8A8E92)},
                                 {0.7f, Hex(0xC8CCD0)},
                                 {1.0f, Hex(0x505458)}};
    const TilingNoise streaks(0xC40E, 2, 48);
    return Shaded(size, [&](float u, float v) {
        return Shade(Gradient(ramp, v), 0.9f + 0.15f * BrushedMetal(streaks, u, v));
    });
}

Image CashRegister(int size) {
    const TilingNoise plastic(0x2E21, 8);
    Image image = Shaded(size, [&](float u, float v) {
        return Shade(Hex(0xC8C0A8), 0.9f + 0.1f * plastic.Fbm(u, v, 3));
    });
    Painter painter(image);
    painter.Fill(Box(0.5f, 0.15f, 0.3f, 0.07f, 0.01f), Hex(0x101410));
    for (int digit = 0; digit < 6; ++digit) {
        painter.Fill(Box(0.3f + static_cast<float>(digit) * 0.08f, 0.15f, 0.02f, 0.035f),
                     Hex(0x40E060));
    }
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 6; ++column) {
            const bool function = column >= 4;
            painter.Fill(Box(0.18f + static_cast<float>(column) * 0.13f,
                             0.38f + static_cast<float>(row) * 0.11f, 0.05f, 0.04f, 0.01f),
                         function ? Hex(0xC04030) : Hex(0x3A3A3C));
        }
    }
    return image;
}

Image AirConditioner(int size) {
    const TilingNoise streaks(0xA12, 2, 48);
    Image image = Shaded(size, [&](float u, float v) {
        const Colour casing = PaintedMetal(streaks, Hex(0xC8C4B4), u, v);
        return u > 0.72f && Fraction(v * 16) < 0.3f ? Shade(casing, 0.6f) : casing;
    });
    Painter painter(image);
    painter.Fill(Circle(0.36f, 0.5f, 0.32f), Hex(0x202020));
    for (int blade = 0; blade < 4; ++blade) {
        const float turns = static_cast<float>(blade) / 4 + 0.1f;
        painter.Fill(Ellipse(0.36f + 0.14f * SinTurns(turns), 0.5f - 0.14f * CosTurns(turns), 0.06f,
                             0.14f, -turns),
                     Hex(0x5A5A58));
    }
    for (float r = 0.08f; r < 0.33f; r += 0.05f) {
        painter.Fill(Ring(0.36f, 0.5f, r, 0.005f), Hex(0x9A9890));
    }
    Ticks(painter, 0.36f, 0.5f, 0.05f, 0.32f, 8, 0.005f, Hex(0x9A9890));
    return image;
}

// Rows of grey clay roof tiles, each rounded across and overlapping the row below.
Image RoofTiles(int size) {
    const TilingNoise weathering(0x2F, 8);
    return Shaded(size, [&](float u, float v) {
        const TileCell tile = Tiles(u, v, 8, 8, 0.0f, false);
        const float round = 0.55f + 0.45f * SinTurns(tile.localU * 0.5f);
        const float overlap = 0.6f + 0.4f * SmoothStep(0.0f, 0.25f, tile.localV);
        const Colour clay = Mix(Hex(0x3A3E44), Hex(0x7A8088), weathering.Fbm(u, v, 4));
        return Shade(clay, round * overlap * (0.9f + 0.2f * Unit(tile.id)));
    });
}

// The round end caps along the eaves, each with a three-comma swirl.
Image RoofEnds(int size) {
    Image image = RoofTiles(size);
    Painter painter(image);
    for (int cap = 0; cap < 4; ++cap) {
        const float cu = (static_cast<float>(cap) + 0.5f) / 4;
        painter.Fill(Circle(cu, 0.7f, 0.11f), Hex(0x2A2E32));
        painter.Fill(Ring(cu, 0.7f, 0.085f, 0.01f), Hex(0x50565C));
        for (int comma = 0; comma < 3; ++comma) {
            const float turns = static_cast<float>(comma) / 3;
            painter.Fill(
                Circle(cu + 0.03f * SinTurns(turns), 0.7f - 0.03f * CosTurns(turns), 0.02f),
                Hex(0x50565C));
        }
    }
    return image;
}

Image NightSky(int size) {
    const TilingNoise clouds(0x5C1, 4, 2);
    const GradientStop ramp[] = {{0.0f, Hex(0x02030A)},
                                 {0.55f, Hex(0x0A1230)},
                                 {0.85f, Hex(0x1A2448)},
                                 {1.0f, Hex(0x24305A)}};
    Image image = Shaded(size, [&](float u, float v) {
        const float haze = SmoothStep(0.5f, 0.8f, clouds.Fbm(u, v, 5)) * 0.25f;
        return Mix(Gradient(ramp, v), Hex(0x3A4464), haze);
    });
    Painter painter(image);
    Rng rng(0x57A2);
    const float pixel = 1.0f / static_cast<float>(size);
    for (int star = 0; star < 400; ++star) {
        const float u = rng.Unit();
        const float v = rng.Range(0.0f, 0.75f);
        const float brightness = rng.Unit();
        const float radius = pixel * (brightness > 0.95f ? 1.2f : 0.6f);
        painter.Fill(Circle(u, v, radius), Mix(Hex(0xB0C0FF), Hex(0xFFF8E8), rng.Unit()),
                     0.4f + 0.6f * brightness * (1 - v));
    }
    return image;
}

// A red fire extinguisher's body: a shaded cylinder, a black band and a white label.
Image Extinguisher(int size) {
    Image image = Shaded(size, [](float u, float) {
        const float round = SinTurns(u * 0.5f);
        const float highlight = SmoothStep(0.1f, 0.0f, std::fabs(u - 0.3f)) * 0.4f;
        return Mix(Shade(Hex(0xD01A1A), 0.5f + 0.5f * round), Hex(0xFFD0D0), highlight);
    });
    Painter painter(image);
    painter.Fill(Box(0.5f, 0.06f, 0.5f, 0.06f), Hex(0x181818));
    painter.Fill(Box(0.5f, 0.5f, 0.22f, 0.2f, 0.01f), Hex(0xF4F2EC));
    const Colour marks[] = {Hex(0xF4F2EC), Hex(0xF0C020), Hex(0x2050C0)};
    for (int mark = 0; mark < 3; ++mark) {
        const float cu = 0.36f + static_cast<float>(mark) * 0.14f;
        painter.Fill(Circle(cu, 0.42f, 0.05f), Hex(0x202020));
        painter.Fill(Circle(cu, 0.42f, 0.04f), marks[mark]);
    }
    Rng rng(0x5E1);
    painter.Handwriting(rng, 0.32f, 0.5f, 0.68f, 0.68f, 0.06f, Hex(0x202020));
    return image;
}

Image Porcelain(int size) {
    const TilingNoise glaze(0x701E, 4);
    return Shaded(size, [&](float u, float v) {
        const float sheen = SmoothStep(0.75f, 0.95f, glaze.Fbm(u, v, 3));
        return Mix(Mix(Hex(0xCED2D4), Hex(0xF4F6F6), glaze.Fbm(u, v, 2)), Hex(0xFFFFFF), sheen);
    });
}

// Perforated metal: a grid of dark holes in grey-green sheet.
Image TrashBox(int size) {
    const TilingNoise streaks(0x72A5, 2, 48);
    return Shaded(size, [&](float u, float v) {
        const TileCell hole = Tiles(u, v, 16, 16, 0.0f, true);
        const float du = hole.localU - 0.5f, dv = hole.localV - 0.5f;
        const Colour sheet = PaintedMetal(streaks, Hex(0x6A786E), u, v);
        return du * du + dv * dv < 0.07f ? Hex(0x0E100E) : sheet;
    });
}

Image Television(int size) {
    Image image = WoodPlain(size, 0x7E7E, Hex(0x6A4428), Hex(0x3A220E));
    Painter painter(image);
    painter.Fill(Box(0.4f, 0.5f, 0.34f, 0.32f, 0.08f), Hex(0x101010));
    painter.Fill(Box(0.4f, 0.5f, 0.3f, 0.28f, 0.07f), Hex(0x2A3430));
    painter.Fill(Ellipse(0.3f, 0.35f, 0.12f, 0.05f, -0.08f), Hex(0x6A7A76), 0.5f);
    for (float cv : {0.3f, 0.5f}) {
        painter.Fill(Circle(0.87f, cv, 0.05f), Hex(0x1A1A1A));
        painter.Fill(Segment(0.87f, cv, 0.87f, cv - 0.04f, 0.008f), Hex(0xC0C0C0));
    }
    for (float v = 0.65f; v < 0.82f; v += 0.03f) {
        painter.Fill(Segment(0.82f, v, 0.92f, v, 0.006f), Hex(0x1A1A1A));
    }
    return image;
}

// A tea caddy: green paper wrapping with gold dots under a tin lid band.
Image TeaCaddy(int size) {
    const TilingNoise fibres(0x7EA, 16);
    Image image = Shaded(size, [&](float u, float v) {
        if (v < 0.2f) return Shade(Hex(0xB0B4B0), 0.8f + 0.2f * SinTurns(u));
        const Colour paper = Mix(Hex(0x2A5A30), Hex(0x3E7A44), fibres.Fbm(u, v, 4));
        const TileCell dot = Tiles(u, v, 8, 8, 0.0f, true);
        const float du = dot.localU - 0.5f, dv = dot.localV - 0.5f;
        return du * du + dv * dv < 0.03f ? Hex(0xD8B860) : paper;
    });
    Painter(image).Fill(Box(0.5f, 0.2f, 0.5f, 0.01f), Hex(0x505450));
    return image;
}

Image Planter(int size) {
    const TilingNoise clay(0x91A, 8);
    return Shaded(size, [&](float u, float v) {
        const Colour terracotta = Mix(Hex(0x8A4028), Hex(0xC06A44), clay.Fbm(u, v, 4));
        const bool band = std::fabs(v - 0.12f) < 0.04f || std::fabs(v - 0.88f) < 0.03f;
        return band ? Shade(terracotta, 0.8f) : terracotta;
    });
}

// A glazed pot: dark brown glaze running down over blue-grey.
Image Pot(int size) {
    const TilingNoise drips(0x907, 12, 2);
    return Shaded(size, [&](float u, float v) {
        const float runs = v + 0.3f * drips.Fbm(u, v, 3);
        return Mix(Hex(0x4A2A18), Hex(0x5A6A7A), SmoothStep(0.5f, 0.7f, runs));
    });
}

Image Bottle(int size) {
    Image image = Shaded(size, [](float u, float) {
        const float highlight = SmoothStep(0.08f, 0.0f, std::fabs(u - 0.25f));
        return Mix(Hex(0x3A2008), Hex(0xC8A070), highlight * 0.7f);
    });
    Painter painter(image);
    painter.Fill(Box(0.5f, 0.6f, 0.5f, 0.18f), Hex(0xEEE4CC));
    painter.Fill(Circle(0.5f, 0.6f, 0.12f), Hex(0xC02020));
    painter.Fill(Box(0.5f, 0.45f, 0.5f, 0.01f), Hex(0xC8A040));
    painter.Fill(Box(0.5f, 0.75f, 0.5f, 0.01f), Hex(0xC8A040));
    return image;
}

Image LampShade(int size) {
    const TilingNoise fibres(0xDE2, 16);
    return Shaded(size, [&](float u, float v) {
        const Colour washi = Mix(Hex(0xE8C888), Hex(0xFFF0C8), fibres.Fbm(u, v, 5));
        const float rib = std::fabs(Fraction(v * 6) - 0.5f);
        return rib > 0.46f ? Hex(0x6A4A28) : washi;
    });
}

// The vending machine's front: lit rows of cans behind glass, a button under each can, the coin
// panel and the dark take-out slot below.
Image VendingMachine(int size) {
    Image image = Blank(size, Hex(0xB81C20));
    Painter painter(image);
    painter.Fill(Box(0.42f, 0.3f, 0.36f, 0.26f, 0.01f), Hex(0xE8F0F4));
    const Colour cans[] = {Hex(0x2050C0), Hex(0xE0A020), Hex(0x20A050),
                           Hex(0xC02030), Hex(0x8A5A30), Hex(0xE8E8E8)};
    for (int row = 0; row < 3; ++row) {
        const float cv = 0.12f + static_cast<float>(row) * 0.17f;
        for (int column = 0; column < 6; ++column) {
            const float cu = 0.13f + static_cast<float>(column) * 0.116f;
            painter.Fill(Box(cu, cv, 0.035f, 0.055f, 0.015f), cans[(row * 2 + column) % 6]);
            painter.Fill(Box(cu - 0.015f, cv, 0.008f, 0.045f), Hex(0xFFFFFF), 0.5f);
            painter.Fill(Box(cu, cv + 0.075f, 0.03f, 0.01f, 0.004f), Hex(0x40E040));
        }
    }
    painter.Fill(Box(0.88f, 0.4f, 0.07f, 0.12f, 0.01f), Hex(0x303034));
    painter.Fill(Box(0.88f, 0.34f, 0.008f, 0.03f), Hex(0x0A0A0A));
    painter.Fill(Box(0.88f, 0.46f, 0.04f, 0.015f), Hex(0x0A0A0A));
    painter.Fill(Box(0.42f, 0.84f, 0.3f, 0.07f, 0.01f), Hex(0x101012));
    return image;
}

Image White(int size) {
    return Blank(size, Hex(0xFFFFFF));
}

// ---- The table ----------------------------------------------------------------------------

struct Recipe {
    std::string_view name;
    int size;  // pixels on a side
    Image (*paint)(int size);
};

// clang-format off
constexpr Recipe kRecipes[] = {
    {"leaf.png", 128, Leaf},
    {"zasou.png", 128, Grass},
    {"spn_cav.png", 128, Cobweb},
    {"fire.bmp", 64, Fire},
    {"note.bmp", 256, Note},
    {"smoke.bmp", 64, Smoke},
    {"border.bmp", 128, Border},
    {"darts.bmp", 64, DartFlights},
    {"fish.bmp", 128, FishSkin},
    {"fishface.bmp", 128, FishFace},
    {"hair.bmp", 128, Hair},
    {"face.bmp", 128, Face},
    {"gt.bmp", 128, Yukata},
    {"bottle.bmp", 64, Bottle},
    {"sinc_dyning.bmp", 128, [](int s) { return Stainless(s, 0x51C, Hex(0xC8CCD0)); }},
    {"bathdoor.bmp", 128, [](int s) { return GlazedDoor(s, 0xBD, Hex(0xB89068), Hex(0x7A5A3A), 2); }},
    {"ki.bmp", 128, [](int s) { return WoodPlain(s, 0x4B1, Hex(0xE0BC8A), Hex(0xA87C4E)); }},
    {"bath_white.bmp", 128, [](int s) { return GlazedTiles(s, 8, Hex(0xF0F0EC), Hex(0xA0A4A4), 0.03f); }},
    {"bath_door.bmp", 128, [](int s) { return GlazedDoor(s, 0xBD2, Hex(0xC8CCD0), Hex(0x8A9096), 1); }},
    {"datui.bmp", 128, Lockers},
    {"datui_door.bmp", 128, [](int s) { return GlazedDoor(s, 0xDD, Hex(0xA87C50), Hex(0x6A4A2A), 0); }},
    {"kabe.bmp", 256, PlasterWall},
    {"rest_door.bmp", 128, ToiletDoor},
    {"taijukei.bmp", 128, Scale},
    {"jutan.bmp", 256, Carpet},
    {"ki1.bmp", 128, [](int s) { return WoodPlain(s, 0x4B2, Hex(0x9A6A40), Hex(0x5A3618)); }},
    {"noren_man.bmp", 128, [](int s) { return Noren(s, Hex(0x1C2A5E)); }},
    {"noren_woman.bmp", 128, [](int s) { return Noren(s, Hex(0xB41E2A)); }},
    {"bath_dairi.bmp", 128, Marble},
    {"bath_floor.bmp", 256, BathFloor},
    {"rest_wall.bmp", 128, [](int s) { return GlazedTiles(s, 8, Hex(0xA8C8C4), Hex(0xE8ECE8), 0.06f); }},
    {"bouka.bmp", 128, FirePrevention},
    {"clock.bmp", 128, Clock},
    {"coin.bmp", 64, Coin},
    {"dartsbord.bmp", 256, Dartboard},
    {"denki.bmp", 128, LampShade},
    {"desk.bmp", 128, [](int s) { return WoodPlain(s, 0xDE5, Hex(0x6A3E20), Hex(0x2E180A)); }},
    {"dining_floor.bmp", 256, Floorboards},
    {"room_plat.bmp", 128, RoomPlate},
    {"exit.bmp", 128, ExitSign},
    {"exit_door.bmp", 128, SteelDoor},
    {"sand.bmp", 128, Sand},
    {"husuma.bmp", 256, Husuma},
    {"innmora.bmp", 256, InnSign},
    {"sekurabe.bmp", 128, HeightMarks},
    {"kinko.bmp", 128, Safe},
    {"planter.bmp", 128, Planter},
    {"pot.bmp", 128, Pot},
    {"publictel.bmp", 128, PublicPhone},
    {"rest_zimen.bmp", 128, [](int s) { return GlazedTiles(s, 16, Hex(0xB8B0A0), Hex(0x6A6660), 0.1f); }},
    {"rasikase.bmp", 128, RadioCassette},
    {"reizouko.bmp", 128, Fridge},
    {"rest_handle.bmp", 64, Chrome},
    {"rezisuta.bmp", 128, CashRegister},
    {"roof_air.bmp", 128, AirConditioner},
    {"roof.bmp", 256, RoofTiles},
    {"roof_tail.bmp", 128, RoofEnds},
    {"tatami.bmp", 256, Tatami},
    {"senpu.bmp", 128, Fan},
    {"sky.bmp", 512, NightSky},
    {"syoukaki.bmp", 128, Extinguisher},
    {"toile.bmp", 128, Porcelain},
    {"tel.bmp", 128, Telephone},
    {"trashbox.bmp", 128, TrashBox},
    {"tv.bmp", 128, Television},
    {"tyaire.bmp", 128, TeaCaddy},
    {"white.bmp", 32, White},
    {"zihanki.bmp", 256, VendingMachine},
};
// clang-format on

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

Image TextureImage(std::string_view name) {
    const auto* recipe = std::ranges::find(kRecipes, name, &Recipe::name);
    if (recipe == std::end(kRecipes)) {
        throw std::runtime_error("no texture recipe for " + std::string(name));
    }
    return recipe->paint(recipe->size);
}
