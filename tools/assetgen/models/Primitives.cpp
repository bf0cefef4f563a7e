#include "models/Recipes.h"

namespace {

// Curved primitives are this finely divided around their axis.
constexpr int kSegments = 24;
constexpr int kSphereRings = 16;

Mesh WithWhiteMaterial(void (*shape)(Mesh&, uint32_t)) {
    Mesh mesh;
    shape(mesh, mesh.AddMaterial(Material{}));
    return mesh;
}

// Side 2, centred on the origin.
Mesh Box() {
    return WithWhiteMaterial([](Mesh& mesh, uint32_t white) {
        AddBox(mesh, {-1, -1, -1}, {1, 1, 1}, white);
    });
}

// Base of radius 1 at y -1, apex at y +1.
Mesh Cone() {
    return WithWhiteMaterial([](Mesh& mesh, uint32_t white) {
        AddFrustumSide(mesh, 1, -1, 0, 1, kSegments, white);
        AddDisc(mesh, 1, -1, false, kSegments, white);
    });
}

// Side 1: the invisible wall and trigger box that the levels scale.
Mesh Cube() {
    return WithWhiteMaterial([](Mesh& mesh, uint32_t white) {
        AddBox(mesh, {-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}, white);
    });
}

// Radius 1 from y -1 to y +1.
Mesh Cylinder() {
    return WithWhiteMaterial([](Mesh& mesh, uint32_t white) {
        AddFrustumSide(mesh, 1, -1, 1, 1, kSegments, white);
        AddDisc(mesh, 1, 1, true, kSegments, white);
        AddDisc(mesh, 1, -1, false, kSegments, white);
    });
}

// A thin bar from z 0 to z 1, 0.02 across.
Mesh Line() {
    return WithWhiteMaterial([](Mesh& mesh, uint32_t white) {
        AddBox(mesh, {-0.01f, -0.01f, 0}, {0.01f, 0.01f, 1}, white);
    });
}

// Radius 1; the player's body collider is this sphere scaled by 0.35.
Mesh Sphere() {
    return WithWhiteMaterial(
        [](Mesh& mesh, uint32_t white) { AddSphere(mesh, 1, kSegments, kSphereRings, white); });
}

constexpr ModelRecipe kRecipes[] = {
    {"box.x", Box},        {"cone.x", Cone}, {"cube.x", Cube},
    {"cylin.x", Cylinder}, {"line.x", Line}, {"sphere.x", Sphere},
};

}  // namespace

std::span<const ModelRecipe> PrimitiveRecipes() {
    return kRecipes;
}
