#include "Models.h"

#include <algorithm>
#include <iterator>

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
void Box(Mesh& mesh, uint32_t white) {
    AddBox(mesh, {-1, -1, -1}, {1, 1, 1}, white);
}

// Base of radius 1 at y -1, apex at y +1.
void Cone(Mesh& mesh, uint32_t white) {
    AddFrustumSide(mesh, 1, -1, 0, 1, kSegments, white);
    AddDisc(mesh, 1, -1, false, kSegments, white);
}

// Side 1: the invisible wall and trigger box that the levels scale.
void Cube(Mesh& mesh, uint32_t white) {
    AddBox(mesh, {-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}, white);
}

// Radius 1 from y -1 to y +1.
void Cylinder(Mesh& mesh, uint32_t white) {
    AddFrustumSide(mesh, 1, -1, 1, 1, kSegments, white);
    AddDisc(mesh, 1, 1, true, kSegments, white);
    AddDisc(mesh, 1, -1, false, kSegments, white);
}

// A thin bar from z 0 to z 1, 0.02 across.
void Line(Mesh& mesh, uint32_t white) {
    AddBox(mesh, {-0.01f, -0.01f, 0}, {0.01f, 0.01f, 1}, white);
}

// Radius 1; the player's body collider is this sphere scaled by 0.35.
void Sphere(Mesh& mesh, uint32_t white) {
    AddSphere(mesh, 1, kSegments, kSphereRings, white);
}

struct ModelRecipe {
    std::string_view name;
    void (*shape)(Mesh&, uint32_t material);
};

constexpr ModelRecipe kRecipes[] = {
    {"box.x", Box},        {"cone.x", Cone}, {"cube.x", Cube},
    {"cylin.x", Cylinder}, {"line.x", Line}, {"sphere.x", Sphere},
};

}  // namespace

Mesh BuildModel(std::string_view name) {
    const auto recipe = std::find_if(std::begin(kRecipes), std::end(kRecipes),
                                     [name](const ModelRecipe& r) { return r.name == name; });
    return WithWhiteMaterial(recipe == std::end(kRecipes) ? Cube : recipe->shape);
}
