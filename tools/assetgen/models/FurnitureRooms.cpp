// Seats, tables, desks and storage: the furniture that stands on the floor of the inn's rooms.
#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "models/FurnitureKit.h"
#include "models/FurnitureLayout.h"
#include "models/FurnitureParts.h"

namespace furniture {
namespace {

constexpr int kRound = 16;  // segments around small turned parts

Material DarkWood() {
    return Shiny(Textured("ki1.bmp"), 20, 0.2f);
}

Material Brass() {
    return Shiny(Plain(0xC8A048), 40, 0.6f);
}

// A leg turned from `radius` at the top to 0.7 of it at the foot, `height` high, at (x, z).
void AddTaperedLeg(Mesh& mesh, float x, float z, float height, float radius, uint32_t material) {
    const std::array<Vec2, 4> profile = {
        {{0, 0}, {0.7f * radius, 0}, {radius, height}, {0, height}}};
    Place(mesh, Transform::Translate({x, 0, z}),
          [&](Mesh& part) { AddTurned(part, profile, 12, material); });
}

// An upholstered chair facing -z on four tapered wooden legs, its back leaning 12 degrees; with
// `arms`, padded sides under wooden arm rests. Its seat is 0.29 high, its back 0.72.
Mesh UpholsteredChair(uint32_t cloth, bool arms) {
    Mesh mesh;
    const uint32_t fabric = mesh.AddMaterial(Plain(cloth));
    const uint32_t wood = mesh.AddMaterial(DarkWood());
    const float legX = arms ? 0.24f : 0.19f;
    for (float x : {-legX, legX}) {
        for (float z : {-0.19f, 0.17f}) AddTaperedLeg(mesh, x, z, 0.16f, 0.02f, wood);
    }
    const float frameX = legX + 0.04f;
    AddGrainedBox(mesh, {-frameX, 0.16f, -0.23f}, {frameX, 0.2f, 0.2f}, wood);
    AddChamferedBox(mesh, {-0.21f, 0.2f, -0.21f}, {0.21f, 0.29f, 0.17f}, 0.025f, fabric);
    Place(mesh, Transform::RotateX(12).Then(Transform::Translate({0, 0.2f, 0.17f})),
          [&](Mesh& back) {
              AddChamferedBox(back, {-0.21f, 0.04f, -0.03f}, {0.21f, 0.5f, 0.05f}, 0.025f, fabric);
              AddGrainedBox(back, {-0.23f, 0, 0.05f}, {0.23f, 0.54f, 0.07f}, wood);
          });
    if (!arms) return mesh;
    for (float side : {-1.0f, 1.0f}) {
        const float inner = side * 0.22f, outer = side * 0.28f;
        AddChamferedBox(mesh, {std::min(inner, outer), 0.2f, -0.21f},
                        {std::max(inner, outer), 0.4f, 0.18f}, 0.015f, fabric);
        const float capIn = side * 0.215f, capOut = side * 0.29f;
        AddChamferedBox(mesh, {std::min(capIn, capOut), 0.4f, -0.24f},
                        {std::max(capIn, capOut), 0.43f, 0.2f}, 0.008f, wood);
    }
    return mesh;
}

// Upright files of `width` standing side by side from `left` on a shelf at `y`, colours taking
// turns from `colours` (material numbers).
void AddFiles(Mesh& mesh, float left, float y, int count, float width,
              std::span<const uint32_t> colours) {
    for (int i = 0; i < count; ++i) {
        const float x = left + static_cast<float>(i) * (width + 0.004f);
        const float height = 0.26f - 0.02f * static_cast<float>(i % 3 == 1);
        AddBox(mesh, {x, y, -0.13f}, {x + width, y + height, 0.11f},
               colours[static_cast<size_t>(i) % colours.size()]);
    }
}

// A cardboard box with a strip of tape over its top.
void AddCarton(Mesh& mesh, Vec3 min, Vec3 max, uint32_t card, uint32_t tape) {
    AddBox(mesh, min, max, card);
    const float x = 0.5f * (min.x + max.x);
    AddBox(mesh, {x - 0.025f, max.y, min.z}, {x + 0.025f, max.y + 0.002f, max.z}, tape);
}

}  // namespace

// A lounge chair with a moss-green seat and back on dark wooden legs, 0.46 wide, 0.58 deep and
// 0.72 high, facing -z; origin on the floor at its middle.
Mesh LoungeChair() {
    return UpholsteredChair(0x5A6440, false);
}

// An armchair in brown leather with padded sides and wooden arm rests, 0.58 wide, 0.59 deep and
// 0.72 high, facing -z; origin on the floor at its middle.
Mesh Armchair() {
    return UpholsteredChair(0x5A3A28, true);
}

// A dark wooden dining chair with a ladder back and a thin red cushion, 0.38 wide, 0.45 deep and
// 0.77 high, facing -z; origin on the floor at its middle.
Mesh DiningChair() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(DarkWood());
    const uint32_t cushion = mesh.AddMaterial(Plain(0x6A2A22));
    constexpr float kSeat = 0.27f, kLeg = 0.016f, kPost = 0.165f;
    for (float x : {-kPost, kPost}) {
        for (float z : {-kPost, kPost}) {
            AddGrainedBox(mesh, {x - kLeg, 0, z - kLeg}, {x + kLeg, kSeat, z + kLeg}, wood);
        }
        AddGrainedBox(mesh, {x - 0.01f, 0.08f, -kPost}, {x + 0.01f, 0.1f, kPost}, wood);
    }
    AddGrainedBox(mesh, {-kPost, 0.12f, -kPost - 0.01f}, {kPost, 0.14f, -kPost + 0.01f}, wood);
    AddChamferedBox(mesh, {-0.19f, kSeat, -0.19f}, {0.19f, kSeat + 0.03f, 0.19f}, 0.005f, wood);
    AddChamferedBox(mesh, {-0.17f, kSeat + 0.03f, -0.17f}, {0.17f, kSeat + 0.055f, 0.15f}, 0.01f,
                    cushion);
    // The back posts and their rails lean back from the seat.
    Place(mesh, Transform::RotateX(8).Then(Transform::Translate({0, kSeat, kPost})),
          [&](Mesh& back) {
              for (float x : {-kPost, kPost}) {
                  AddGrainedBox(back, {x - kLeg, 0, -kLeg}, {x + kLeg, 0.5f, kLeg}, wood);
              }
              for (float y : {0.2f, 0.3f, 0.42f}) {
                  const float height = y > 0.4f ? 0.07f : 0.04f;
                  AddGrainedBox(back, {-kPost, y, -0.01f}, {kPost, y + height, 0.01f}, wood);
              }
          });
    return mesh;
}

// A dark wooden dining table on square legs with aprons, 1.2 x 0.7, its top 0.525 high; origin
// on the floor at its middle.
Mesh DiningTable() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki1.bmp"), 30, 0.35f));
    constexpr float kUnderTop = 0.49f, kLegX = 0.55f, kLegZ = 0.3f, kLeg = 0.025f;
    AddChamferedBox(mesh, {-0.6f, kUnderTop, -0.35f}, {0.6f, 0.525f, 0.35f}, 0.006f, wood);
    for (float x : {-kLegX, kLegX}) {
        for (float z : {-kLegZ, kLegZ}) {
            AddGrainedBox(mesh, {x - kLeg, 0, z - kLeg}, {x + kLeg, kUnderTop, z + kLeg}, wood);
        }
        AddGrainedBox(mesh, {x - 0.01f, 0.42f, -kLegZ}, {x + 0.01f, kUnderTop, kLegZ}, wood);
    }
    for (float z : {-kLegZ, kLegZ}) {
        AddGrainedBox(mesh, {-kLegX, 0.42f, z - 0.01f}, {kLegX, kUnderTop, z + 0.01f}, wood);
    }
    return mesh;
}

// An office desk in dark wood, 1.0 wide, 0.56 deep, its top 0.52 high: a pedestal of three
// drawers on the right, a drawer over the knee space, which opens towards -z; origin on the floor
// at its middle.
Mesh Desk() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("desk.bmp"), 20, 0.25f));
    const uint32_t plinth = mesh.AddMaterial(Plain(0x1E1410));
    const uint32_t brass = mesh.AddMaterial(Brass());
    constexpr float kUnderTop = 0.49f, kFront = -0.26f, kBack = 0.26f;
    constexpr float kPedestal = 0.16f;  // the pedestal's left side
    AddChamferedBox(mesh, {-0.5f, kUnderTop, -0.28f}, {0.5f, 0.52f, 0.28f}, 0.004f, wood);
    AddBox(mesh, {kPedestal + 0.01f, 0, kFront + 0.01f}, {0.47f, 0.02f, kBack}, plinth);
    AddGrainedBox(mesh, {kPedestal, 0.02f, kFront}, {0.48f, kUnderTop, kBack}, wood);
    AddGrainedBox(mesh, {-0.48f, 0, kFront}, {-0.45f, kUnderTop, kBack}, wood);
    AddGrainedBox(mesh, {-0.45f, 0.15f, 0.22f}, {kPedestal, kUnderTop, 0.24f}, wood);
    AddGrainedBox(mesh, {-0.45f, 0.42f, kFront}, {kPedestal, kUnderTop, 0.22f}, wood);
    // Drawer fronts stand proud of the carcass, each with a bar handle.
    const auto drawer = [&](float left, float right, float bottom, float top) {
        AddGrainedBox(mesh, {left, bottom, kFront - 0.012f}, {right, top, kFront}, wood);
        const float x = 0.5f * (left + right), y = 0.5f * (bottom + top);
        AddChamferedBox(mesh, {x - 0.04f, y - 0.008f, kFront - 0.027f},
                        {x + 0.04f, y + 0.008f, kFront - 0.012f}, 0.003f, brass);
    };
    for (const auto& [bottom, top] :
         {std::pair{0.04f, 0.17f}, std::pair{0.18f, 0.31f}, std::pair{0.32f, 0.47f}}) {
        drawer(kPedestal + 0.015f, 0.465f, bottom, top);
    }
    drawer(-0.44f, kPedestal - 0.01f, 0.425f, 0.485f);
    return mesh;
}

// The key cabinet: a wooden cupboard 0.6 high shut with a small padlock, and above it a board of
// hooks in three rows with keys and their tags; 0.84 wide, 0.35 deep, 1.28 high, facing -z;
// origin on the floor at its middle.
Mesh KeyCabinet() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki.bmp", 0xC89868), 10, 0.15f));
    const uint32_t dark = mesh.AddMaterial(Plain(0x2A1C12));
    const uint32_t brass = mesh.AddMaterial(Brass());
    const std::array<uint32_t, 2> tags = {mesh.AddMaterial(Plain(0xE8DCC0)),
                                          mesh.AddMaterial(Plain(0xA83028))};
    // The cupboard below.
    AddBox(mesh, {-0.37f, 0, -0.13f}, {0.37f, 0.05f, 0.15f}, dark);
    for (float x : {-0.4f, 0.38f}) {
        AddGrainedBox(mesh, {x, 0.05f, -0.15f}, {x + 0.02f, 1.25f, 0.15f}, wood);
    }
    AddGrainedBox(mesh, {-0.38f, 0.05f, 0.12f}, {0.38f, 0.6f, 0.15f}, wood);
    AddChamferedBox(mesh, {-0.41f, 0.6f, -0.16f}, {0.41f, 0.63f, 0.15f}, 0.005f, wood);
    for (const auto& [left, right] : {std::pair{-0.375f, -0.004f}, std::pair{0.004f, 0.375f}}) {
        AddGrainedBox(mesh, {left, 0.07f, -0.16f}, {right, 0.58f, -0.15f}, wood);
    }
    // The padlock through the hasp where the doors meet.
    AddChamferedBox(mesh, {-0.02f, 0.3f, -0.185f}, {0.02f, 0.34f, -0.168f}, 0.004f, brass);
    const std::array<Vec3, 5> shackle = {{{-0.012f, 0.338f, -0.177f},
                                          {-0.012f, 0.358f, -0.177f},
                                          {0, 0.368f, -0.177f},
                                          {0.012f, 0.358f, -0.177f},
                                          {0.012f, 0.338f, -0.177f}}};
    AddTube(mesh, shackle, 0.003f, 8, brass);
    AddBox(mesh, {-0.006f, 0.36f, -0.168f}, {0.006f, 0.39f, -0.16f}, brass);
    // The key board above, under a top board.
    AddGrainedBox(mesh, {-0.38f, 0.63f, 0.11f}, {0.38f, 1.22f, 0.14f}, wood);
    AddChamferedBox(mesh, {-0.42f, 1.22f, -0.17f}, {0.42f, 1.28f, 0.16f}, 0.01f, wood);
    constexpr int kColumns = 6;
    for (int row = 0; row < 3; ++row) {
        const float y = 1.1f - 0.16f * static_cast<float>(row);
        for (int column = 0; column < kColumns; ++column) {
            const float x = -0.3f + 0.12f * static_cast<float>(column);
            AddBox(mesh, {x - 0.003f, y - 0.003f, 0.08f}, {x + 0.003f, y + 0.003f, 0.11f}, brass);
            const int hook = row * kColumns + column;
            if (hook % 5 == 3) continue;  // a key that is out
            AddBox(mesh, {x - 0.006f, y - 0.035f, 0.086f}, {x + 0.006f, y - 0.003f, 0.094f}, brass);
            AddBox(mesh, {x - 0.016f, y - 0.09f, 0.084f}, {x + 0.016f, y - 0.035f, 0.096f},
                   tags[static_cast<size_t>(hook % 2)]);
        }
    }
    return mesh;
}

// A grey steel rack of four shelves holding files, cartons and papers, 0.9 wide, 0.34 deep and
// 1.45 high (1.6 with the carton on top), facing -z; origin on the floor at its middle.
Mesh Rack() {
    Mesh mesh;
    const uint32_t steel = mesh.AddMaterial(Shiny(Plain(0x8A9490), 30, 0.4f));
    const uint32_t card = mesh.AddMaterial(Plain(0xB08A58));
    const uint32_t tape = mesh.AddMaterial(Plain(0xC8B488));
    const uint32_t paper = mesh.AddMaterial(Plain(0xE8E4D8));
    const std::array<uint32_t, 4> files = {
        mesh.AddMaterial(Plain(0x2A3A6A)), mesh.AddMaterial(Plain(0x2A5A3A)),
        mesh.AddMaterial(Plain(0x6A2A2A)), mesh.AddMaterial(Plain(0x222222))};
    constexpr float kPostX = 0.44f, kPostZ = 0.155f, kPost = 0.0125f;
    for (float x : {-kPostX, kPostX}) {
        for (float z : {-kPostZ, kPostZ}) {
            AddBox(mesh, {x - kPost, 0, z - kPost}, {x + kPost, 1.45f, z + kPost}, steel);
        }
    }
    constexpr std::array<float, 4> kShelves = {0.06f, 0.5f, 0.95f, 1.4f};
    for (float y : kShelves) AddBox(mesh, {-0.45f, y, -0.17f}, {0.45f, y + 0.02f, 0.17f}, steel);
    for (float side : {-1.0f, 1.0f}) {
        AddRod(mesh, {-kPostX * side, 0.1f, kPostZ}, {kPostX * side, 1.36f, kPostZ}, 0.004f, 6,
               steel);
    }
    const float floor0 = kShelves[0] + 0.02f, floor1 = kShelves[1] + 0.02f;
    const float floor2 = kShelves[2] + 0.02f, floor3 = kShelves[3] + 0.02f;
    AddCarton(mesh, {-0.41f, floor0, -0.14f}, {-0.05f, floor0 + 0.25f, 0.14f}, card, tape);
    AddCarton(mesh, {0.0f, floor0, -0.13f}, {0.38f, floor0 + 0.2f, 0.15f}, card, tape);
    AddFiles(mesh, -0.42f, floor1, 12, 0.045f, files);
    AddBox(mesh, {-0.4f, floor2, -0.12f}, {-0.1f, floor2 + 0.06f, 0.1f}, paper);
    AddBox(mesh, {0.05f, floor2, -0.13f}, {0.35f, floor2 + 0.12f, 0.12f}, card);
    AddCarton(mesh, {-0.3f, floor3, -0.14f}, {0.12f, floor3 + 0.18f, 0.14f}, card, tape);
    return mesh;
}

// The old safe without its door: dark green steel kSafeSize (0.44 wide, 0.5 high, 0.42 deep) on
// four feet, open at the front (-z) to a shelf; origin on the floor at its middle. Its door
// "kinko_door.x" turns about kSafeDoorHinge.
Mesh Safe() {
    Mesh mesh;
    const uint32_t steel = mesh.AddMaterial(Shiny(Plain(0x34403A), 30, 0.3f));
    const uint32_t inside = mesh.AddMaterial(Plain(0x5A5E58));
    const uint32_t feet = mesh.AddMaterial(Plain(0x1A1C1A));
    const float x = 0.5f * kSafeSize.x, z = 0.5f * kSafeSize.z, top = kSafeSize.y;
    const float bottom = kSafeDoorHinge.y;
    constexpr float kWall = 0.05f;
    for (float fx : {-x + 0.03f, x - 0.07f}) {
        for (float fz : {-z + 0.03f, z - 0.07f}) {
            AddBox(mesh, {fx, 0, fz}, {fx + 0.04f, bottom, fz + 0.04f}, feet);
        }
    }
    AddBox(mesh, {-x, bottom, -z}, {-x + kWall, top, z}, steel);
    AddBox(mesh, {x - kWall, bottom, -z}, {x, top, z}, steel);
    AddBox(mesh, {-x + kWall, top - kWall, -z}, {x - kWall, top, z}, steel);
    AddBox(mesh, {-x + kWall, bottom, -z}, {x - kWall, bottom + 0.06f, z}, steel);
    AddBox(mesh, {-x + kWall, bottom + 0.06f, z - kWall}, {x - kWall, top - kWall, z}, inside);
    AddBox(mesh, {-x + kWall, 0.26f, -z + 0.04f}, {x - kWall, 0.275f, z - kWall}, inside);
    return mesh;
}

// The safe's door: kSafeSize.x wide, 0.48 high and kSafeDoorThickness thick, the dial and the
// handle standing out of its front; origin on its hinge, the bottom left corner of its back face,
// so that it turns about y (a positive yaw opens it towards -z). It goes at kSafeDoorHinge of the
// body.
Mesh SafeDoor() {
    Mesh mesh;
    const uint32_t steel = mesh.AddMaterial(Shiny(Plain(0x34403A), 30, 0.3f));
    const uint32_t face = mesh.AddMaterial(Shiny(Textured("kinko.bmp"), 30, 0.3f));
    const uint32_t dial = mesh.AddMaterial(Shiny(Plain(0xB0B4B0), 50, 0.6f));
    const uint32_t brass = mesh.AddMaterial(Brass());
    const float width = kSafeSize.x, height = kSafeSize.y - kSafeDoorHinge.y;
    const float front = -kSafeDoorThickness;
    AddPictureBox(mesh, {0, 0, front}, {width, height, 0}, steel, face, PictureFaces::Front);
    // The dial and the handle stand where the picture draws them: 0.42 and 0.75 down its height.
    const float middle = 0.5f * width;
    Place(mesh, TowardsFront().Then(Transform::Translate({middle, 0.58f * height, front})),
          [&](Mesh& part) {
              const std::array<Vec2, 6> profile = {{{0, 0},
                                                    {0.045f, 0},
                                                    {0.045f, 0.02f},
                                                    {0.038f, 0.026f},
                                                    {0.012f, 0.03f},
                                                    {0, 0.04f}}};
              AddTurned(part, profile, 24, dial);
          });
    const float handleY = 0.25f * height;
    AddRod(mesh, {middle, handleY, front}, {middle, handleY, front - 0.04f}, 0.008f, kRound, brass);
    AddRod(mesh, {middle - 0.055f, handleY, front - 0.04f},
           {middle + 0.055f, handleY, front - 0.04f}, 0.009f, kRound, brass);
    for (float y : {0.08f, height - 0.14f}) {
        AddRod(mesh, {0, y, 0}, {0, y + 0.06f, 0}, 0.012f, kRound, steel);
    }
    return mesh;
}

}  // namespace furniture
