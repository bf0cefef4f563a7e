// The outdoor planting shells: trees, bushes and grass drawn from the grove plans the fields
// build the trunks' colliders from.
#include <cmath>

#include "levels/Outdoor.h"
#include "models/FittingsKit.h"
#include "models/ModelKit.h"
#include "models/Recipes.h"

namespace {

using level::Growth;
using level::Plant;

constexpr int kTrunkSegments = 7;
constexpr int kCrownSegments = 9;

struct GroveMaterials {
    uint32_t bark, needles, leaves, undergrowth, grass;
};

// Each plant turned its own way, so that the rows do not repeat one shape.
float TurnOf(const Plant& plant) {
    return std::fmod(std::abs(plant.x * 37.1f + plant.z * 91.7f), 360.0f);
}

void AddTrunk(Mesh& mesh, const Plant& plant, float top, uint32_t bark) {
    const float radius = level::TrunkRadius(plant);
    const uint32_t first = mesh.NextVertex();
    AddFrustumSide(mesh, radius, 0, radius * 0.35f, top, kTrunkSegments, bark);
    ProjectBoxUvs(mesh, first, 1.0f);
}

// Overlapping tiers of needles narrowing to the top, each closed underneath so that a camera
// below sees no hollow.
void AddCedar(Mesh& mesh, const Plant& plant, const GroveMaterials& look) {
    AddTrunk(mesh, plant, plant.height * 0.92f, look.bark);
    constexpr int kTiers = 4;
    const float crown = plant.height - level::kCedarCrownBase;
    for (int tier = 0; tier < kTiers; ++tier) {
        const float t = static_cast<float>(tier) / kTiers;
        const float bottom = level::kCedarCrownBase + crown * t * 0.8f;
        const float radius = plant.spread * (1.0f - 0.6f * t);
        AddFrustumSide(mesh, radius, bottom, 0, bottom + crown * 0.42f, kCrownSegments,
                       look.needles);
        AddDisc(mesh, radius, bottom, false, kCrownSegments, look.needles);
    }
}

void AddBlob(Mesh& mesh, Vec3 centre, Vec3 radii, uint32_t material) {
    Place(mesh, Transform::Scale(radii).Then(Transform::Translate(centre)),
          [&](Mesh& part) { AddSphere(part, 1, kCrownSegments, 6, material); });
}

// A broad cloud of leaves over the crown's base, with smaller clouds bulging from it.
void AddBroadleaf(Mesh& mesh, const Plant& plant, const GroveMaterials& look) {
    const float s = plant.spread;
    const float middle = level::kBroadleafCrownBase + 0.7f * s;
    AddTrunk(mesh, plant, middle, look.bark);
    AddBlob(mesh, {0, middle, 0}, {s, 0.7f * s, s}, look.leaves);
    for (int i = 0; i < 3; ++i) {
        const Vec3 out = PointOnCircle(0.55 * s, middle + (0.25f + 0.15f * i) * s, 2.1 * i);
        AddBlob(mesh, out, {0.6f * s, 0.5f * s, 0.6f * s}, look.leaves);
    }
}

void AddBush(Mesh& mesh, const Plant& plant, const GroveMaterials& look) {
    const float s = plant.spread, h = plant.height;
    AddBlob(mesh, {0, 0.45f * h, 0}, {s, 0.55f * h, s}, look.undergrowth);
    AddBlob(mesh, {0.5f * s, 0.3f * h, 0.2f * s}, {0.6f * s, 0.45f * h, 0.6f * s},
            look.undergrowth);
}

void AddTuft(Mesh& mesh, const Plant& plant, const GroveMaterials& look) {
    for (const float degrees : {0.0f, 60.0f, 120.0f}) {
        const Vec3 right = Transform::RotateY(degrees).Direction({plant.spread, 0, 0});
        const float half = plant.height / 2;
        fittings::AddTwoSidedCard(mesh, {0, half, 0}, right, {0, half, 0}, look.grass);
    }
}

Mesh Grove(const level::GrovePlan& plan) {
    Mesh mesh;
    GroveMaterials look{};
    look.bark = mesh.AddMaterial(Textured("ki.bmp", 0x7A6452));
    look.needles = mesh.AddMaterial(Plain(0x1E3325));
    look.leaves = mesh.AddMaterial(Plain(0x2A4528));
    look.undergrowth = mesh.AddMaterial(Plain(0x243C22));
    // Last: the model draws in its cut-out pass, which the plain materials pass whole.
    look.grass = mesh.AddMaterial(Textured("zasou.png"));
    for (const Plant& plant : plan.plants) {
        const Transform placement =
            Transform::RotateY(TurnOf(plant)).Then(Transform::Translate({plant.x, 0, plant.z}));
        Place(mesh, placement, [&](Mesh& part) {
            switch (plant.growth) {
                case Growth::Cedar:
                    AddCedar(part, plant, look);
                    break;
                case Growth::Broadleaf:
                    AddBroadleaf(part, plant, look);
                    break;
                case Growth::Bush:
                    AddBush(part, plant, look);
                    break;
                case Growth::Tuft:
                    AddTuft(part, plant, look);
                    break;
            }
        });
    }
    return mesh;
}

constexpr ModelRecipe kRecipes[] = {
    {level::kHirobaGrove.shell, [] { return Grove(level::kHirobaGrove); }},
};

}  // namespace

std::span<const ModelRecipe> GroveRecipes() {
    return kRecipes;
}
