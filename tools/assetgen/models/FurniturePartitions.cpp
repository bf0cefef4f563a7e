// What closes or marks a way through: the exit sign, the fire shutter, sliding doors, the
// entrance and a plain wall panel.
#include <algorithm>
#include <utility>
#include <vector>

#include "models/FurnitureKit.h"
#include "models/FurnitureLayout.h"
#include "models/FurnitureParts.h"

namespace furniture {
namespace {

// Frosted glass in a wooden door.
Material FrostedGlass() {
    return Shiny(Plain(0xD0DCDC), 60, 0.5f);
}

// Upright bars of `width` across the span from `left` to `right` (exclusive of its ends), `count`
// of them, from `bottom` to `top` between `nearZ` and `farZ`.
void AddBars(Mesh& mesh, float left, float right, float bottom, float top, float nearZ, float farZ,
             int count, float width, uint32_t material) {
    const float pitch = (right - left) / static_cast<float>(count + 1);
    for (int i = 1; i <= count; ++i) {
        const float x = left + pitch * static_cast<float>(i);
        AddGrainedBox(mesh, {x - 0.5f * width, bottom, nearZ}, {x + 0.5f * width, top, farZ},
                      material);
    }
}

}  // namespace

// The green emergency-exit sign: a lit box 0.38 x 0.19, 0.06 deep, its picture towards -z;
// origin at the middle of its back, on the wall.
Mesh ExitSign() {
    Mesh mesh;
    const uint32_t casing = mesh.AddMaterial(Shiny(Plain(0xE8E8E0), 20, 0.3f));
    const uint32_t picture = mesh.AddMaterial(GlowingWith(Textured("exit.bmp"), 0x306040));
    AddPictureBox(mesh, {-0.19f, -0.095f, -0.06f}, {0.19f, 0.095f, 0}, casing, picture,
                  PictureFaces::Front);
    return mesh;
}

// The corridor's fire shutter, let down: steel slats kShutterWidth x kShutterHeight (2.0 x 2.4),
// 0.04 thick, on a heavy bottom bar, with the fire notice on both faces; origin at the middle of
// its bottom edge, on its middle plane.
Mesh FireShutter() {
    Mesh mesh;
    const uint32_t steel = mesh.AddMaterial(Shiny(Plain(0xB4B0A4), 20, 0.3f));
    const uint32_t bar = mesh.AddMaterial(Shiny(Plain(0x5A5C58), 20, 0.3f));
    const uint32_t notice = mesh.AddMaterial(Textured("bouka.bmp"));
    const float x = 0.5f * kShutterWidth;
    constexpr float kBarHeight = 0.06f;
    constexpr int kSlats = 24;
    const float pitch = (kShutterHeight - kBarHeight) / kSlats;
    AddBox(mesh, {-x, 0, -0.03f}, {x, kBarHeight, 0.03f}, bar);
    // The slats' cross-section, up the front and down the back: each slat swells out to its full
    // depth between narrow joints. Drawn across z-y and extruded along x.
    constexpr float kJoint = 0.012f, kFull = 0.02f, kShoulder = 0.015f;
    std::vector<Vec2> front, back;
    for (int i = 0; i < kSlats; ++i) {
        const float bottom = kBarHeight + pitch * static_cast<float>(i);
        for (const Vec2 p : {Vec2{kJoint, bottom}, Vec2{kFull, bottom + kShoulder},
                             Vec2{kFull, bottom + pitch - kShoulder}}) {
            front.push_back({-p.u, p.v});
            back.push_back(p);
        }
    }
    front.push_back({-kJoint, kShutterHeight});
    back.push_back({kJoint, kShutterHeight});
    front.insert(front.end(), back.rbegin(), back.rend());
    Place(mesh, Transform::RotateY(-90),
          [&](Mesh& part) { AddExtrusion(part, front, -x, x, steel); });
    AddPictureBox(mesh, {-0.2f, 1.1f, -0.03f}, {0.2f, 1.5f, 0.03f}, steel, notice,
                  PictureFaces::FrontAndBack);
    return mesh;
}

// A sliding paper door: papered panels in a black lacquered frame, kHusumaWidth x kHusumaHeight
// (0.9 x 1.8), 0.03 thick, its pull on the right; origin on the floor at its middle, on its
// middle plane.
Mesh Husuma() {
    Mesh mesh;
    const uint32_t lacquer = mesh.AddMaterial(Shiny(Plain(0x1A1410), 40, 0.4f));
    const uint32_t paper = mesh.AddMaterial(Textured("husuma.bmp"));
    const float x = 0.5f * kHusumaWidth, top = kHusumaHeight;
    constexpr float kStile = 0.025f, kRail = 0.035f, kHalfThick = 0.015f;
    AddBox(mesh, {-x, 0, -kHalfThick}, {-x + kStile, top, kHalfThick}, lacquer);
    AddBox(mesh, {x - kStile, 0, -kHalfThick}, {x, top, kHalfThick}, lacquer);
    AddBox(mesh, {-x + kStile, 0, -kHalfThick}, {x - kStile, kRail, kHalfThick}, lacquer);
    AddBox(mesh, {-x + kStile, top - kRail, -kHalfThick}, {x - kStile, top, kHalfThick}, lacquer);
    AddPictureBox(mesh, {-x + kStile, kRail, -0.011f}, {x - kStile, top - kRail, 0.011f}, lacquer,
                  paper, PictureFaces::FrontAndBack);
    return mesh;
}

// The inn's entrance: dark wooden posts, lintel, an open lattice transom and a head beam round
// an opening for two kEntranceLeafWidth leaves (1.8 x 2.0), 2.2 wide and 2.52 high, through a
// wall 0.2 thick; origin on the floor at the opening's middle, in the wall's middle.
Mesh Entrance() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 10, 0.15f));
    const float x = kEntranceLeafWidth;  // two leaves side by side
    const float lintel = kEntranceLeafHeight;
    for (float side : {-1.0f, 1.0f}) {
        const float inner = side * x, outer = side * (x + 0.12f);
        AddGrainedBox(mesh, {std::min(inner, outer), 0, -0.1f},
                      {std::max(inner, outer), 2.4f, 0.1f}, wood);
    }
    AddGrainedBox(mesh, {-x, lintel, -0.06f}, {x, lintel + 0.1f, 0.06f}, wood);
    AddGrainedBox(mesh, {-x - 0.2f, 2.4f, -0.1f}, {x + 0.2f, 2.52f, 0.1f}, wood);
    // The transom: a rail halfway up and upright bars between lintel and beam.
    AddGrainedBox(mesh, {-x, 2.24f, -0.02f}, {x, 2.26f, 0.02f}, wood);
    AddBars(mesh, -x, x, lintel + 0.1f, 2.4f, -0.015f, 0.015f, 14, 0.02f, wood);
    return mesh;
}

// One of the entrance's two sliding leaves: a dark wooden frame with frosted glass behind
// upright lattice bars and a solid kick panel, kEntranceLeafWidth x kEntranceLeafHeight
// (0.9 x 2.0), 0.04 thick; origin on the floor at its middle, on its middle plane.
Mesh EntranceDoor() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 10, 0.15f));
    const uint32_t glass = mesh.AddMaterial(FrostedGlass());
    const float x = 0.5f * kEntranceLeafWidth, top = kEntranceLeafHeight;
    constexpr float kStile = 0.06f, kHalfThick = 0.02f;
    constexpr float kKick = 0.25f, kMiddle = 1.0f, kRail = 0.06f;
    const float inner = x - kStile;
    AddGrainedBox(mesh, {-x, 0, -kHalfThick}, {-inner, top, kHalfThick}, wood);
    AddGrainedBox(mesh, {inner, 0, -kHalfThick}, {x, top, kHalfThick}, wood);
    AddGrainedBox(mesh, {-inner, 0, -kHalfThick}, {inner, kKick, kHalfThick}, wood);
    AddGrainedBox(mesh, {-inner, kMiddle, -kHalfThick}, {inner, kMiddle + kRail, kHalfThick}, wood);
    AddGrainedBox(mesh, {-inner, top - 0.08f, -kHalfThick}, {inner, top, kHalfThick}, wood);
    for (const auto& [bottom, pane] :
         {std::pair{kKick, kMiddle}, std::pair{kMiddle + kRail, top - 0.08f}}) {
        AddBox(mesh, {-inner, bottom, -0.004f}, {inner, pane, 0.004f}, glass);
        AddBars(mesh, -inner, inner, bottom, pane, -0.016f, -0.006f, 9, 0.014f, wood);
    }
    return mesh;
}

// A plain plastered wall panel, 2.0 wide, 2.4 high and 0.12 thick, with a dark skirting board on
// both faces; origin on the floor at its middle, in its middle plane.
Mesh WallPanel() {
    Mesh mesh;
    const uint32_t plaster = mesh.AddMaterial(Textured("kabe.bmp"));
    const uint32_t skirting = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 10, 0.15f));
    constexpr float kPlasterRepeat = 1.2f;  // world units per repeat of the plaster picture
    AddBox(mesh, {-1.0f, 0, -0.06f}, {1.0f, 2.4f, 0.06f}, plaster);
    ProjectBoxUvs(mesh, 0, kPlasterRepeat);
    AddGrainedBox(mesh, {-1.0f, 0, -0.072f}, {1.0f, 0.08f, 0.072f}, skirting);
    return mesh;
}

}  // namespace furniture
