#include <cmath>
#include <numbers>

#include "models/FittingsKit.h"
#include "models/FittingsLayout.h"
#include "models/FittingsParts.h"

namespace fittings {
namespace {

constexpr int kRound = 24;  // segments around round parts
constexpr int kFine = 12;   // segments around rods

// Wood textures repeat every this many world units.
constexpr float kGrainRepeat = 0.6f;

Material DarkWood() {
    return Shiny(Textured("ki1.bmp"), 10, 0.15f);
}

// A rectangular frame of bars `bar` wide round the opening inside the corners `min` and `max`,
// reaching from min.z to max.z.
void AddFrame(Mesh& mesh, Vec3 min, Vec3 max, float bar, uint32_t material) {
    AddBox(mesh, {min.x, max.y - bar, min.z}, {max.x, max.y, max.z}, material);
    AddBox(mesh, {min.x, min.y, min.z}, {max.x, min.y + bar, max.z}, material);
    AddBox(mesh, {min.x, min.y + bar, min.z}, {min.x + bar, max.y - bar, max.z}, material);
    AddBox(mesh, {max.x - bar, min.y + bar, min.z}, {max.x, max.y - bar, max.z}, material);
}

// A marker line on the whiteboard's face from `from` to `to` (x, y), on the face at z `face`.
void AddStroke(Mesh& mesh, Vec2 from, Vec2 to, float face, uint32_t ink) {
    const float dx = to.u - from.u, dy = to.v - from.v;
    const float half = 0.5f * std::hypot(dx, dy);
    const auto degrees = static_cast<float>(std::atan2(dy, dx) * 180 / std::numbers::pi);
    const Transform placement = Transform::RotateZ(degrees).Then(
        Transform::Translate({0.5f * (from.u + to.u), 0.5f * (from.v + to.v), face}));
    Place(mesh, placement, [&](Mesh& part) {
        AddBox(part, {-half, -0.004f, -0.0015f}, {half, 0.004f, 0}, ink);
    });
}

}  // namespace

// A window of two sliding glazed sashes in a wooden frame, 1.6 wide, 1.1 high and 0.12 deep;
// origin at its centre, in the middle of the wall it sits in, room side towards -z.
Mesh Window() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(DarkWood());
    const uint32_t glass = mesh.AddMaterial(Shiny(Plain(0x18222E, 0.55f), 80, 0.8f));
    const uint32_t metal = mesh.AddMaterial(Shiny(Plain(0xA8A8A0), 40, 0.6f));
    AddFrame(mesh, {-0.8f, -0.55f, -0.06f}, {0.8f, 0.55f, 0.06f}, 0.06f, wood);
    // The sashes run in two tracks and overlap at the middle, the left one on the room side.
    constexpr float kSash = 0.76f;    // width of a sash
    constexpr float kStile = 0.035f;  // width of a sash's bars
    constexpr float kTrack = 0.03f;   // depth of a sash
    constexpr float kHalfHigh = 0.49f;
    for (const auto& [left, nearZ] : {std::pair{-0.74f, -0.035f}, std::pair{-0.02f, 0.005f}}) {
        const Vec3 min{left, -kHalfHigh, nearZ}, max{left + kSash, kHalfHigh, nearZ + kTrack};
        AddFrame(mesh, min, max, kStile, wood);
        AddBox(mesh, {min.x + kStile, -0.005f, nearZ + 0.01f},
               {max.x - kStile, 0.005f, nearZ + 0.02f}, wood);
        AddBox(mesh, {min.x + kStile, min.y + kStile, nearZ + 0.013f},
               {max.x - kStile, max.y - kStile, nearZ + 0.017f}, glass);
    }
    AddBox(mesh, {-0.01f, 0, -0.045f}, {0.03f, 0.02f, -0.035f}, metal);  // the crescent lock
    ProjectBoxUvs(mesh, 0, kGrainRepeat);
    return mesh;
}

// A small window of frosted glass behind a wooden lattice, with a sill: 0.76 wide, 0.63 high,
// 0.14 deep; origin at the glass's centre, in the middle of the wall, room side towards -z.
Mesh SmallWindow() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(DarkWood());
    const uint32_t frosted = mesh.AddMaterial(Shiny(Plain(0xA4B0BA, 0.85f), 30, 0.3f));
    constexpr float kHalfWidth = 0.3f, kHalfHeight = 0.25f;
    AddFrame(mesh, {-0.35f, -0.3f, -0.05f}, {0.35f, 0.3f, 0.05f}, 0.05f, wood);
    AddBox(mesh, {-0.38f, -0.33f, -0.09f}, {0.38f, -0.3f, 0.05f}, wood);
    AddBox(mesh, {-kHalfWidth, -kHalfHeight, -0.004f}, {kHalfWidth, kHalfHeight, 0.004f}, frosted);
    for (float x : {-0.1f, 0.1f}) {
        AddBox(mesh, {x - 0.0075f, -kHalfHeight, -0.02f}, {x + 0.0075f, kHalfHeight, -0.004f},
               wood);
    }
    AddBox(mesh, {-kHalfWidth, -0.0075f, -0.02f}, {kHalfWidth, 0.0075f, -0.004f}, wood);
    ProjectBoxUvs(mesh, 0, kGrainRepeat);
    return mesh;
}

// The room door's leaf, kDoorLeafWidth x kDoorLeafHeight (0.94 x 2.0) and 0.05 thick, raised
// panels on both faces and a plain stile for the knob at kDoorKnob; origin at its bottom left
// corner seen from -z, on its middle plane. Placed in the frame's scale it is 0.75 x 1.8.
Mesh WoodDoor() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki.bmp"), 10, 0.2f));
    const uint32_t panel = mesh.AddMaterial(Shiny(Textured("ki.bmp", 0xE0CCB8), 10, 0.2f));
    constexpr float kHalfThick = 0.025f;
    AddBox(mesh, {0, 0, -kHalfThick}, {kDoorLeafWidth, kDoorLeafHeight, kHalfThick}, wood);
    for (float side : {-1.0f, 1.0f}) {
        const float nearZ = std::fmin(side * kHalfThick, side * (kHalfThick + 0.008f));
        for (const auto& [bottom, top] : {std::pair{0.15f, 0.95f}, std::pair{1.05f, 1.85f}}) {
            AddBevelledBox(mesh, {0.1f, bottom, nearZ}, {0.7f, top, nearZ + 0.008f}, 0.0015f,
                           panel);
        }
    }
    ProjectBoxUvs(mesh, 0, kGrainRepeat);
    return mesh;
}

// The room door's frame: jambs and head round an opening kDoorLeafWidth wide and
// kDoorLeafHeight high, 0.18 deep, with casings on both faces of the wall; origin on the floor
// at the opening's centre, in the middle of the wall. Placed scaled by kDoorFrameScale.
Mesh WoodDoorFrame() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(DarkWood());
    constexpr float kHalf = 0.5f * kDoorLeafWidth;
    constexpr float kHead = kDoorLeafHeight;
    constexpr float kJamb = 0.1f;
    constexpr float kDepth = 0.09f;  // half the frame's depth
    AddBox(mesh, {-kHalf - kJamb, 0, -kDepth}, {-kHalf, kHead + kJamb, kDepth}, wood);
    AddBox(mesh, {kHalf, 0, -kDepth}, {kHalf + kJamb, kHead + kJamb, kDepth}, wood);
    AddBox(mesh, {-kHalf, kHead, -kDepth}, {kHalf, kHead + kJamb, kDepth}, wood);
    constexpr float kCasing = 0.16f;  // how far the casing reaches past the opening
    constexpr float kProud = 0.012f;  // how far it stands off the wall
    for (float side : {-1.0f, 1.0f}) {
        const float nearZ = std::fmin(side * kDepth, side * (kDepth + kProud));
        const float farZ = nearZ + kProud;
        AddBox(mesh, {-kHalf - kCasing, 0, nearZ}, {-kHalf - 0.02f, kHead + kCasing, farZ}, wood);
        AddBox(mesh, {kHalf + 0.02f, 0, nearZ}, {kHalf + kCasing, kHead + kCasing, farZ}, wood);
        AddBox(mesh, {-kHalf - 0.02f, kHead + 0.02f, nearZ}, {kHalf + 0.02f, kHead + kCasing, farZ},
               wood);
    }
    ProjectBoxUvs(mesh, 0, kGrainRepeat);
    return mesh;
}

// A small wooden table on turned legs, 0.9 x 0.6 and 0.55 high; origin on the floor at its
// centre.
Mesh Table() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 30, 0.35f));
    constexpr float kTop = 0.55f;
    constexpr float kUnder = 0.51f;  // underside of the top
    AddBevelledBox(mesh, {-0.45f, kUnder, -0.3f}, {0.45f, kTop, 0.3f}, 0.01f, wood);
    AddBox(mesh, {-0.37f, 0.44f, -0.245f}, {0.37f, kUnder, -0.23f}, wood);
    AddBox(mesh, {-0.37f, 0.44f, 0.23f}, {0.37f, kUnder, 0.245f}, wood);
    AddBox(mesh, {-0.405f, 0.44f, -0.2f}, {-0.39f, kUnder, 0.2f}, wood);
    AddBox(mesh, {0.39f, 0.44f, -0.2f}, {0.405f, kUnder, 0.2f}, wood);
    constexpr Vec2 kLeg[] = {{0, 0},          {0.018f, 0},     {0.02f, 0.02f},   {0.017f, 0.1f},
                             {0.025f, 0.36f}, {0.028f, 0.44f}, {0.028f, kUnder}, {0, kUnder}};
    for (float x : {-0.39f, 0.39f}) {
        for (float z : {-0.24f, 0.24f}) {
            Place(mesh, Transform::Translate({x, 0, z}),
                  [&](Mesh& part) { AddSmoothLathe(part, kLeg, kFine, wood); });
        }
    }
    ProjectBoxUvs(mesh, 0, kGrainRepeat);
    return mesh;
}

// A legless floor chair: a lacquered seat 0.4 square with a cushion and a backrest leaning back,
// 0.36 high; origin on the floor at the seat's centre, the sitter facing -z.
Mesh FloorChair() {
    Mesh mesh;
    const uint32_t lacquer = mesh.AddMaterial(Shiny(Textured("ki1.bmp", 0x6A4A3A), 50, 0.5f));
    const uint32_t cushion = mesh.AddMaterial(Plain(0x6A2438));
    AddBevelledBox(mesh, {-0.2f, 0, -0.2f}, {0.2f, 0.05f, 0.2f}, 0.012f, lacquer);
    AddBevelledBox(mesh, {-0.18f, 0.05f, -0.19f}, {0.18f, 0.085f, 0.14f}, 0.015f, cushion);
    // The backrest rises from the seat's back, its top leaning 15 degrees back (+z).
    Place(mesh, Transform::RotateX(15).Then(Transform::Translate({0, 0.03f, 0.16f})),
          [&](Mesh& part) {
              AddBevelledBox(part, {-0.19f, 0, 0}, {0.19f, 0.34f, 0.035f}, 0.008f, lacquer);
              AddBevelledBox(part, {-0.16f, 0.06f, -0.02f}, {0.16f, 0.28f, 0}, 0.004f, cushion);
          });
    ProjectBoxUvs(mesh, 0, kGrainRepeat);
    return mesh;
}

// A whiteboard on a wheeled stand, 1.26 wide, 0.6 deep and 1.45 high, its board 1.1 x 0.7 facing
// -z with a staff roster drawn on it and a note held by a magnet; origin on the floor at its
// centre.
Mesh Whiteboard() {
    Mesh mesh;
    const uint32_t board = mesh.AddMaterial(Shiny(Plain(0xF2F4F4), 40, 0.5f));
    const uint32_t frame = mesh.AddMaterial(Shiny(Plain(0xB8BCC0), 40, 0.6f));
    const uint32_t stand = mesh.AddMaterial(Plain(0x8A8E92));
    const uint32_t rubber = mesh.AddMaterial(Plain(0x202020));
    const uint32_t blue = mesh.AddMaterial(Plain(0x2030A0));
    const uint32_t red = mesh.AddMaterial(Plain(0xB01818));
    const uint32_t note = mesh.AddMaterial(Textured("note.bmp"));
    constexpr float kBottom = 0.65f, kTop = 1.35f, kHalfWidth = 0.55f;
    constexpr float kFace = -0.01f;  // the board's writing face
    AddBox(mesh, {-kHalfWidth, kBottom, kFace}, {kHalfWidth, kTop, 0.01f}, board);
    AddFrame(mesh, {-0.57f, 0.63f, -0.015f}, {0.57f, 1.37f, 0.015f}, 0.02f, frame);
    AddBox(mesh, {-0.4f, 0.62f, -0.06f}, {0.4f, 0.63f, -0.015f}, frame);  // the marker tray
    AddRod(mesh, {-0.3f, 0.64f, -0.04f}, {-0.17f, 0.64f, -0.04f}, 0.008f, 8, red);
    for (float x : {-0.6f, 0.6f}) {
        AddRod(mesh, {x, 0.06f, 0}, {x, 1.45f, 0}, 0.015f, kFine, stand);
        AddRod(mesh, {x, 1.0f, 0}, {x * 0.95f, 1.0f, 0}, 0.01f, 8, stand);  // the board's pivot
        AddBox(mesh, {x - 0.02f, 0.04f, -0.28f}, {x + 0.02f, 0.07f, 0.28f}, stand);
        for (float z : {-0.26f, 0.26f}) {
            AddRod(mesh, {x - 0.012f, 0.02f, z}, {x + 0.012f, 0.02f, z}, 0.02f, kFine, rubber);
        }
    }
    // The roster: a grid of three rows in blue, one cell crossed out in red.
    for (float y : {0.8f, 0.95f, 1.1f, 1.25f}) AddStroke(mesh, {-0.2f, y}, {0.5f, y}, kFace, blue);
    for (float x : {-0.2f, 0.05f, 0.5f}) AddStroke(mesh, {x, 0.78f}, {x, 1.27f}, kFace, blue);
    AddStroke(mesh, {0.1f, 0.97f}, {0.45f, 1.08f}, kFace, red);
    AddStroke(mesh, {0.1f, 1.08f}, {0.45f, 0.97f}, kFace, red);
    AddPicture(mesh, {-0.5f, 1.3f, kFace - 0.0005f}, {-0.3f, 1.3f, kFace - 0.0005f},
               {-0.5f, 1.04f, kFace - 0.0005f}, note);
    AddRod(mesh, {-0.4f, 1.285f, kFace}, {-0.4f, 1.285f, kFace - 0.01f}, 0.012f, kFine, red);
    return mesh;
}

// The inn's name board, 1.6 x 0.8 and 0.06 thick with the name on both faces, in a dark frame
// under a small tiled roof (1.9 wide, 1.02 high in all); origin at the board's centre.
Mesh InnSign() {
    Mesh mesh;
    const uint32_t board = mesh.AddMaterial(Textured("innmora.bmp"));
    const uint32_t frame = mesh.AddMaterial(Shiny(Textured("ki1.bmp", 0x6A5040), 20, 0.2f));
    const uint32_t tiles = mesh.AddMaterial(Textured("roof.bmp"));
    AddBox(mesh, {-0.8f, -0.4f, -0.03f}, {0.8f, 0.4f, 0.03f}, board);
    const uint32_t trim = mesh.NextVertex();
    AddFrame(mesh, {-0.86f, -0.46f, -0.045f}, {0.86f, 0.46f, 0.045f}, 0.06f, frame);
    // Two slopes of tiles falling 25 degrees each way from a round ridge.
    constexpr float kRidge = 0.52f;
    for (float side : {-1.0f, 1.0f}) {
        const float nearZ = std::fmin(0, side * 0.18f);
        Place(mesh,
              Transform::RotateX(side * 25).Then(Transform::Translate({0, kRidge - 0.02f, 0})),
              [&](Mesh& part) {
                  AddBox(part, {-0.95f, 0, nearZ}, {0.95f, 0.025f, nearZ + 0.18f}, tiles);
              });
    }
    AddRod(mesh, {-0.96f, kRidge, 0}, {0.96f, kRidge, 0}, 0.025f, kFine, tiles);
    for (float x : {-0.7f, 0.7f})
        AddBox(mesh, {x - 0.03f, 0.46f, -0.02f}, {x + 0.03f, kRidge, 0.02f}, frame);
    ProjectBoxUvs(mesh, trim, kGrainRepeat);
    return mesh;
}

// A tea caddy: a tin 0.056 across and 0.075 high wrapped in paper, its lid the top fifth of it;
// origin under its centre.
Mesh TeaCaddy() {
    Mesh mesh;
    const uint32_t paper = mesh.AddMaterial(Textured("tyaire.bmp"));
    const uint32_t tin = mesh.AddMaterial(Shiny(Plain(0xB0B4B0), 50, 0.7f));
    constexpr float kRadius = 0.028f, kHeight = 0.072f;
    constexpr Vec2 kBottom[] = {{0, 0}, {kRadius, 0}};
    constexpr Vec2 kWall[] = {{kRadius, 0}, {kRadius, kHeight}};
    constexpr Vec2 kLid[] = {
        {kRadius, kHeight}, {kRadius - 0.002f, kHeight + 0.003f}, {0, kHeight + 0.003f}};
    AddSmoothLathe(mesh, kBottom, kRound, tin);
    AddSmoothLathe(mesh, kWall, kRound, paper);
    AddSmoothLathe(mesh, kLid, kRound, tin);
    return mesh;
}

}  // namespace fittings
