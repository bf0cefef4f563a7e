// What the player throws, holds or picks up.
#include <initializer_list>
#include <iterator>

#include "models/CharactersKit.h"
#include "models/CharactersParts.h"

namespace {

constexpr int kRound = 20;  // segments round small turned things

enum Finish : size_t {
    kSteel,
    kBrass,
    kBlackPaint,
    kFlights,
    kLabelledGlass,
    kBrownGlass,
    kGoldCap,
    kRubber,
    kChrome,
    kLens,
    kSwitch,
    kTag,
    kCoin,
    kRedPaint,
    kExtinguisherLabel,
    kGaugeFace,
};

const Material kFinishes[] = {
    Shiny(Plain(0xC8CCD0), 60, 0.8f),          Shiny(Plain(0xB08A3C), 40, 0.6f),
    Shiny(Plain(0x1C1C1E), 20, 0.3f),          Shiny(Textured("darts.bmp"), 8, 0.1f),
    Shiny(Textured("bottle.bmp"), 60, 0.7f),   Shiny(Plain(0x3A2008), 60, 0.7f),
    Shiny(Plain(0xC8A040), 40, 0.6f),          Shiny(Plain(0x242426), 10, 0.15f),
    Shiny(Plain(0xB8BCC0), 80, 0.9f),          Shiny(Plain(0xF8F4D8), 80, 0.9f),
    Shiny(Plain(0xB02020), 20, 0.3f),          Shiny(Plain(0x7A1A22), 30, 0.4f),
    Shiny(Textured("coin.bmp"), 40, 0.6f),     Shiny(Plain(0xC01818), 30, 0.4f),
    Shiny(Textured("syoukaki.bmp"), 30, 0.4f), Shiny(Plain(0xF4F2EC), 20, 0.3f),
};

// A turned part round the y axis through the (radius, y) points of `profile`, bottom to top.
void AddTurned(Mesh& mesh, std::initializer_list<Vec2> profile, int segments, uint32_t material,
               const Transform& placement = {}) {
    Mesh part;
    AddLathe(part, std::span<const Vec2>(profile.begin(), profile.size()), segments, material);
    Append(mesh, part, placement);
}

}  // namespace

// A dart, its steel tip at the origin pointing along -z, 0.8 long to the end of its flights
// (the dart is drawn at 0.15 world units to one).
Mesh Dart() {
    Mesh mesh;
    Palette finish(mesh, kFinishes);
    const Transform alongZ = Transform::RotateX(90);  // built along +y, laid along +z
    AddTurned(mesh, {{0, 0}, {0.012f, 0.06f}, {0.02f, 0.16f}}, 12, finish[kSteel], alongZ);
    AddTurned(mesh, {{0.02f, 0.16f}, {0.038f, 0.2f}, {0.04f, 0.38f}, {0.028f, 0.42f}}, 12,
              finish[kBrass], alongZ);
    AddTurned(mesh, {{0.028f, 0.42f}, {0.014f, 0.43f}, {0.014f, 0.62f}, {0, 0.64f}}, 8,
              finish[kBlackPaint], alongZ);
    // Two flights crossing on the shaft, each a thin kite drawn across x and along y.
    const Vec2 flight[] = {{-0.015f, 0.5f}, {0.015f, 0.5f}, {0.09f, 0.62f},
                           {0.09f, 0.8f},   {-0.09f, 0.8f}, {-0.09f, 0.62f}};
    for (float turn : {0.0f, 90.0f}) {
        Mesh vane;
        AddExtrusion(vane, flight, -0.004f, 0.004f, finish[kFlights]);
        const auto first = mesh.NextVertex();
        const Transform placement = alongZ.Then(Transform::RotateZ(turn));
        Append(mesh, vane, placement);
        ProjectPlanarUvs(mesh, first, {0, 0, 0.65f}, placement.Direction({0.09f, 0, 0}),
                         {0, 0, 0.15f});
    }
    return mesh;
}

// A small brown medicine bottle, 3.2 tall, radius 0.6, its origin in the middle of its body
// where the hand grips it (the rig draws it at 0.045 world units to one).
Mesh Bottle() {
    Mesh mesh;
    Palette finish(mesh, kFinishes);
    // The picture wraps once round the body; turned so the label's seal (u 0.5) looks along -z.
    Mesh body;
    AddFrustumSide(body, 0.6f, -1.4f, 0.6f, 0.6f, kRound, finish[kLabelledGlass]);
    Append(mesh, body, Transform::RotateY(-90));
    AddTurned(mesh, {{0, -1.5f}, {0.55f, -1.5f}, {0.6f, -1.4f}}, kRound, finish[kBrownGlass]);
    AddTurned(mesh, {{0.6f, 0.6f}, {0.45f, 0.9f}, {0.22f, 1.05f}, {0.22f, 1.35f}}, kRound,
              finish[kBrownGlass]);
    AddTurned(mesh, {{0.2f, 1.35f}, {0.27f, 1.35f}, {0.27f, 1.72f}, {0.24f, 1.75f}, {0, 1.75f}},
              kRound, finish[kGoldCap]);
    return mesh;
}

// A hand torch in world units: the grip round the origin, its body along +y to the lens at
// y 0.2, where the game hangs the glowing lens; 0.31 long, the head 0.11 across.
Mesh Flashlight() {
    Mesh mesh;
    Palette finish(mesh, kFinishes);
    AddTurned(mesh, {{0, -0.11f}, {0.024f, -0.11f}, {0.028f, -0.1f}, {0.028f, 0.1f}}, kRound,
              finish[kRubber]);
    AddTurned(mesh,
              {{0.028f, 0.1f}, {0.05f, 0.165f}, {0.055f, 0.2f}, {0.047f, 0.2f}, {0.045f, 0.196f}},
              kRound, finish[kChrome]);
    AddDisc(mesh, 0.045f, 0.196f, true, kRound, finish[kLens]);
    AddBevelledBox(mesh, {-0.008f, 0.01f, 0.022f}, {0.008f, 0.05f, 0.034f}, 0.002f,
                   finish[kSwitch]);
    return mesh;
}

// A brass room key on a red tag, lying flat on y 0 in world units: the key along +x from its
// bow at x -0.04 to its bit at x 0.05, the tag beyond the bow; origin under the key's middle.
Mesh Key() {
    Mesh mesh;
    Palette finish(mesh, kFinishes);
    constexpr float kThick = 0.003f;  // half the key's thickness
    // The bow, a flat ring; the shaft; two teeth of the bit.
    AddTurned(mesh,
              {{0.007f, 0}, {0.013f, 0}, {0.013f, 2 * kThick}, {0.007f, 2 * kThick}, {0.007f, 0}},
              kRound, finish[kBrass], Transform::Translate({-0.028f, 0, 0}));
    AddRod(mesh, {-0.016f, kThick, 0}, {0.05f, kThick, 0}, 0.0028f, 8, finish[kBrass]);
    AddBox(mesh, {0.03f, 0.0005f, 0}, {0.037f, 0.0055f, 0.011f}, finish[kBrass]);
    AddBox(mesh, {0.042f, 0.0005f, 0}, {0.049f, 0.0055f, 0.008f}, finish[kBrass]);
    // A split ring through the bow, and the long tag hanging from it.
    AddTurned(mesh, {{0.006f, 0}, {0.008f, 0}, {0.008f, 0.002f}, {0.006f, 0.002f}, {0.006f, 0}}, 12,
              finish[kSteel], Transform::Translate({-0.045f, 0, 0}));
    const Vec2 tag[] = {{-0.05f, -0.008f}, {-0.1f, -0.012f}, {-0.104f, -0.006f}, {-0.104f, 0.006f},
                        {-0.1f, 0.012f},   {-0.05f, 0.008f}, {-0.047f, 0}};
    Mesh plate;
    AddExtrusion(plate, tag, 0, 0.004f, finish[kTag]);
    Append(mesh, plate, Transform::RotateX(-90));
    return mesh;
}

// An old brass coin with a square-edged hole, lying flat on y 0, radius 0.025 world units.
Mesh Coin() {
    Mesh mesh;
    Palette finish(mesh, kFinishes);
    constexpr float kRadius = 0.025f;
    constexpr float kHole = 0.0055f;
    constexpr float kThickness = 0.004f;
    AddTurned(mesh,
              {{kHole, 0}, {kRadius, 0}, {kRadius, kThickness}, {kHole, kThickness}, {kHole, 0}},
              28, finish[kCoin]);
    // The picture's rim ring (at 0.44 of its half width, 0.03 wide) on the coin's edge.
    constexpr float kPictureHalf = kRadius * 0.5f / 0.47f;
    ProjectPlanarUvs(mesh, 0, {0, 0, 0}, {kPictureHalf, 0, 0}, {0, 0, kPictureHalf});
    return mesh;
}

// A red fire extinguisher standing on y 0, 0.44 tall in world units, origin under its middle;
// its label faces -z, the hose hangs down its right side (+x).
Mesh Extinguisher() {
    Mesh mesh;
    Palette finish(mesh, kFinishes);
    // The body's picture wraps once round it; turned so the label (u 0.5) looks along -z.
    Mesh body;
    AddFrustumSide(body, 0.065f, 0.025f, 0.065f, 0.34f, 24, finish[kExtinguisherLabel]);
    Append(mesh, body, Transform::RotateY(-90));
    AddTurned(mesh, {{0, 0}, {0.068f, 0}, {0.068f, 0.02f}, {0.065f, 0.025f}}, 24,
              finish[kBlackPaint]);
    AddTurned(mesh, {{0.065f, 0.34f}, {0.055f, 0.37f}, {0.03f, 0.385f}, {0.016f, 0.388f}}, 24,
              finish[kRedPaint]);
    AddTurned(mesh, {{0.016f, 0.385f}, {0.016f, 0.425f}, {0, 0.43f}}, 12, finish[kChrome]);
    // Squeeze lever over the carrying handle, both black.
    AddBevelledBox(mesh, {-0.02f, 0.43f, -0.008f}, {0.075f, 0.44f, 0.008f}, 0.003f,
                   finish[kBlackPaint]);
    AddBevelledBox(mesh, {-0.02f, 0.408f, -0.008f}, {0.07f, 0.418f, 0.008f}, 0.003f,
                   finish[kBlackPaint]);
    // Pressure gauge on the front of the valve, its face towards -z.
    Mesh gauge;
    AddFrustumSide(gauge, 0.012f, 0, 0.012f, 0.008f, 12, finish[kChrome]);
    AddDisc(gauge, 0.011f, 0.0085f, true, 12, finish[kGaugeFace]);
    Append(mesh, gauge,
           Transform::RotateX(-90).Then(Transform::Translate({-0.012f, 0.405f, -0.014f})));
    // The hose, from the valve down the right side to its nozzle.
    const Vec3 hose[] = {{0.02f, 0.41f, 0.01f},
                         {0.07f, 0.39f, 0.02f},
                         {0.085f, 0.3f, 0.025f},
                         {0.083f, 0.17f, 0.025f}};
    for (size_t i = 0; i + 1 < std::size(hose); ++i) {
        AddRod(mesh, hose[i], hose[i + 1], 0.008f, 8, finish[kBlackPaint]);
    }
    AddTurned(mesh, {{0, 0.13f}, {0.007f, 0.13f}, {0.01f, 0.17f}}, 10, finish[kBlackPaint],
              Transform::Translate({0.083f, 0, 0.025f}));
    return mesh;
}
