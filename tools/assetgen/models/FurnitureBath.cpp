// The baths' wooden bench, stool and bucket, and the shower at each washing place.
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "models/FurnitureKit.h"
#include "models/FurnitureParts.h"

namespace furniture {
namespace {

constexpr int kRound = 16;  // segments around small turned parts

// Pale hinoki, the bath's wood.
Material Hinoki() {
    return Textured("ki.bmp", 0xF4E4C4);
}

// A board leg `thickness` thick standing across x at `x`: `depth` along z and `height` high, with
// an arch cut from its foot `archWidth` wide and `archHeight` high so it stands on two feet.
void AddArchedLeg(Mesh& mesh, float x, float depth, float height, float thickness, float archWidth,
                  float archHeight, uint32_t material) {
    constexpr int kArchSteps = 8;
    const float half = 0.5f * depth, archHalf = 0.5f * archWidth;
    std::vector<Vec2> outline = {{-half, 0}};
    for (int i = 0; i <= kArchSteps; ++i) {
        // A half ellipse from one foot over to the other.
        const float t = static_cast<float>(i) / kArchSteps;
        const double angle = std::numbers::pi * (1 - t);
        outline.push_back({static_cast<float>(archHalf * std::cos(angle)),
                           static_cast<float>(archHeight * std::sin(angle))});
    }
    outline.insert(outline.end(), {{half, 0}, {half, height}, {-half, height}});
    const uint32_t first = mesh.NextVertex();
    Place(mesh, Transform::RotateY(90).Then(Transform::Translate({x, 0, 0})), [&](Mesh& part) {
        AddExtrusion(part, outline, -0.5f * thickness, 0.5f * thickness, material);
    });
    ProjectBoxUvs(mesh, first, kGrainRepeat);
}

// One round of the hoop at heights `bottom` to `top` on a bucket wall of radius `wall(y)`.
void AddHoop(Mesh& mesh, float bottom, float top, float (*wall)(float), uint32_t material) {
    constexpr float kProud = 0.003f, kInset = 0.001f;
    const std::array<Vec2, 4> profile = {{{wall(bottom) - kInset, bottom},
                                          {wall(bottom) + kProud, bottom},
                                          {wall(top) + kProud, top},
                                          {wall(top) - kInset, top}}};
    AddTurned(mesh, profile, 24, material);
}

}  // namespace

// The slatted wooden bench of the bath corridor, 1.2 long, 0.34 deep and 0.34 high, on two
// arched board legs; origin on the floor at its middle.
Mesh BathBench() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Hinoki(), 10, 0.1f));
    constexpr float kSeat = 0.34f, kSlatThick = 0.025f, kSlat = 0.056f, kGap = 0.015f;
    constexpr float kLegX = 0.48f;
    for (int i = 0; i < 5; ++i) {
        const float z = -0.17f + static_cast<float>(i) * (kSlat + kGap);
        AddGrainedBox(mesh, {-0.6f, kSeat - kSlatThick, z}, {0.6f, kSeat, z + kSlat}, wood);
    }
    for (float x : {-kLegX, kLegX}) {
        AddArchedLeg(mesh, x, 0.3f, kSeat - kSlatThick, 0.035f, 0.18f, 0.1f, wood);
    }
    AddGrainedBox(mesh, {-kLegX, 0.08f, -0.02f}, {kLegX, 0.12f, 0.02f}, wood);
    return mesh;
}

// A wooden bath stool, 0.3 wide, 0.2 deep and 0.17 high, on two arched board legs; origin on the
// floor at its middle.
Mesh BathStool() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Hinoki(), 10, 0.1f));
    constexpr float kSeatBottom = 0.145f;
    AddChamferedBox(mesh, {-0.15f, kSeatBottom, -0.1f}, {0.15f, 0.17f, 0.1f}, 0.006f, wood);
    for (float x : {-0.12f, 0.12f}) {
        AddArchedLeg(mesh, x, 0.2f, kSeatBottom, 0.022f, 0.12f, 0.07f, wood);
    }
    return mesh;
}

// A wooden bath bucket bound by two copper hoops, 0.22 across its rim and 0.11 high, hollow;
// origin on the floor at its middle.
Mesh BathBucket() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Hinoki(), 10, 0.1f));
    const uint32_t copper = mesh.AddMaterial(Shiny(Plain(0xA8643A), 40, 0.5f));
    constexpr float kHeight = 0.11f;
    // The outside flares from the foot to the rim; the inside follows it down to a raised floor.
    const std::array<Vec2, 7> profile = {{{0, 0},
                                          {0.092f, 0},
                                          {0.11f, kHeight},
                                          {0.1f, kHeight},
                                          {0.083f, 0.015f},
                                          {0.07f, 0.015f},
                                          {0, 0.015f}}};
    AddTurned(mesh, profile, 24, wood);
    const auto wall = [](float y) { return 0.092f + (0.11f - 0.092f) * y / kHeight; };
    AddHoop(mesh, 0.015f, 0.027f, wall, copper);
    AddHoop(mesh, 0.08f, 0.092f, wall, copper);
    return mesh;
}

// A washing place's shower on the wall: a chrome mixer tap 0.45 up with its spout, a slide bar
// holding the hand shower up to 1.3, the hose between them and a shelf of bottles; 0.48 wide and
// 0.18 out from the wall; origin on the floor at the wall, under the tap.
Mesh BathShower() {
    Mesh mesh;
    const uint32_t chrome = mesh.AddMaterial(Shiny(Plain(0xC8CCD0), 60, 0.8f));
    const uint32_t hose = mesh.AddMaterial(Shiny(Plain(0x9A9EA2), 30, 0.5f));
    const uint32_t rubber = mesh.AddMaterial(Plain(0x303234));
    const uint32_t shelf = mesh.AddMaterial(Shiny(Plain(0xE8ECEC), 30, 0.3f));
    const uint32_t shampoo = mesh.AddMaterial(Shiny(Plain(0x2A6A5A), 30, 0.3f));
    const uint32_t soap = mesh.AddMaterial(Shiny(Plain(0xE0D8C0), 30, 0.3f));
    constexpr float kTap = 0.45f;
    // The mixer: a bar across on two wall unions, a knob at each end, the spout from its middle.
    for (float x : {-0.08f, 0.08f}) {
        AddRod(mesh, {x, kTap, 0}, {x, kTap, -0.06f}, 0.012f, kRound, chrome);
    }
    AddRod(mesh, {-0.12f, kTap, -0.06f}, {0.12f, kTap, -0.06f}, 0.02f, kRound, chrome);
    for (float side : {-1.0f, 1.0f}) {
        const Transform outwards = Transform::RotateZ(-90.0f * side);  // +y towards +x or -x
        Place(mesh, outwards.Then(Transform::Translate({0.12f * side, kTap, -0.06f})),
              [&](Mesh& part) {
                  const std::array<Vec2, 5> knob = {{{0.016f, 0},
                                                     {0.026f, 0.008f},
                                                     {0.026f, 0.03f},
                                                     {0.018f, 0.036f},
                                                     {0, 0.036f}}};
                  AddTurned(part, knob, kRound, chrome);
              });
    }
    const std::array<Vec3, 4> spout = {{{0, kTap, -0.07f},
                                        {0, kTap - 0.005f, -0.13f},
                                        {0, kTap - 0.02f, -0.16f},
                                        {0, kTap - 0.045f, -0.17f}}};
    AddTube(mesh, spout, 0.01f, kRound, chrome);
    // The slide bar on two wall brackets, and the hand shower resting in its holder.
    constexpr float kBarX = 0.2f;
    AddRod(mesh, {kBarX, 0.7f, -0.04f}, {kBarX, 1.3f, -0.04f}, 0.01f, kRound, chrome);
    for (float y : {0.7f, 1.3f}) {
        AddRod(mesh, {kBarX, y, 0}, {kBarX, y, -0.05f}, 0.012f, kRound, chrome);
    }
    AddBox(mesh, {kBarX - 0.02f, 1.08f, -0.075f}, {kBarX + 0.02f, 1.12f, -0.03f}, rubber);
    AddRod(mesh, {kBarX, 0.96f, -0.07f}, {kBarX, 1.16f, -0.08f}, 0.013f, kRound, chrome);
    // The head looks forwards and a little down.
    Place(mesh, Transform::RotateX(-110).Then(Transform::Translate({kBarX, 1.18f, -0.09f})),
          [&](Mesh& part) {
              const std::array<Vec2, 6> head = {{{0, -0.012f},
                                                 {0.03f, -0.012f},
                                                 {0.042f, 0},
                                                 {0.042f, 0.01f},
                                                 {0.036f, 0.014f},
                                                 {0, 0.014f}}};
              AddTurned(part, head, 20, chrome);
          });
    // The hose sags from under the mixer and rises to the handle's foot.
    const std::array<Vec3, 7> hoseLine = {{{0.06f, kTap - 0.02f, -0.06f},
                                           {0.08f, 0.32f, -0.08f},
                                           {0.11f, 0.24f, -0.09f},
                                           {0.15f, 0.24f, -0.09f},
                                           {0.19f, 0.34f, -0.08f},
                                           {0.2f, 0.6f, -0.075f},
                                           {kBarX, 0.96f, -0.07f}}};
    AddTube(mesh, hoseLine, 0.008f, 10, hose);
    // A shelf beside the tap with two bottles on it.
    constexpr float kShelf = 0.7f;
    AddBox(mesh, {-0.24f, kShelf - 0.012f, -0.1f}, {-0.04f, kShelf, 0}, shelf);
    for (const auto& [x, height, colour] :
         {std::tuple{-0.19f, 0.14f, shampoo}, std::tuple{-0.1f, 0.11f, soap}}) {
        Place(mesh, Transform::Translate({x, kShelf, -0.05f}), [&](Mesh& part) {
            const std::array<Vec2, 6> bottle = {{{0, 0},
                                                 {0.028f, 0},
                                                 {0.028f, height},
                                                 {0.012f, height + 0.015f},
                                                 {0.012f, height + 0.035f},
                                                 {0, height + 0.035f}}};
            AddTurned(part, bottle, kRound, colour);
        });
    }
    return mesh;
}

}  // namespace furniture
