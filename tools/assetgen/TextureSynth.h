#pragma once
// The texture synthesis kit: colours, tiling noise, pattern fields and anti-aliased shapes from
// which the recipes in Textures.cpp paint the game's pictures.
//
// Every result is a pure function of its arguments and fixed seeds. Only +, -, *, / and sqrt are
// used on floats (all exactly rounded under IEEE 754); sines and angles come from the polynomials
// below, not from the C library, so the bytes do not depend on the machine's libm.
//
// Coordinates: u runs left to right and v top to bottom over the picture, both 0 to 1; a pixel's
// centre is ((x + 0.5) / width, (y + 0.5) / height).
#include <cstdint>
#include <functional>
#include <span>

#include "Image.h"

namespace synth {

// A colour with channels 0 to 1 (values outside are clamped when written).
struct Colour {
    float r, g, b;
};

// 0xRRGGBB.
Colour Hex(uint32_t rgb);
// a where t = 0, b where t = 1; t is not clamped.
Colour Mix(Colour a, Colour b, float t);
// Each channel times `k`: below 1 darkens, above 1 brightens.
Colour Shade(Colour c, float k);
// Rounded to 8 bits per channel, clamped to 0..255; `alpha` 0 to 1.
Rgba8 ToRgba8(Colour c, float alpha = 1);

// A colour ramp: `stops` in rising order of `at`; t before the first or after the last stop
// takes that stop's colour.
struct GradientStop {
    float at;
    Colour colour;
};
Colour Gradient(std::span<const GradientStop> stops, float t);

float Clamp01(float t);
// 0 below `edge0`, 1 above `edge1`, the smooth cubic between (edge0 < edge1).
float SmoothStep(float edge0, float edge1, float t);
// t - floor(t), in [0, 1).
float Fraction(float t);
// sin(2 pi turns), to within 2e-4.
float SinTurns(float turns);
float CosTurns(float turns);
// The angle of the direction (x, y) in turns, 0 to 1, counted from +x towards +y; 0 for (0, 0).
// Within 2e-4 turns.
float AngleTurns(float x, float y);

// 32-bit hash of two lattice coordinates and a seed; the same on every machine.
uint32_t Hash(int32_t x, int32_t y, uint32_t seed);

// A small deterministic generator for placing strokes, stars and the like.
class Rng {
  public:
    explicit Rng(uint32_t seed) : state_(seed) {}
    uint32_t Next();
    // Uniform in [0, 1).
    float Unit();
    // Uniform in [low, high).
    float Range(float low, float high);

  private:
    uint32_t state_;
};

// Value noise on a lattice that wraps at u, v = 1, so textures made from it tile seamlessly.
class TilingNoise {
  public:
    // `cellsU` x `cellsV` lattice cells across the unit square at the first octave (each >= 1).
    TilingNoise(uint32_t seed, int cellsU, int cellsV);
    TilingNoise(uint32_t seed, int cells) : TilingNoise(seed, cells, cells) {}

    // 0 to 1, smoothly interpolated.
    float Value(float u, float v) const;
    // Sum of `octaves` layers, each of twice the frequency and half the weight of the last,
    // normalised to 0 to 1.
    float Fbm(float u, float v, int octaves) const;

  private:
    float Layer(float u, float v, int octave) const;

    uint32_t seed_;
    int cellsU_;
    int cellsV_;
};

// Pattern fields. Each gives a shade from 0 (dark) to 1 (light) for a point of the picture.

// Wood seen along the grain, which runs down the picture: `rings` growth rings across, bent by
// `noise`.
float WoodGrain(const TilingNoise& noise, float u, float v, float rings);
// A tatami face: `rows` bundles of rush across the picture, each woven over `stitches` warp
// threads.
float TatamiWeave(float u, float v, int rows, int stitches);
// Plain weave of `threads` threads each way.
float FabricWeave(float u, float v, int threads);
// Metal brushed along u: pass noise with many more cells down than across.
float BrushedMetal(const TilingNoise& streaks, float u, float v);
// Lime plaster: soft clouding with a few small pits.
float Plaster(const TilingNoise& noise, float u, float v);
// Polished marble: pale with dark veins running diagonally.
float Marble(const TilingNoise& noise, float u, float v);

// Where a point lies in a grid of `across` x `down` tiles with joints `joint` wide (in tile
// widths); `staggered` shifts every other row by half a tile, as bricks and roof tiles lie.
struct TileCell {
    bool inJoint;
    float edge;            // 0 on the joint, rising to 1 a fifth of a tile inside: for bevels
    uint32_t id;           // differs from tile to tile, for per-tile variation
    float localU, localV;  // position inside the tile, 0 to 1
};
TileCell Tiles(float u, float v, int across, int down, float joint, bool staggered);

// Signed distance fields, in picture units (u, v), negative inside.
struct Shape {
    std::function<float(float u, float v)> distance;
    float left, top, right, bottom;  // a box outside which the shape does not reach
};
Shape Circle(float cu, float cv, float radius);
Shape Ring(float cu, float cv, float radius, float halfWidth);
// An axis-aligned box with rounded corners (`corner` <= both half sizes).
Shape Box(float cu, float cv, float halfU, float halfV, float corner = 0);
// An ellipse with radii `radiusU`, `radiusV`, turned by `turns` (clockwise on the picture).
// Distance is exact on the axes and approximate elsewhere, good enough for anti-aliasing.
Shape Ellipse(float cu, float cv, float radiusU, float radiusV, float turns = 0);
// A line from (u0, v0) to (u1, v1) with round ends.
Shape Segment(float u0, float v0, float u1, float v1, float halfWidth);

// Paints on an image. Colour writes keep the alpha channel unless they say otherwise.
class Painter {
  public:
    explicit Painter(Image& image) : image_(image) {}

    // Every pixel from `shader` at its centre.
    void Shade(const std::function<Colour(float u, float v)>& shader);
    // Blends `colour` over the pixels inside `shape`, anti-aliased over one pixel.
    void Fill(const Shape& shape, Colour colour, float opacity = 1);
    // Sets the alpha channel of every pixel from `alpha` (0 to 1) at its centre.
    void SetAlpha(const std::function<float(float u, float v)>& alpha);
    // Raises the alpha channel to cover `shape` (anti-aliased); colour is left as it is.
    void Reveal(const Shape& shape);
    // Lines of handwriting-like scribble inside the box, one line every `lineStep`, in `ink`.
    void Handwriting(Rng& rng, float left, float top, float right, float bottom, float lineStep,
                     Colour ink);

  private:
    template <typename Apply>
    void Cover(const Shape& shape, Apply apply);

    Image& image_;
};

}  // namespace synth
