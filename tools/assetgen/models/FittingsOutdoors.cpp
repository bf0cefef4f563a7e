#include <cmath>
#include <numbers>

#include "models/FittingsKit.h"
#include "models/FittingsLayout.h"
#include "models/FittingsParts.h"

namespace fittings {
namespace {

constexpr int kRound = 24;  // segments around round parts

// `count` upright cut-out cards of half width `halfWidth` and half height `halfHeight`, crossing
// on the y axis at even angles, their bottoms on y `foot`.
void AddCrossedCards(Mesh& mesh, int count, float halfWidth, float halfHeight, float foot,
                     uint32_t material) {
    for (int card = 0; card < count; ++card) {
        const float degrees = 180.0f * static_cast<float>(card) / static_cast<float>(count);
        const Vec3 right = Transform::RotateY(degrees).Direction({halfWidth, 0, 0});
        AddTwoSidedCard(mesh, {0, foot + halfHeight, 0}, right, {0, halfHeight, 0}, material);
    }
}

}  // namespace

// A terracotta planter trough, 0.7 x 0.26 and 0.25 high, filled with soil and three clipped
// shrubs (0.37 high in all); origin on the floor at its centre.
Mesh Planter() {
    Mesh mesh;
    const uint32_t clay = mesh.AddMaterial(Textured("planter.bmp"));
    const uint32_t soil = mesh.AddMaterial(Plain(0x3A2A1E));
    const uint32_t leaves = mesh.AddMaterial(Shiny(Plain(0x2E5A24), 10, 0.1f));
    constexpr float kX = 0.35f, kZ = 0.13f, kHeight = 0.25f, kWall = 0.02f;
    AddBox(mesh, {-kX, 0, -kZ}, {kX, kHeight, -kZ + kWall}, clay);
    AddBox(mesh, {-kX, 0, kZ - kWall}, {kX, kHeight, kZ}, clay);
    AddBox(mesh, {-kX, 0, -kZ + kWall}, {-kX + kWall, kHeight, kZ - kWall}, clay);
    AddBox(mesh, {kX - kWall, 0, -kZ + kWall}, {kX, kHeight, kZ - kWall}, clay);
    AddBox(mesh, {-kX + kWall, 0, -kZ + kWall}, {kX - kWall, 0.21f, kZ - kWall}, soil);
    for (float x : {-0.22f, 0.0f, 0.22f}) {
        Place(mesh,
              Transform::Scale({0.11f, 0.09f, 0.1f}).Then(Transform::Translate({x, 0.28f, 0})),
              [&](Mesh& part) { AddSphere(part, 1, 12, 8, leaves); });
    }
    return mesh;
}

// A glazed plant pot, 0.31 across and 0.335 high, filled with soil; origin on the floor at its
// centre.
Mesh PlantPot() {
    Mesh mesh;
    const uint32_t glaze = mesh.AddMaterial(Shiny(Textured("pot.bmp"), 40, 0.5f));
    const uint32_t soil = mesh.AddMaterial(Plain(0x3A2A1E));
    // Up the outside, over the lip and down the inside to the soil.
    constexpr Vec2 kPot[] = {{0, 0},           {0.08f, 0},     {0.09f, 0.01f}, {0.14f, 0.1f},
                             {0.155f, 0.18f},  {0.14f, 0.26f}, {0.115f, 0.3f}, {0.125f, 0.33f},
                             {0.115f, 0.335f}, {0.105f, 0.3f}, {0.1f, 0.28f}};
    AddSmoothLathe(mesh, kPot, kRound, glaze);
    AddDisc(mesh, 0.101f, 0.28f, true, kRound, soil);
    return mesh;
}

// A leafy plant of five cut-out cards, three upright and two spread out above, 0.56 across and
// 0.6 high; origin at its foot, to stand in a pot.
Mesh LeafyPlant() {
    Mesh mesh;
    const uint32_t leaf = mesh.AddMaterial(Textured("leaf.png"));
    constexpr float kHalf = 0.28f;
    AddCrossedCards(mesh, 3, kHalf, kHalf, 0, leaf);
    for (const auto& [turn, height] : {std::pair{45.0f, 0.5f}, std::pair{135.0f, 0.4f}}) {
        // Tilted 30 degrees up from level.
        const Vec3 up{0, 0.5f * kHalf, 0.866f * kHalf};
        Place(mesh, Transform::RotateY(turn).Then(Transform::Translate({0, height, 0})),
              [&](Mesh& part) {
                  AddTwoSidedCard(part, {0, 0, 0}, {kHalf, 0, 0}, up, leaf);
              });
    }
    return mesh;
}

// A tuft of grass of three crossed cut-out cards, 0.5 across and 0.35 high; origin at its foot.
Mesh GrassTuft() {
    Mesh mesh;
    AddCrossedCards(mesh, 3, 0.25f, 0.175f, 0, mesh.AddMaterial(Textured("zasou.png")));
    return mesh;
}

// The night sky: a dome of radius kSkyRadius seen from inside, its triangles and normals facing
// its centre, reaching 15 degrees below the horizon; origin at its centre, placed scaled by
// kSkyScale. The picture's top is the zenith; it wraps once around.
Mesh Sky() {
    Mesh mesh;
    const uint32_t sky = mesh.AddMaterial(Textured("sky.bmp"));
    constexpr double kLowest = 105 * std::numbers::pi / 180;  // from the zenith
    AddSurface(
        mesh,
        [](float u, float v) {
            const double polar = kLowest * v;
            const double around = 2 * std::numbers::pi * u;
            const Vec3 out{static_cast<float>(std::sin(polar) * std::cos(around)),
                           static_cast<float>(std::cos(polar)),
                           static_cast<float>(std::sin(polar) * std::sin(around))};
            return SurfacePoint{kSkyRadius * out, -out};
        },
        32, 12, sky);
    return mesh;
}

// A cobweb for a room's upper corner: a cut-out card 0.8 square; origin at the web's hub (the
// picture's top left corner), the card reaching along +x and down.
Mesh Cobweb() {
    Mesh mesh;
    AddTwoSidedCard(mesh, {0.4f, -0.4f, 0}, {0.4f, 0, 0}, {0, 0.4f, 0},
                    mesh.AddMaterial(Textured("spn_cav.png")));
    return mesh;
}

}  // namespace fittings
