#include <cmath>
#include <vector>

#include "models/FittingsKit.h"
#include "models/FittingsLayout.h"
#include "models/FittingsParts.h"

namespace fittings {
namespace {

constexpr int kRound = 24;  // segments around round parts
constexpr int kFine = 12;   // segments around rods, pipes and cords

constexpr Vec3 kFront{0, 0, -1};

Material Enamel() {
    return Shiny(Plain(0xE4E6E2), 20, 0.3f);
}

// A solid whose side view is `outline`, (z, y) points, reaching from x -halfWidth to +halfWidth.
void AddSideProfile(Mesh& mesh, std::span<const Vec2> outline, float halfWidth, uint32_t material) {
    // The extrusion draws (a, b) in x-y and runs along z; a quarter turn about y takes its z to
    // x and its x to -z, so the outline is given as (-z, y).
    std::vector<Vec2> turned;
    for (const Vec2 p : outline) turned.push_back({-p.u, p.v});
    Place(mesh, Transform::RotateY(90),
          [&](Mesh& part) { AddExtrusion(part, turned, -halfWidth, halfWidth, material); });
}

// A flat picture on the sloping face that rises from `low` to `high` (both on the middle line,
// x = 0): `halfWidth` to each side, raised a hair above the face so that it does not flicker.
void AddSlopePicture(Mesh& mesh, Vec3 low, Vec3 high, float halfWidth, uint32_t material) {
    const Vec3 rise = high - low;
    const Vec3 lift = (0.0015f / Length(rise)) * Vec3{0, rise.z, -rise.y};
    const Vec3 side{halfWidth, 0, 0};
    AddPicture(mesh, high + lift - side, high + lift + side, low + lift - side, material);
}

// A small bottle of `height`, standing at `foot`.
void AddBottle(Mesh& mesh, Vec3 foot, float height, uint32_t material) {
    const float h = height;
    const Vec2 profile[] = {{0, 0},
                            {0.16f * h, 0},
                            {0.17f * h, 0.04f * h},
                            {0.17f * h, 0.62f * h},
                            {0.07f * h, 0.85f * h},
                            {0.065f * h, h},
                            {0, h}};
    Place(mesh, Transform::Translate(foot),
          [&](Mesh& part) { AddSmoothLathe(part, profile, kFine, material); });
}

}  // namespace

// A small refrigerator without its door, kFridgeSize (0.42 wide, 0.62 high, 0.4 deep), open at
// the front (-z) to show its lit shelves; origin on the floor at its centre.
Mesh Fridge() {
    Mesh mesh;
    const uint32_t enamel = mesh.AddMaterial(Enamel());
    const uint32_t plinth = mesh.AddMaterial(Plain(0x2A2A2A));
    const uint32_t glass = mesh.AddMaterial(Shiny(Plain(0xC8D4D8), 60, 0.6f));
    const uint32_t freezer = mesh.AddMaterial(Plain(0xB8BCC0));
    const uint32_t lamp = mesh.AddMaterial(Glowing(Plain(0xFFF4D8), 0.8f));
    const uint32_t bottle = mesh.AddMaterial(Shiny(Textured("bottle.bmp"), 40, 0.6f));
    const uint32_t carton = mesh.AddMaterial(Plain(0xE8E0C0));
    const float x = 0.5f * kFridgeSize.x, z = 0.5f * kFridgeSize.z, top = kFridgeSize.y;
    constexpr float kWall = 0.02f;
    constexpr float kFloor = 0.05f;  // top of the cabinet's bottom
    AddBox(mesh, {-x + kWall, 0, -z + kWall}, {x - kWall, 0.03f, z}, plinth);
    AddBox(mesh, {-x, 0.03f, -z}, {x, kFloor, z}, enamel);
    AddBox(mesh, {-x, top - kWall, -z}, {x, top, z}, enamel);
    AddBox(mesh, {-x, kFloor, -z}, {-x + kWall, top - kWall, z}, enamel);
    AddBox(mesh, {x - kWall, kFloor, -z}, {x, top - kWall, z}, enamel);
    AddBox(mesh, {-x + kWall, kFloor, z - kWall}, {x - kWall, top - kWall, z}, enamel);
    // Inside, clear of the door's pockets at the front: two glass shelves, the freezer box with
    // the lamp under it, two bottles and a carton.
    constexpr float kInsideFront = -0.13f;
    const float inner = x - kWall;
    for (float y : {0.22f, 0.38f}) {
        AddBox(mesh, {-inner, y, kInsideFront}, {inner, y + 0.008f, z - kWall}, glass);
    }
    AddBox(mesh, {-inner, 0.48f, kInsideFront}, {inner, top - kWall, z - kWall}, freezer);
    AddBox(mesh, {-0.04f, 0.465f, 0.1f}, {0.04f, 0.48f, 0.16f}, lamp);
    AddBottle(mesh, {-0.1f, 0.228f, 0.04f}, 0.14f, bottle);
    AddBottle(mesh, {-0.03f, 0.228f, 0.07f}, 0.14f, bottle);
    AddBox(mesh, {0.03f, kFloor, -0.06f}, {0.15f, 0.13f, 0.1f}, carton);
    return mesh;
}

// The refrigerator's door, 0.42 wide, 0.59 high, 0.035 thick, pockets on its inside (+z); origin
// on its hinge, the front left edge of its bottom, so that it turns about y. It goes at
// kFridgeDoorHinge of the body.
Mesh FridgeDoor() {
    Mesh mesh;
    const uint32_t enamel = mesh.AddMaterial(Enamel());
    const uint32_t front = mesh.AddMaterial(Shiny(Textured("reizouko.bmp"), 20, 0.3f));
    const uint32_t liner = mesh.AddMaterial(Plain(0xF0F2F0));
    const uint32_t handle = mesh.AddMaterial(Shiny(Plain(0xB8BCC0), 50, 0.7f));
    const float width = kFridgeSize.x, top = kFridgeSize.y;
    constexpr float kBottom = 0.03f;
    constexpr float kThickness = 0.035f;
    AddFacedBox(mesh, {0, kBottom, -kThickness}, {width, top, 0}, kFront, enamel, front);
    AddBox(mesh, {0.02f, kBottom + 0.02f, 0}, {width - 0.02f, top - 0.02f, 0.01f}, liner);
    for (float y : {0.12f, 0.34f}) {
        AddBox(mesh, {0.03f, y, 0.01f}, {width - 0.03f, y + 0.05f, 0.05f}, liner);
    }
    // A bar handle on the side away from the hinge.
    constexpr float kHandleX = 0.37f;
    for (float y : {0.3f, 0.5f}) {
        AddRod(mesh, {kHandleX, y, -kThickness}, {kHandleX, y, -0.055f}, 0.006f, kFine, handle);
    }
    AddRod(mesh, {kHandleX, 0.29f, -0.055f}, {kHandleX, 0.51f, -0.055f}, 0.008f, kFine, handle);
    return mesh;
}

// A wooden-cased television on four legs with a rod aerial: 0.48 wide, 0.4 deep, 0.5
// high at the cabinet's top and 0.78 at the aerial's tips; origin on the floor at its centre,
// screen towards -z.
Mesh Television() {
    Mesh mesh;
    const uint32_t wood = mesh.AddMaterial(Shiny(Textured("ki1.bmp", 0x9A8070), 20, 0.2f));
    const uint32_t front = mesh.AddMaterial(Shiny(Textured("tv.bmp"), 30, 0.4f));
    const uint32_t plastic = mesh.AddMaterial(Plain(0x2A2622));
    const uint32_t metal = mesh.AddMaterial(Shiny(Plain(0xB0B0B0), 40, 0.6f));
    constexpr float kBase = 0.14f;  // underside of the cabinet
    constexpr float kTop = 0.5f;
    AddFacedBox(mesh, {-0.24f, kBase, -0.2f}, {0.24f, kTop, 0.12f}, kFront, wood, front);
    AddBevelledBox(mesh, {-0.17f, 0.18f, 0.12f}, {0.17f, 0.46f, 0.26f}, 0.03f, plastic);
    for (float x : {-0.2f, 0.2f}) {
        for (float z : {-0.15f, 0.08f}) AddRod(mesh, {x, kBase, z}, {x, 0, z}, 0.012f, kFine, wood);
    }
    AddBevelledBox(mesh, {-0.04f, kTop, 0}, {0.04f, kTop + 0.02f, 0.06f}, 0.006f, plastic);
    for (float sx : {-1.0f, 1.0f}) {
        AddRod(mesh, {sx * 0.01f, kTop + 0.02f, 0.03f}, {sx * 0.15f, 0.78f, 0.06f}, 0.004f, 8,
               metal);
    }
    return mesh;
}

// A radio cassette player, 0.34 wide, 0.1 deep and 0.19 high, 0.26 with its carrying handle;
// origin under its centre, speakers towards -z.
Mesh RadioCassette() {
    Mesh mesh;
    const uint32_t casing = mesh.AddMaterial(Shiny(Plain(0xB8BCC0), 30, 0.5f));
    const uint32_t front = mesh.AddMaterial(Shiny(Textured("rasikase.bmp"), 30, 0.4f));
    const uint32_t black = mesh.AddMaterial(Shiny(Plain(0x1E1E20), 30, 0.4f));
    const uint32_t metal = mesh.AddMaterial(Shiny(Plain(0xD0D4D8), 60, 0.8f));
    constexpr float kTop = 0.19f;
    AddFacedBox(mesh, {-0.17f, 0, -0.05f}, {0.17f, kTop, 0.05f}, kFront, casing, front);
    // The deck's piano keys along the top front.
    for (int key = 0; key < 6; ++key) {
        const float left = -0.1f + 0.035f * static_cast<float>(key);
        AddBox(mesh, {left, kTop, -0.04f}, {left + 0.028f, kTop + 0.01f, -0.015f}, black);
    }
    const std::vector<Vec3> handle =
        ArcPoints({0, kTop, 0.015f}, 1, {0.13f, 0, 0}, {0, 0.065f, 0}, 0, 180, 16);
    AddTube(mesh, handle, 0.008f, kFine, black);
    // The telescopic aerial, folded along the back.
    AddRod(mesh, {0.14f, kTop + 0.005f, 0.035f}, {-0.12f, kTop + 0.01f, 0.035f}, 0.0035f, 8, metal);
    return mesh;
}

// A cash register, 0.32 wide, 0.3 deep, 0.24 high with its customer display; origin under its
// centre, keys towards -z.
Mesh CashRegister() {
    Mesh mesh;
    const uint32_t body = mesh.AddMaterial(Shiny(Plain(0xC8C0A8), 20, 0.3f));
    const uint32_t keys = mesh.AddMaterial(Textured("rezisuta.bmp"));
    const uint32_t dark = mesh.AddMaterial(Plain(0x2A2A2C));
    const uint32_t digits = mesh.AddMaterial(Glowing(Plain(0x40E060), 0.7f));
    constexpr float kDrawerTop = 0.07f;
    AddBevelledBox(mesh, {-0.16f, 0, -0.15f}, {0.16f, kDrawerTop, 0.15f}, 0.008f, body);
    AddBox(mesh, {-0.015f, 0.03f, -0.155f}, {0.015f, 0.045f, -0.15f}, dark);  // the drawer's lock
    // The keyboard slopes up from the front to the flat back, where the display stands.
    constexpr Vec2 kSide[] = {
        {-0.14f, kDrawerTop}, {0.15f, kDrawerTop}, {0.15f, 0.17f}, {0.05f, 0.17f}, {-0.14f, 0.1f}};
    AddSideProfile(mesh, kSide, 0.15f, body);
    AddSlopePicture(mesh, {0, 0.1f, -0.14f}, {0, 0.17f, 0.05f}, 0.14f, keys);
    AddRod(mesh, {0, 0.17f, 0.1f}, {0, 0.2f, 0.1f}, 0.012f, kFine, dark);
    AddBox(mesh, {-0.06f, 0.2f, 0.07f}, {0.06f, 0.24f, 0.12f}, dark);
    for (float z : {0.068f, 0.12f}) {
        AddBox(mesh, {-0.05f, 0.206f, z}, {0.05f, 0.234f, z + 0.002f}, digits);
    }
    return mesh;
}

// A black rotary-dial telephone, 0.17 wide, 0.2 deep, 0.12 high with its handset; origin under
// its centre, dial towards -z.
Mesh Telephone() {
    Mesh mesh;
    const uint32_t black = mesh.AddMaterial(Shiny(Plain(0x141416), 40, 0.5f));
    const uint32_t dial = mesh.AddMaterial(Shiny(Textured("tel.bmp"), 40, 0.5f));
    constexpr float kHalfWidth = 0.085f;
    constexpr Vec3 kLow{0, 0.045f, -0.1f};  // front edge of the sloping face
    constexpr Vec3 kHigh{0, 0.085f, 0.03f};
    constexpr Vec2 kSide[] = {
        {-0.1f, 0}, {0.1f, 0}, {0.1f, 0.07f}, {kHigh.z, kHigh.y}, {kLow.z, kLow.y}};
    AddSideProfile(mesh, kSide, kHalfWidth, black);
    const Vec3 middle = 0.5f * (kLow + kHigh);
    const Vec3 along = 0.06f / Length(kHigh - kLow) * (kHigh - kLow);
    AddSlopePicture(mesh, middle - along, middle + along, 0.06f, dial);
    // The cradle's prongs and the handset lying in them.
    for (float x : {-0.06f, 0.06f}) {
        AddBox(mesh, {x - 0.01f, 0.07f, 0.04f}, {x + 0.01f, 0.095f, 0.07f}, black);
    }
    constexpr float kHandsetY = 0.105f, kHandsetZ = 0.055f;
    AddRod(mesh, {-0.095f, kHandsetY, kHandsetZ}, {0.095f, kHandsetY, kHandsetZ}, 0.013f, kFine,
           black);
    for (float x : {-0.095f, 0.095f}) {
        Place(mesh,
              Transform::Scale({0.028f, 0.018f, 0.03f})
                  .Then(Transform::Translate({x, kHandsetY - 0.01f, kHandsetZ})),
              [&](Mesh& part) { AddSphere(part, 1, kFine, 8, black); });
    }
    constexpr Vec3 kCord[] = {{-kHalfWidth, 0.03f, 0.06f},
                              {-0.12f, 0.02f, 0.07f},
                              {-0.14f, 0.04f, 0.05f},
                              {-0.125f, 0.08f, 0.05f},
                              {-0.11f, 0.095f, 0.055f}};
    AddTube(mesh, kCord, 0.004f, 6, black);
    return mesh;
}

// A telephone booth, 0.9 square and 2.0 high under a lit roof, glazed on three sides; its
// doorway, 0.78 wide and 1.75 high between the front posts, is open towards -z (the event swings
// a door of its own there), and the pink telephone stands on a shelf at the back, its top 1.08
// high. Origin on the floor at its centre.
Mesh PhoneBooth() {
    Mesh mesh;
    const uint32_t frame = mesh.AddMaterial(Shiny(Plain(0xD8DCD0), 20, 0.3f));
    const uint32_t glass = mesh.AddMaterial(Shiny(Plain(0x9CB8B4, 0.3f), 80, 0.8f));
    const uint32_t roof = mesh.AddMaterial(Shiny(Plain(0x3A7A4A), 20, 0.3f));
    const uint32_t lamp = mesh.AddMaterial(Glowing(Plain(0xF8F4E0), 0.9f));
    const uint32_t base = mesh.AddMaterial(Plain(0x707070));
    const uint32_t body = mesh.AddMaterial(Shiny(Plain(0xE89AB0), 30, 0.4f));
    const uint32_t phone = mesh.AddMaterial(Shiny(Textured("publictel.bmp"), 30, 0.4f));
    constexpr float kHalf = 0.45f;
    constexpr float kPost = 0.06f;  // side of a corner post
    constexpr float kHeight = 1.9f;
    constexpr float kKick = 0.35f;  // top of the solid panels
    constexpr float kHead = 1.8f;   // top of the glass
    constexpr float kIn = kHalf - kPost;
    AddBox(mesh, {-kHalf, 0, -kHalf}, {kHalf, 0.05f, kHalf}, base);
    for (float x : {-kHalf, kIn}) {
        for (float z : {-kHalf, kIn}) {
            AddBox(mesh, {x, 0.05f, z}, {x + kPost, kHeight, z + kPost}, frame);
        }
    }
    // The walls left, right and back, each over its footprint (x, z corners): a solid kick
    // panel, the glass, a rail above.
    const auto wall = [&](Vec2 from, Vec2 to) {
        AddBox(mesh, {from.u, 0.05f, from.v}, {to.u, kKick, to.v}, frame);
        AddBox(mesh, {from.u, kKick, from.v}, {to.u, kHead, to.v}, glass);
        AddBox(mesh, {from.u, kHead, from.v}, {to.u, kHeight, to.v}, frame);
    };
    wall({-kHalf + 0.02f, -kIn}, {-kHalf + 0.04f, kIn});
    wall({kHalf - 0.04f, -kIn}, {kHalf - 0.02f, kIn});
    wall({-kIn, kHalf - 0.04f}, {kIn, kHalf - 0.02f});
    AddBox(mesh, {-kIn, kHead, -kHalf}, {kIn, kHeight, -kHalf + 0.04f}, frame);  // over the door
    AddBevelledBox(mesh, {-0.5f, kHeight, -0.5f}, {0.5f, 2.0f, 0.5f}, 0.02f, roof);
    AddBox(mesh, {-0.15f, kHeight - 0.03f, -0.1f}, {0.15f, kHeight, 0.1f}, lamp);
    AddBox(mesh, {-0.3f, 0.78f, 0.27f}, {0.3f, 0.8f, kHalf - 0.04f}, frame);  // the shelf
    AddFacedBox(mesh, {-0.12f, 0.8f, 0.29f}, {0.12f, 1.08f, 0.39f}, kFront, body, phone);
    return mesh;
}

// A standing electric fan, 0.85 high, its round guard 0.36 across facing -z; origin on the
// floor under its pole, about which the fan may turn.
Mesh ElectricFan() {
    Mesh mesh;
    const uint32_t white = mesh.AddMaterial(Shiny(Plain(0xE8ECF0), 30, 0.4f));
    const uint32_t blue = mesh.AddMaterial(Shiny(Plain(0x4A78A8), 30, 0.4f));
    const uint32_t blades = mesh.AddMaterial(Textured("senpu.bmp"));
    const uint32_t wire = mesh.AddMaterial(Shiny(Plain(0xD8DCE0), 40, 0.6f));
    constexpr Vec2 kBase[] = {{0, 0},          {0.14f, 0},     {0.14f, 0.015f},
                              {0.12f, 0.035f}, {0.04f, 0.05f}, {0.025f, 0.05f}};
    AddSmoothLathe(mesh, kBase, kRound, white);
    for (int button = 0; button < 3; ++button) {
        const float left = -0.05f + 0.035f * static_cast<float>(button);
        AddBox(mesh, {left, 0.03f, -0.1f}, {left + 0.025f, 0.045f, -0.08f}, blue);
    }
    AddRod(mesh, {0, 0.04f, 0}, {0, 0.45f, 0}, 0.018f, kFine, blue);
    AddRod(mesh, {0, 0.45f, 0}, {0, 0.64f, 0}, 0.012f, kFine, wire);
    // The motor, turned so that its axis runs from the back (+z) forwards (-z).
    constexpr float kHub = 0.66f;  // height of the fan's axis
    constexpr Vec2 kMotor[] = {{0, 0},          {0.035f, 0.005f}, {0.05f, 0.03f},
                               {0.055f, 0.09f}, {0.045f, 0.13f},  {0.02f, 0.14f}};
    Place(mesh, Transform::RotateX(-90).Then(Transform::Translate({0, kHub, 0.1f})),
          [&](Mesh& part) { AddSmoothLathe(part, kMotor, kRound, white); });
    // The guard: the blades behind the grille on either face, a wire rim and a badge.
    constexpr float kGuard = 0.18f;
    constexpr Vec3 kRight{1, 0, 0}, kUp{0, 1, 0};
    AddRoundPicture(mesh, {0, kHub, -0.1f}, kRight, kUp, kGuard, 32, blades);
    AddRoundPicture(mesh, {0, kHub, -0.09f}, -kRight, kUp, kGuard, 32, blades);
    AddTube(mesh, ArcPoints({0, kHub, -0.095f}, kGuard, kRight, kUp, 0, 360, 32), 0.008f, 8, wire);
    constexpr Vec2 kBadge[] = {{0.03f, 0}, {0.025f, 0.01f}, {0, 0.014f}};
    Place(mesh, Transform::RotateX(-90).Then(Transform::Translate({0, kHub, -0.1f})),
          [&](Mesh& part) { AddSmoothLathe(part, kBadge, kRound, blue); });
    return mesh;
}

// A drinks vending machine, 0.72 wide, 1.3 high and 0.5 deep, its lit front towards -z; origin
// on the floor at its centre.
Mesh VendingMachine() {
    Mesh mesh;
    const uint32_t paint = mesh.AddMaterial(Shiny(Plain(0xB81C20), 20, 0.3f));
    const uint32_t front = mesh.AddMaterial(Glowing(Textured("zihanki.bmp"), 0.3f));
    const uint32_t dark = mesh.AddMaterial(Plain(0x18181A));
    const uint32_t lamp = mesh.AddMaterial(Glowing(Plain(0xF0F4F8), 0.9f));
    constexpr float kHalf = 0.36f;
    constexpr float kFace = -0.25f;  // the cabinet's front
    AddBox(mesh, {-kHalf + 0.02f, 0, kFace + 0.02f}, {kHalf - 0.02f, 0.03f, 0.23f}, dark);
    AddBox(mesh, {-kHalf, 0.03f, kFace}, {kHalf, 1.3f, 0.25f}, paint);
    // The door stands proud of the cabinet: the picture above a plain kick panel with the coin
    // return, and a lit band over it.
    AddFacedBox(mesh, {-0.345f, 0.3f, kFace - 0.02f}, {0.345f, 1.24f, kFace}, kFront, paint, front);
    AddBox(mesh, {-0.345f, 0.06f, kFace - 0.02f}, {0.345f, 0.3f, kFace}, paint);
    AddBox(mesh, {0.2f, 0.18f, kFace - 0.03f}, {0.28f, 0.24f, kFace - 0.02f}, dark);
    AddBox(mesh, {-0.34f, 1.245f, kFace - 0.012f}, {0.34f, 1.285f, kFace}, lamp);
    return mesh;
}

// A rooftop boiler: a cabinet 1.0 wide, 0.58 deep and 0.85 high on two concrete blocks (its top
// 1.0 above the roof), a flue to 1.66 and two pipes down into the roof on its right; origin on
// the roof at its centre, fan grille towards -z.
Mesh RoofBoiler() {
    Mesh mesh;
    const uint32_t casing = mesh.AddMaterial(Shiny(Plain(0xC0BCAC), 20, 0.3f));
    const uint32_t front = mesh.AddMaterial(Textured("roof_air.bmp"));
    const uint32_t concrete = mesh.AddMaterial(Plain(0x8A8A86));
    const uint32_t pipe = mesh.AddMaterial(Shiny(Plain(0x6A6A66), 30, 0.4f));
    constexpr float kHalf = 0.5f;
    constexpr float kFoot = 0.12f;  // top of the blocks
    constexpr float kTop = 0.97f;
    for (float x : {-0.45f, 0.25f})
        AddBox(mesh, {x, 0, -0.25f}, {x + 0.2f, kFoot, 0.25f}, concrete);
    AddFacedBox(mesh, {-kHalf, kFoot, -0.275f}, {kHalf, kTop, 0.275f}, kFront, casing, front);
    AddBevelledBox(mesh, {-0.52f, kTop, -0.29f}, {0.52f, 1.0f, 0.29f}, 0.01f, casing);
    constexpr Vec3 kFlue{0.3f, 1.0f, 0.1f};
    AddRod(mesh, kFlue, kFlue + Vec3{0, 0.55f, 0}, 0.05f, 16, pipe);
    AddRod(mesh, kFlue + Vec3{0, 0.55f, 0}, kFlue + Vec3{0, 0.58f, 0}, 0.02f, 8, pipe);
    constexpr Vec2 kRainCap[] = {{0, 0}, {0.1f, 0}, {0, 0.08f}};
    Place(mesh, Transform::Translate(kFlue + Vec3{0, 0.58f, 0}),
          [&](Mesh& part) { AddSmoothLathe(part, kRainCap, 16, pipe); });
    for (float z : {0.05f, 0.15f}) {
        std::vector<Vec3> run = {{kHalf - 0.02f, 0.35f, z}};
        const std::vector<Vec3> bend =
            ArcPoints({0.56f, 0.27f, z}, 0.08f, {1, 0, 0}, {0, 1, 0}, 90, 0, 6);
        run.insert(run.end(), bend.begin(), bend.end());
        run.push_back({0.64f, 0, z});
        AddTube(mesh, run, 0.025f, kFine, pipe);
    }
    return mesh;
}

}  // namespace fittings
