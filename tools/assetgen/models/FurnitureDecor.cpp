// Lamps, the clock, the dartboard, the painting, the curtain and the ashtray.
#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <utility>
#include <vector>

#include "models/FurnitureKit.h"
#include "models/FurnitureLayout.h"
#include "models/FurnitureParts.h"

namespace furniture {
namespace {

constexpr int kRound = 16;  // segments around small turned parts
constexpr double kTau = 2 * std::numbers::pi;

Material Brass() {
    return Shiny(Plain(0xC8A048), 40, 0.6f);
}

// A closed ring of `radius` around the y axis at height `y`, as a tube of `thickness`.
void AddHoopRing(Mesh& mesh, float radius, float y, float thickness, uint32_t material) {
    constexpr int kSteps = 24;
    std::vector<Vec3> path;
    for (int i = 0; i <= kSteps; ++i) {
        const double angle = kTau * i / kSteps;
        path.push_back({static_cast<float>(radius * std::cos(angle)), y,
                        static_cast<float>(radius * std::sin(angle))});
    }
    AddTube(mesh, path, thickness, 6, material);
}

// A flat prism of the outline `outline` (x, y) standing `depth` thick in front of z `behind`.
void AddCutOut(Mesh& mesh, std::span<const Vec2> outline, float behind, float depth,
               uint32_t material) {
    AddExtrusion(mesh, outline, behind - depth, behind, material);
}

}  // namespace

// A pendulum wall clock in dark wood: the dial of 0.13 radius in a square head, the pendulum in a
// dark box below; 0.36 wide, 0.84 high, 0.09 deep. Origin on the wall behind the dial's centre;
// the hands, rows of their own, turn about kClockDial.
Mesh WallClock() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 20, 0.25f));
    const uint32_t dial = mesh.AddMaterial(Textured("clock.bmp"));
    const uint32_t face = mesh.AddMaterial(Plain(0xEEE6D2));
    const uint32_t shadow = mesh.AddMaterial(Plain(0x1A120C));
    const uint32_t brass = mesh.AddMaterial(Brass());
    constexpr float kRadius = 0.13f;
    // The head and its crown.
    AddGrainedBox(mesh, {-0.16f, -0.17f, -0.08f}, {0.16f, 0.17f, 0}, wood);
    AddChamferedBox(mesh, {-0.18f, 0.17f, -0.09f}, {0.18f, 0.21f, 0}, 0.01f, wood);
    // The dial: the picture's ring of marks, and plain enamel inside it where the picture paints
    // hands of its own (the real hands turn in front).
    constexpr float kDialZ = -0.085f;
    constexpr float kMarksFrom = 0.65f * kRadius;
    AddRoundPicture(mesh, {0, 0, kDialZ}, kMarksFrom, kRadius, 48, dial);
    AddRoundPicture(mesh, {0, 0, kDialZ}, 0, kMarksFrom, 48, face);
    Place(mesh, TowardsFront().Then(Transform::Translate({0, 0, -0.08f})), [&](Mesh& part) {
        const std::array<Vec2, 4> bezel = {
            {{0.115f, 0}, {0.128f, 0}, {0.128f, 0.008f}, {0.118f, 0.012f}}};
        AddTurned(part, bezel, 48, brass);
    });
    AddRod(mesh, {0, 0, kDialZ}, {0, 0, kClockDial.z + 0.002f}, 0.005f, 8, brass);
    // The pendulum box: a frame round a dark window, the brass pendulum swinging inside it.
    constexpr float kBoxTop = -0.17f, kBoxBottom = -0.6f;
    AddGrainedBox(mesh, {-0.12f, kBoxBottom, -0.02f}, {0.12f, kBoxTop, 0}, wood);
    AddBox(mesh, {-0.095f, kBoxBottom + 0.04f, -0.021f}, {0.095f, kBoxTop - 0.03f, -0.02f}, shadow);
    for (float x : {-0.12f, 0.095f}) {
        AddGrainedBox(mesh, {x, kBoxBottom, -0.07f}, {x + 0.025f, kBoxTop, -0.02f}, wood);
    }
    AddGrainedBox(mesh, {-0.095f, kBoxBottom, -0.07f}, {0.095f, kBoxBottom + 0.04f, -0.02f}, wood);
    AddGrainedBox(mesh, {-0.095f, kBoxTop - 0.03f, -0.07f}, {0.095f, kBoxTop, -0.02f}, wood);
    AddChamferedBox(mesh, {-0.135f, -0.63f, -0.08f}, {0.135f, kBoxBottom, 0}, 0.008f, wood);
    AddRod(mesh, {0, kBoxTop - 0.03f, -0.045f}, {0, -0.47f, -0.045f}, 0.003f, 8, brass);
    Place(mesh, TowardsFront().Then(Transform::Translate({0, -0.5f, -0.04f})), [&](Mesh& part) {
        const std::array<Vec2, 4> bob = {{{0, 0}, {0.035f, 0}, {0.035f, 0.006f}, {0, 0.01f}}};
        AddTurned(part, bob, 24, brass);
    });
    return mesh;
}

// The dartboard, kDartboardRadius (0.16) round and 0.035 thick, hung by a wire from a nail: origin
// at the nail on the wall, the board's face centred at kDartboardCentre below it.
Mesh Dartboard() {
    Mesh mesh;
    const uint32_t rim = mesh.AddMaterial(Shiny(Plain(0x141414), 20, 0.2f));
    const uint32_t face = mesh.AddMaterial(Textured("dartsbord.bmp"));
    const uint32_t wire = mesh.AddMaterial(Shiny(Plain(0x8A8A86), 40, 0.5f));
    const float depth = -kDartboardCentre.z;
    const Vec3 back{kDartboardCentre.x, kDartboardCentre.y, 0};
    Place(mesh, TowardsFront().Then(Transform::Translate(back)), [&](Mesh& part) {
        const std::array<Vec2, 3> body = {
            {{0, 0}, {kDartboardRadius, 0}, {kDartboardRadius, depth}}};
        AddTurned(part, body, 48, rim);
    });
    AddRoundPicture(mesh, kDartboardCentre, 0, kDartboardRadius, 48, face);
    AddRod(mesh, {0, 0, 0}, {0, 0, -0.02f}, 0.003f, 8, wire);
    // The wire runs from two points on the board's back up over the nail.
    const float halfSpan = 0.1f;
    const float attach = kDartboardCentre.y +
                         std::sqrt(kDartboardRadius * kDartboardRadius - halfSpan * halfSpan) -
                         0.01f;
    const std::array<Vec3, 3> line = {
        {{-halfSpan, attach, -0.006f}, {0, -0.003f, -0.012f}, {halfSpan, attach, -0.006f}}};
    AddTube(mesh, line, 0.0015f, 6, wire);
    return mesh;
}

// The guest rooms' hanging lamp: a round paper shade 0.4 across, lit from within, on a cord 0.45
// long, its pull string hanging to 1.0 below the ceiling; origin at the ceiling rose, where it
// hangs and swings from.
Mesh HangingLamp() {
    Mesh mesh;
    const uint32_t paper = mesh.AddMaterial(GlowingWith(Textured("denki.bmp"), 0x705838));
    const uint32_t bulb = mesh.AddMaterial(GlowingWith(Plain(0xFFF4D0), 0xF0E0B0));
    const uint32_t cord = mesh.AddMaterial(Plain(0x2A2420));
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 20, 0.2f));
    const std::array<Vec2, 5> rose = {
        {{0, -0.025f}, {0.05f, -0.025f}, {0.05f, -0.008f}, {0.04f, 0}, {0, 0}}};
    AddTurned(mesh, rose, 24, wood);
    AddRod(mesh, {0, -0.025f, 0}, {0, -0.45f, 0}, 0.004f, 8, cord);
    AddRod(mesh, {0, -0.44f, 0}, {0, -0.5f, 0}, 0.014f, kRound, cord);
    // The shade bulges between a narrower top and bottom opening; paper inside and out.
    constexpr int kSteps = 10;
    constexpr float kBottom = -0.8f, kTop = -0.48f, kBulge = 0.2f;
    std::vector<Vec2> outside, inside;
    for (int i = 0; i <= kSteps; ++i) {
        const float t = static_cast<float>(i) / kSteps;
        const auto radius =
            static_cast<float>(kBulge * std::sin(std::numbers::pi * (0.15 + 0.7 * t)));
        outside.push_back({radius, kBottom + (kTop - kBottom) * t});
        inside.insert(inside.begin(), {radius - 0.002f, kBottom + (kTop - kBottom) * t});
    }
    AddTurned(mesh, outside, 24, paper);
    AddTurned(mesh, inside, 24, paper);
    AddHoopRing(mesh, outside.front().u, kBottom, 0.004f, wood);
    AddHoopRing(mesh, outside.back().u, kTop, 0.004f, wood);
    Place(mesh, Transform::Translate({0, -0.6f, 0}),
          [&](Mesh& part) { AddSphere(part, 0.035f, kRound, 8, bulb); });
    AddRod(mesh, {0, -0.63f, 0}, {0, -0.99f, 0}, 0.002f, 6, cord);
    Place(mesh, Transform::Translate({0, -0.99f, 0}),
          [&](Mesh& part) { AddSphere(part, 0.01f, 8, 6, wood); });
    return mesh;
}

// A heavy glass ashtray 0.14 across and 0.03 high with a cigarette left on its rim and a little
// ash; origin on the table at its middle.
Mesh Ashtray() {
    Mesh mesh;
    const uint32_t glass = mesh.AddMaterial(Shiny(Plain(0xA8B8B8), 80, 0.8f));
    const uint32_t paper = mesh.AddMaterial(Plain(0xECE8E0));
    const uint32_t filter = mesh.AddMaterial(Plain(0xC88A48));
    const uint32_t ash = mesh.AddMaterial(Plain(0x6A6A66));
    const std::array<Vec2, 7> dish = {{{0, 0},
                                       {0.06f, 0},
                                       {0.07f, 0.01f},
                                       {0.072f, 0.03f},
                                       {0.062f, 0.03f},
                                       {0.05f, 0.014f},
                                       {0, 0.014f}}};
    AddTurned(mesh, dish, 32, glass);
    const std::array<Vec2, 3> heap = {{{0, 0.014f}, {0.025f, 0.014f}, {0, 0.021f}}};
    Place(mesh, Transform::Translate({-0.01f, 0, 0.012f}),
          [&](Mesh& part) { AddTurned(part, heap, 12, ash); });
    const Vec3 tip{0.02f, 0.022f, 0}, band{0.085f, 0.038f, -0.004f}, end{0.105f, 0.043f, -0.005f};
    AddRod(mesh, tip, band, 0.004f, 10, paper);
    AddRod(mesh, band, end, 0.0042f, 10, filter);
    return mesh;
}

// A framed landscape in oils, mountains under the moon over a dark lake: 0.8 x 0.6 in a gilt
// frame 0.045 deep; origin at the middle of its back, on the wall.
Mesh Painting() {
    Mesh mesh;
    const uint32_t gilt = mesh.AddMaterial(Shiny(Plain(0x8A6A2A), 40, 0.5f));
    const uint32_t sky = mesh.AddMaterial(Plain(0x2A3450));
    const uint32_t moon = mesh.AddMaterial(GlowingWith(Plain(0xE8E0B0), 0x403C28));
    const uint32_t range = mesh.AddMaterial(Plain(0x4A5670));
    const uint32_t lake = mesh.AddMaterial(Shiny(Plain(0x3A4A66), 30, 0.3f));
    const uint32_t hills = mesh.AddMaterial(Plain(0x1E2A2E));
    constexpr float kBorder = 0.05f;
    for (const auto& [min, max] : {std::pair{Vec3{-0.4f, 0.25f, -0.045f}, Vec3{0.4f, 0.3f, 0}},
                                   std::pair{Vec3{-0.4f, -0.3f, -0.045f}, Vec3{0.4f, -0.25f, 0}},
                                   std::pair{Vec3{-0.4f, -0.25f, -0.045f}, Vec3{-0.35f, 0.25f, 0}},
                                   std::pair{Vec3{0.35f, -0.25f, -0.045f}, Vec3{0.4f, 0.25f, 0}}}) {
        AddChamferedBox(mesh, min, max, 0.3f * kBorder, gilt);
    }
    // The canvas, then each layer of the scene a little in front of the one behind it.
    AddBox(mesh, {-0.35f, -0.25f, -0.02f}, {0.35f, 0.25f, 0}, sky);
    AddRoundPicture(mesh, {0.2f, 0.15f, -0.0205f}, 0, 0.04f, 24, moon);
    const std::array<Vec2, 9> far = {{{-0.35f, -0.12f},
                                      {-0.35f, 0},
                                      {-0.25f, 0.05f},
                                      {-0.12f, 0.16f},
                                      {-0.02f, 0.06f},
                                      {0.08f, 0.1f},
                                      {0.2f, 0.02f},
                                      {0.35f, 0.06f},
                                      {0.35f, -0.12f}}};
    AddCutOut(mesh, far, -0.021f, 0.0005f, range);
    AddBox(mesh, {-0.35f, -0.25f, -0.022f}, {0.35f, -0.11f, -0.0215f}, lake);
    const std::array<Vec2, 5> left = {
        {{-0.35f, -0.25f}, {-0.35f, -0.02f}, {-0.25f, -0.06f}, {-0.12f, -0.18f}, {-0.05f, -0.25f}}};
    const std::array<Vec2, 4> right = {
        {{0.35f, -0.25f}, {0.1f, -0.25f}, {0.2f, -0.16f}, {0.35f, -0.1f}}};
    AddCutOut(mesh, left, -0.0225f, 0.0005f, hills);
    AddCutOut(mesh, right, -0.0225f, 0.0005f, hills);
    return mesh;
}

// A pleated curtain in faded olive cloth, 1.0 wide and 1.7 long, flaring a little towards its
// hem, on a rail 1.12 long; origin at the middle of the rail, from which it hangs down, the wall
// 0.08 behind (+z).
Mesh Curtain() {
    Mesh mesh;
    const uint32_t cloth = mesh.AddMaterial(Plain(0x6E6A4C));
    const uint32_t rail = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 20, 0.2f));
    constexpr float kTop = -0.04f, kDrop = 1.66f, kFolds = 8, kCloth = 0.006f;
    // Each face of the cloth: x across, the pleats' depth along z; `side` -1 for the front.
    const auto face = [&](float side) {
        return [=](float u, float v) {
            const float width = 1.0f + 0.04f * v;
            const float depth = 0.025f + 0.012f * v;
            const double phase = kTau * kFolds * u;
            const float z = depth * static_cast<float>(std::sin(phase));
            const float slope = depth * static_cast<float>(kTau * kFolds * std::cos(phase)) / width;
            const float length = std::sqrt(slope * slope + 1);
            const Vec3 normal{-side * slope / length, 0, side / length};
            return SurfacePoint{{width * (u - 0.5f), kTop - kDrop * v, z + (side > 0 ? kCloth : 0)},
                                normal};
        };
    };
    AddSurface(mesh, face(-1), 64, 4, cloth);
    AddSurface(mesh, face(1), 64, 4, cloth);
    AddRod(mesh, {-0.56f, -0.02f, 0}, {0.56f, -0.02f, 0}, 0.012f, 12, rail);
    for (float x : {-0.58f, 0.58f}) {
        Place(mesh, Transform::Translate({x, -0.02f, 0}),
              [&](Mesh& part) { AddSphere(part, 0.022f, 12, 8, rail); });
    }
    for (float x : {-0.48f, 0.48f})
        AddRod(mesh, {x, -0.02f, 0}, {x, -0.02f, 0.08f}, 0.006f, 8, rail);
    return mesh;
}

// A ceiling fluorescent lamp: a white steel channel 0.92 long with two lit tubes under it and a
// pull cord to 0.4 below the ceiling; origin at the ceiling, above its middle.
Mesh FluorescentLamp() {
    Mesh mesh;
    const uint32_t steel = mesh.AddMaterial(Shiny(Plain(0xE8E8E0), 30, 0.3f));
    const uint32_t tube = mesh.AddMaterial(GlowingWith(Plain(0xF4F8FF), 0xE0E8F0));
    const uint32_t cord = mesh.AddMaterial(Plain(0xD8D4C8));
    AddBox(mesh, {-0.46f, -0.05f, -0.07f}, {0.46f, 0, 0.07f}, steel);
    for (float x : {-0.46f, 0.44f})
        AddBox(mesh, {x, -0.1f, -0.06f}, {x + 0.02f, -0.05f, 0.06f}, steel);
    for (float z : {-0.035f, 0.035f}) {
        AddRod(mesh, {-0.44f, -0.082f, z}, {0.44f, -0.082f, z}, 0.016f, 12, tube);
    }
    AddRod(mesh, {0.25f, -0.05f, 0}, {0.25f, -0.4f, 0}, 0.0015f, 6, cord);
    Place(mesh, Transform::Translate({0.25f, -0.4f, 0}),
          [&](Mesh& part) { AddSphere(part, 0.008f, 8, 6, cord); });
    return mesh;
}

}  // namespace furniture
