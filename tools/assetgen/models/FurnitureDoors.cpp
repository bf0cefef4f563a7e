// Swinging doors, their frames and the hardware on door leaves.
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "models/FurnitureKit.h"
#include "models/FurnitureLayout.h"
#include "models/FurnitureParts.h"

namespace furniture {
namespace {

constexpr int kRound = 16;  // segments around small turned parts

// Paint on the emergency exit's steel, matching its picture.
constexpr uint32_t kExitSteel = 0x7A8A80;

// How a frame wraps its opening: jambs and head `jamb` wide, through a wall `depth` thick, with
// casings `casing` wide on both faces (none if 0) and a stop strip behind the shut leaf.
struct FrameStyle {
    float jamb;
    float depth;
    float casing;
};

// A leaf of `door` wearing `picture` on both faces and `edge` round its edges; origin on the
// hinge, the leaf behind it. Two hinge barrels stand on the hinge line.
void AddLeaf(Mesh& mesh, const HingedDoor& door, uint32_t edge, uint32_t picture, uint32_t hinges) {
    AddPictureBox(mesh, {0, 0, 0}, {door.width, door.height, door.thickness}, edge, picture,
                  PictureFaces::FrontAndBack);
    for (float y : {0.2f * door.height, 0.8f * door.height}) {
        AddRod(mesh, {0, y, 0}, {0, y + 0.08f, 0}, 0.008f, kRound, hinges);
    }
}

void AddFrame(Mesh& mesh, const HingedDoor& door, const FrameStyle& style, uint32_t material) {
    const float x = 0.5f * door.width, top = door.height;
    const float z = 0.5f * style.depth, j = style.jamb;
    AddGrainedBox(mesh, {-x - j, 0, -z}, {-x, top + j, z}, material);
    AddGrainedBox(mesh, {x, 0, -z}, {x + j, top + j, z}, material);
    AddGrainedBox(mesh, {-x, top, -z}, {x, top + j, z}, material);
    // The stop the shut leaf rests against, behind it: the leaf opens towards -z.
    constexpr float kStop = 0.015f;
    const float behind = 0.5f * door.thickness;
    AddGrainedBox(mesh, {-x, 0, behind}, {-x + kStop, top, behind + kStop}, material);
    AddGrainedBox(mesh, {x - kStop, 0, behind}, {x, top, behind + kStop}, material);
    AddGrainedBox(mesh, {-x, top - kStop, behind}, {x, top, behind + kStop}, material);
    if (style.casing <= 0) return;
    constexpr float kProud = 0.01f;
    const float c = j + style.casing;
    for (const auto& [nearZ, farZ] : {std::pair{-z - kProud, -z}, std::pair{z, z + kProud}}) {
        AddGrainedBox(mesh, {-x - c, 0, nearZ}, {-x - j, top + c, farZ}, material);
        AddGrainedBox(mesh, {x + j, 0, nearZ}, {x + c, top + c, farZ}, material);
        AddGrainedBox(mesh, {-x - j, top + j, nearZ}, {x + j, top + c, farZ}, material);
    }
}

// A round rose against a door face, built along +y from the face at y 0.
void AddRose(Mesh& mesh, float radius, uint32_t material) {
    const std::array<Vec2, 5> profile = {
        {{0, 0}, {radius, 0}, {radius, 0.004f}, {0.8f * radius, 0.009f}, {0, 0.009f}}};
    AddTurned(mesh, profile, kRound, material);
}

// One side of a lever handle, built along +y from the door face: a rose, a neck and the lever
// reaching towards -x, the hinge side.
void AddLeverSide(Mesh& mesh, uint32_t material) {
    AddRose(mesh, 0.026f, material);
    AddRod(mesh, {0, 0.009f, 0}, {0, 0.05f, 0}, 0.009f, kRound, material);
    const std::array<Vec3, 3> lever = {{{0.005f, 0.05f, 0}, {-0.1f, 0.05f, 0}, {-0.12f, 0.04f, 0}}};
    AddTube(mesh, lever, 0.009f, kRound, material);
}

// One side of a round knob, built along +y from the door face.
void AddKnobSide(Mesh& mesh, uint32_t material) {
    AddRose(mesh, 0.03f, material);
    const std::array<Vec2, 8> knob = {{{0.009f, 0.009f},
                                       {0.009f, 0.03f},
                                       {0.016f, 0.04f},
                                       {0.026f, 0.05f},
                                       {0.028f, 0.06f},
                                       {0.024f, 0.07f},
                                       {0.012f, 0.076f},
                                       {0, 0.078f}}};
    AddTurned(mesh, knob, kRound, material);
}

// `side` put on both faces of a leaf `thickness` thick at `at` on its middle plane.
void AddBothSides(Mesh& mesh, Vec3 at, float thickness, void (*side)(Mesh&, uint32_t),
                  uint32_t material) {
    const float half = 0.5f * thickness;
    const auto build = [&](Mesh& part) { side(part, material); };
    Place(mesh, TowardsFront().Then(Transform::Translate(at + Vec3{0, 0, -half})), build);
    Place(mesh, Transform::RotateX(90).Then(Transform::Translate(at + Vec3{0, 0, half})), build);
}

Material Brass() {
    return Shiny(Plain(0xC8A048), 40, 0.6f);
}

Material Chrome() {
    return Shiny(Plain(0xC8CCD0), 60, 0.8f);
}

}  // namespace

// The guest rooms' bathroom door: a wooden leaf with frosted glass, kBathDoor (0.75 x 1.8, 0.04
// thick), a lever on both faces; origin on its hinge, the bottom left corner of its front face.
Mesh BathDoor() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Textured("ki.bmp", 0xC8A070));
    const uint32_t picture = mesh.AddMaterial(Shiny(Textured("bathdoor.bmp"), 20, 0.2f));
    const uint32_t metal = mesh.AddMaterial(Chrome());
    AddLeaf(mesh, kBathDoor, wood, picture, metal);
    AddBothSides(mesh, {kBathDoor.width - 0.08f, 0.85f, 0.5f * kBathDoor.thickness},
                 kBathDoor.thickness, AddLeverSide, metal);
    return mesh;
}

// The bathroom door's wooden frame round a kBathDoor opening, through a wall 0.14 thick, with
// casings on both faces; origin on the floor at the opening's middle, in the wall's middle.
Mesh BathDoorFrame() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki.bmp", 0xD8B890), 10, 0.1f));
    AddFrame(mesh, kBathDoor, {0.06f, 0.14f, 0.05f}, wood);
    return mesh;
}

// A brass door knob on both faces of a leaf, 0.06 across, standing 0.08 out of each face of a
// leaf kHardwareClearsLeaf thick; origin on the spindle, on the leaf's middle plane.
Mesh DoorKnob() {
    Mesh mesh;
    const uint32_t brass = mesh.AddMaterial(Brass());
    AddBothSides(mesh, {0, 0, 0}, kHardwareClearsLeaf, AddKnobSide, brass);
    return mesh;
}

// A key standing in its lock on the front face of a leaf kHardwareClearsLeaf thick, with a
// wooden tag hanging from its bow: 0.04 across, 0.15 high, 0.07 out; origin on the lock's axis,
// on the leaf's middle plane.
Mesh DoorKey() {
    Mesh mesh;
    const uint32_t brass = mesh.AddMaterial(Brass());
    const uint32_t tag = mesh.AddMaterial(Textured("ki.bmp", 0xB08050));
    const float face = -0.5f * kHardwareClearsLeaf;
    Place(mesh, TowardsFront().Then(Transform::Translate({0, 0, face})),
          [&](Mesh& part) { AddRose(part, 0.018f, brass); });
    AddRod(mesh, {0, 0, face - 0.009f}, {0, 0, face - 0.035f}, 0.004f, kRound, brass);
    // The bow: a flat disc in the key's vertical plane, built across x-y and turned edge-on.
    constexpr int kBowSteps = 12;
    std::vector<Vec2> bow;
    for (int i = 0; i < kBowSteps; ++i) {
        const double angle = 2 * std::numbers::pi * i / kBowSteps;
        bow.push_back({0.05f + 0.018f * static_cast<float>(std::cos(angle)),
                       0.018f * static_cast<float>(std::sin(angle))});
    }
    Place(mesh, Transform::RotateY(90).Then(Transform::Translate({0, 0, face})),
          [&](Mesh& part) { AddExtrusion(part, bow, -0.003f, 0.003f, brass); });
    // A ring from the bow's foot down to the tag.
    const std::array<Vec3, 4> ring = {{{0, -0.018f, face - 0.05f},
                                       {0, -0.03f, face - 0.056f},
                                       {0, -0.042f, face - 0.052f},
                                       {0, -0.046f, face - 0.046f}}};
    AddTube(mesh, ring, 0.0025f, 8, brass);
    AddChamferedBox(mesh, {-0.018f, -0.13f, face - 0.052f}, {0.018f, -0.046f, face - 0.04f}, 0.004f,
                    tag);
    return mesh;
}

// A room's wooden name plate, 0.24 x 0.12 and 0.012 thick, its picture towards -z; origin at the
// middle of its back, where it meets the wall or door.
Mesh DoorPlate() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Textured("ki.bmp", 0xE0C8A0));
    const uint32_t picture = mesh.AddMaterial(Textured("room_plat.bmp"));
    AddPictureBox(mesh, {-0.12f, -0.06f, -0.012f}, {0.12f, 0.06f, 0}, wood, picture,
                  PictureFaces::Front);
    return mesh;
}

// The emergency exit's steel leaf, kExitDoor (0.82 x 1.85, 0.05 thick), with a door closer on
// its front; origin on its hinge, the bottom left corner of its front face. Its lever handle is
// a row of its own, "exit_door_nobu.x", at kExitDoorHandle.
Mesh ExitDoor() {
    Mesh mesh;
    const uint32_t steel = mesh.AddMaterial(Shiny(Plain(kExitSteel), 20, 0.3f));
    const uint32_t picture = mesh.AddMaterial(Shiny(Textured("exit_door.bmp"), 20, 0.3f));
    const uint32_t closer = mesh.AddMaterial(Shiny(Plain(0x3A3E3C), 30, 0.4f));
    AddLeaf(mesh, kExitDoor, steel, picture, steel);
    const float top = kExitDoor.height;
    AddChamferedBox(mesh, {0.06f, top - 0.12f, -0.05f}, {0.32f, top - 0.05f, 0}, 0.01f, closer);
    AddRod(mesh, {0.3f, top - 0.07f, -0.03f}, {0.45f, top - 0.03f, -0.03f}, 0.008f, kRound, closer);
    return mesh;
}

// The emergency exit's lever handle on both faces of a leaf kHardwareClearsLeaf thick, the
// levers reaching 0.12 towards the hinge (-x); origin on the spindle, on the leaf's middle plane.
Mesh ExitDoorHandle() {
    Mesh mesh;
    const uint32_t metal = mesh.AddMaterial(Chrome());
    AddBothSides(mesh, {0, 0, 0}, kHardwareClearsLeaf, AddLeverSide, metal);
    return mesh;
}

// The emergency exit's steel frame round a kExitDoor opening, through a wall 0.16 thick; origin
// on the floor at the opening's middle, in the wall's middle.
Mesh ExitDoorFrame() {
    Mesh mesh;
    const uint32_t steel = mesh.AddMaterial(Shiny(Plain(kExitSteel), 20, 0.3f));
    AddFrame(mesh, kExitDoor, {0.05f, 0.16f, 0}, steel);
    return mesh;
}

}  // namespace furniture
