#include <vector>

#include "models/FittingsKit.h"
#include "models/FittingsLayout.h"
#include "models/FittingsParts.h"

namespace fittings {
namespace {

constexpr int kRound = 24;  // segments around porcelain and bins
constexpr int kFine = 12;   // segments around rods and pipes

Material Porcelain() {
    return Shiny(Textured("toile.bmp"), 40, 0.6f);
}

Material Chrome() {
    return Shiny(Textured("rest_handle.bmp"), 60, 0.9f);
}

// The toilet seat and lid: white plastic.
Material SeatPlastic() {
    return Shiny(Plain(0xF2F0EA), 20, 0.3f);
}

// The toilet bowl is turned round, then stretched to an oval and set forward of the cistern.
constexpr float kBowlRadius = 0.17f;
constexpr Vec3 kBowlStretch{0.78f, 1, 1.1f};
constexpr float kBowlCentreZ = kToiletLidHinge.z - kBowlStretch.z * kBowlRadius;

Transform BowlPlan() {
    return Transform::Scale(kBowlStretch).Then(Transform::Translate({0, 0, kBowlCentreZ}));
}

// A deck faucet standing on `base`: a column, a swan-neck spout reaching 0.09 towards -z and a
// lever rising behind it; 0.17 high.
void AddFaucet(Mesh& mesh, Vec3 base, uint32_t chrome) {
    constexpr float kColumn = 0.12f;  // height of the column
    constexpr float kBend = 0.045f;   // radius of the spout's arc
    constexpr Vec2 kFlange[] = {{0, 0}, {0.025f, 0}, {0.024f, 0.006f}, {0.012f, 0.01f}};
    Place(mesh, Transform::Translate(base),
          [&](Mesh& part) { AddSmoothLathe(part, kFlange, kRound, chrome); });
    const Vec3 top = base + Vec3{0, kColumn, 0};
    AddRod(mesh, base, top, 0.012f, kFine, chrome);
    std::vector<Vec3> spout =
        ArcPoints(top + Vec3{0, 0, -kBend}, kBend, {0, 0, 1}, {0, 1, 0}, 0, 180, 10);
    spout.push_back(spout.back() + Vec3{0, -0.02f, 0});
    AddTube(mesh, spout, 0.008f, kFine, chrome);
    AddRod(mesh, top, top + Vec3{0, 0.03f, 0.045f}, 0.006f, kFine, chrome);
}

}  // namespace

// A Western toilet without its lid, 0.27 wide, 0.54 long, the seat 0.28 and the cistern 0.55
// high; origin on the floor under the bowl's back, front towards -z.
Mesh Toilet() {
    Mesh mesh;
    const uint32_t porcelain = mesh.AddMaterial(Porcelain());
    const uint32_t seat = mesh.AddMaterial(SeatPlastic());
    const uint32_t water = mesh.AddMaterial(Shiny(Plain(0x8EAAB8), 80, 0.8f));
    const uint32_t chrome = mesh.AddMaterial(Chrome());
    // Foot and bowl in one profile: up the outside, over the rim, down the inside to the water.
    constexpr Vec2 kBowl[] = {{0, 0},           {0.11f, 0},      {0.11f, 0.015f}, {0.095f, 0.06f},
                              {0.09f, 0.12f},   {0.11f, 0.18f},  {0.15f, 0.225f}, {0.17f, 0.255f},
                              {0.165f, 0.265f}, {0.13f, 0.265f}, {0.12f, 0.25f},  {0.09f, 0.2f},
                              {0.06f, 0.16f}};
    constexpr float kSeatTop = kToiletLidHinge.y;
    constexpr Vec2 kSeat[] = {{0.12f, 0.265f},
                              {kBowlRadius, 0.265f},
                              {kBowlRadius, kSeatTop},
                              {0.12f, kSeatTop},
                              {0.12f, 0.265f}};
    Place(mesh, BowlPlan(), [&](Mesh& part) {
        AddSmoothLathe(part, kBowl, kRound, porcelain);
        AddDisc(part, 0.065f, 0.165f, true, kRound, water);
        AddSmoothLathe(part, kSeat, kRound, seat);
    });
    // The foot's back under the cistern, the cistern and its lid, behind the lid's hinge so that
    // the lid opens clear of them.
    const uint32_t cistern = mesh.NextVertex();
    AddBevelledBox(mesh, {-0.08f, 0, 0.02f}, {0.08f, 0.26f, 0.2f}, 0.015f, porcelain);
    AddBevelledBox(mesh, {-0.15f, 0.24f, 0.13f}, {0.15f, 0.52f, 0.27f}, 0.015f, porcelain);
    AddBevelledBox(mesh, {-0.16f, 0.52f, 0.13f}, {0.16f, 0.55f, 0.29f}, 0.01f, porcelain);
    ProjectBoxUvs(mesh, cistern, 0.5f);
    // The flush lever on the cistern's left side, pointing forwards.
    AddRod(mesh, {-0.15f, 0.47f, 0.2f}, {-0.175f, 0.47f, 0.2f}, 0.012f, kFine, chrome);
    AddRod(mesh, {-0.17f, 0.47f, 0.2f}, {-0.17f, 0.465f, 0.14f}, 0.007f, kFine, chrome);
    return mesh;
}

// The toilet's lid, lying closed: 0.27 wide, 0.37 long, 0.02 thick; origin on its hinge at the
// back, the lid reaching towards -z (placed at kToiletLidHinge of the toilet, it turns about x).
Mesh ToiletLid() {
    Mesh mesh;
    const uint32_t lid = mesh.AddMaterial(SeatPlastic());
    const uint32_t chrome = mesh.AddMaterial(Chrome());
    // The seat's oval in plan, as x and z about the hinge.
    constexpr int kCorners = 32;
    const std::vector<Vec3> rim =
        ArcPoints({0, 0, kBowlCentreZ - kToiletLidHinge.z}, 1, {kBowlStretch.x * kBowlRadius, 0, 0},
                  {0, 0, kBowlStretch.z * kBowlRadius}, 0, 360, kCorners);
    std::vector<Vec2> outline;
    for (int i = 0; i < kCorners; ++i) outline.push_back({rim[i].x, rim[i].z});
    // The outline is drawn in x-y and extruded along z; turned about x it lies flat, its y along
    // z and its depth from y 0 up to the lid's thickness.
    Place(mesh, Transform::RotateX(90),
          [&](Mesh& part) { AddExtrusion(part, outline, -0.02f, 0, lid); });
    for (float x : {-0.065f, 0.035f}) {
        AddRod(mesh, {x, 0.01f, 0}, {x + 0.03f, 0.01f, 0}, 0.01f, kFine, chrome);
    }
    return mesh;
}

// A square ventilation grille 0.3 across and 0.025 deep with tilted slats; origin at the centre
// of its back, which lies on the wall or ceiling, front towards -z.
Mesh VentGrille() {
    Mesh mesh;
    const uint32_t plastic = mesh.AddMaterial(Shiny(Plain(0xE6E4DC), 10, 0.2f));
    const uint32_t duct = mesh.AddMaterial(Plain(0x1A1A1A));
    constexpr float kHalf = 0.15f;    // half the grille's side
    constexpr float kRim = 0.025f;    // width of the rim
    constexpr float kDepth = 0.025f;  // how far it stands out of the wall
    constexpr float kInner = kHalf - kRim;
    AddBox(mesh, {-kInner, -kInner, -0.004f}, {kInner, kInner, 0}, duct);
    for (const auto& [min, max] :
         {std::pair<Vec3, Vec3>{{-kHalf, kInner, -kDepth}, {kHalf, kHalf, 0}},
          {{-kHalf, -kHalf, -kDepth}, {kHalf, -kInner, 0}},
          {{-kHalf, -kInner, -kDepth}, {-kInner, kInner, 0}},
          {{kInner, -kInner, -kDepth}, {kHalf, kInner, 0}}}) {
        AddBevelledBox(mesh, min, max, 0.005f, plastic);
    }
    constexpr int kSlats = 6;
    constexpr float kPitch = 2 * kInner / kSlats;
    for (int i = 0; i < kSlats; ++i) {
        const float y = -kInner + (static_cast<float>(i) + 0.5f) * kPitch;
        // Front edge down, so the duct is hidden from below.
        Place(mesh, Transform::RotateX(-35).Then(Transform::Translate({0, y, -0.0125f})),
              [&](Mesh& part) {
                  AddBox(part, {-kInner, -0.002f, -0.0135f}, {kInner, 0.002f, 0.0135f}, plastic);
              });
    }
    return mesh;
}

// A slim pedal bin for sanitary waste, 0.17 high, 0.12 wide, 0.08 deep; origin on the floor at
// its centre, pedal towards -z.
Mesh SanitaryBin() {
    Mesh mesh;
    const uint32_t plastic = mesh.AddMaterial(Shiny(Plain(0xE8D4DC), 30, 0.4f));
    const uint32_t pedal = mesh.AddMaterial(Plain(0x8A8A8E));
    constexpr Vec2 kBody[] = {{0, 0}, {0.05f, 0}, {0.055f, 0.008f}, {0.058f, 0.15f}};
    constexpr Vec2 kLid[] = {
        {0.055f, 0.15f}, {0.06f, 0.15f}, {0.061f, 0.158f}, {0.045f, 0.17f}, {0, 0.174f}};
    Place(mesh, Transform::Scale({1, 1, 0.65f}), [&](Mesh& part) {
        AddSmoothLathe(part, kBody, kRound, plastic);
        AddSmoothLathe(part, kLid, kRound, plastic);
    });
    AddBevelledBox(mesh, {-0.025f, 0, -0.06f}, {0.025f, 0.015f, -0.02f}, 0.004f, pedal);
    return mesh;
}

// A toilet-paper holder with its roll, 0.16 wide, 0.1 out from the wall and 0.12 high with the
// sheet hanging down; origin at the centre of its back plate, which lies on the wall, front
// towards -z.
Mesh PaperHolder() {
    Mesh mesh;
    const uint32_t chrome = mesh.AddMaterial(Chrome());
    const uint32_t paper = mesh.AddMaterial(Plain(0xF6F4EE));
    const uint32_t core = mesh.AddMaterial(Plain(0xA88058));
    AddBevelledBox(mesh, {-0.075f, -0.05f, -0.008f}, {0.075f, 0.05f, 0}, 0.0015f, chrome);
    AddBevelledBox(mesh, {-0.078f, 0.045f, -0.1f}, {0.078f, 0.052f, -0.008f}, 0.002f, chrome);
    for (float x : {-0.07f, 0.07f}) {
        AddBox(mesh, {x - 0.003f, -0.01f, -0.07f}, {x + 0.003f, 0.045f, -0.008f}, chrome);
    }
    constexpr float kAxleZ = -0.055f;
    AddRod(mesh, {-0.07f, 0, kAxleZ}, {0.07f, 0, kAxleZ}, 0.006f, kFine, chrome);
    // The roll is turned so that its axis, y, runs along -x.
    constexpr Vec2 kRoll[] = {{0.012f, 0}, {0.045f, 0}, {0.045f, 0.12f}, {0.012f, 0.12f}};
    constexpr Vec2 kCore[] = {{0.012f, 0.12f}, {0.012f, 0}};
    Place(mesh, Transform::RotateZ(90).Then(Transform::Translate({0.06f, 0, kAxleZ})),
          [&](Mesh& part) {
              AddSmoothLathe(part, kRoll, kRound, paper);
              AddSmoothLathe(part, kCore, kRound, core);
          });
    AddBox(mesh, {-0.055f, -0.07f, -0.1015f}, {0.055f, 0, -0.1f}, paper);
    return mesh;
}

// A wash basin on a vanity cabinet: 0.46 wide, 0.32 deep, the basin's rim 0.6 high; origin on the
// floor at the cabinet's centre, its back against the wall at +z.
Mesh WashBasin() {
    Mesh mesh;
    const uint32_t cabinet = mesh.AddMaterial(Shiny(Plain(0xE2DCCC), 10, 0.2f));
    const uint32_t plinth = mesh.AddMaterial(Plain(0x3A3A38));
    const uint32_t counter = mesh.AddMaterial(Shiny(Textured("bath_dairi.bmp"), 40, 0.5f));
    const uint32_t porcelain = mesh.AddMaterial(Porcelain());
    const uint32_t drain = mesh.AddMaterial(Plain(0x303030));
    const uint32_t chrome = mesh.AddMaterial(Chrome());
    AddBox(mesh, {-0.2f, 0, -0.13f}, {0.2f, 0.04f, 0.15f}, plinth);
    AddBox(mesh, {-0.22f, 0.04f, -0.15f}, {0.22f, 0.47f, 0.15f}, cabinet);
    for (float left : {-0.215f, 0.005f}) {
        AddBevelledBox(mesh, {left, 0.06f, -0.16f}, {left + 0.21f, 0.45f, -0.15f}, 0.002f, cabinet);
    }
    for (float x : {-0.02f, 0.02f}) {
        AddRod(mesh, {x, 0.4f, -0.16f}, {x, 0.4f, -0.175f}, 0.008f, kFine, chrome);
    }
    const uint32_t top = mesh.NextVertex();
    AddBevelledBox(mesh, {-0.23f, 0.47f, -0.17f}, {0.23f, 0.5f, 0.15f}, 0.008f, counter);
    ProjectBoxUvs(mesh, top, 0.6f);
    // A round basin standing on the counter, drawn in to an oval.
    constexpr Vec2 kBasin[] = {{0, 0.5f},        {0.07f, 0.5f},    {0.12f, 0.54f},  {0.15f, 0.6f},
                               {0.155f, 0.605f}, {0.145f, 0.605f}, {0.135f, 0.58f}, {0.1f, 0.54f},
                               {0.03f, 0.515f},  {0, 0.514f}};
    Place(mesh, Transform::Scale({1, 1, 0.75f}).Then(Transform::Translate({0, 0, -0.03f})),
          [&](Mesh& part) {
              AddSmoothLathe(part, kBasin, kRound, porcelain);
              AddDisc(part, 0.015f, 0.5145f, true, kFine, drain);
          });
    AddFaucet(mesh, {0, 0.5f, 0.11f}, chrome);
    return mesh;
}

// A chrome deck faucet, 0.17 high; origin at the centre of its foot, which stands on the
// counter, spout towards -z.
Mesh Faucet() {
    Mesh mesh;
    AddFaucet(mesh, {0, 0, 0}, mesh.AddMaterial(Chrome()));
    return mesh;
}

// A round waste bin of perforated sheet, 0.36 high and 0.31 across, a crumpled note at its
// bottom; origin on the floor at its centre.
Mesh WasteBin() {
    Mesh mesh;
    const uint32_t sheet = mesh.AddMaterial(Shiny(Textured("trashbox.bmp"), 20, 0.3f));
    const uint32_t rim = mesh.AddMaterial(Shiny(Plain(0x3A403C), 30, 0.4f));
    const uint32_t note = mesh.AddMaterial(Textured("note.bmp"));
    constexpr float kHeight = 0.35f;
    constexpr Vec2 kOutside[] = {{0, 0}, {0.13f, 0}, {0.15f, kHeight}};
    constexpr Vec2 kInside[] = {{0.145f, kHeight}, {0.126f, 0.02f}, {0, 0.02f}};
    AddSmoothLathe(mesh, kOutside, kRound, sheet);
    AddSmoothLathe(mesh, kInside, kRound, sheet);
    const std::vector<Vec3> lip =
        ArcPoints({0, kHeight, 0}, 0.1475f, {1, 0, 0}, {0, 0, 1}, 0, 360, kRound);
    AddTube(mesh, lip, 0.006f, 8, rim);
    // Crumpled paper: coarse balls squashed out of round.
    for (const auto& [scale, at] :
         {std::pair<Vec3, Vec3>{{0.05f, 0.035f, 0.04f}, {0.03f, 0.055f, 0.02f}},
          {{0.04f, 0.03f, 0.045f}, {-0.05f, 0.05f, -0.03f}}}) {
        Place(mesh,
              Transform::Scale(scale).Then(Transform::RotateY(35)).Then(Transform::Translate(at)),
              [&](Mesh& part) { AddSphere(part, 1, 7, 5, note); });
    }
    return mesh;
}

// A dial bathroom scale, 0.27 square and 0.06 high; origin on the floor at its centre, the dial
// towards +z.
Mesh BathroomScale() {
    Mesh mesh;
    const uint32_t casing = mesh.AddMaterial(Shiny(Plain(0xD8D4CC), 20, 0.3f));
    const uint32_t mat = mesh.AddMaterial(Textured("taijukei.bmp"));
    const uint32_t chrome = mesh.AddMaterial(Chrome());
    constexpr float kHalf = 0.135f;
    constexpr float kTop = 0.055f;
    AddBevelledBox(mesh, {-kHalf, 0, -kHalf}, {kHalf, 0.045f, kHalf}, 0.012f, casing);
    constexpr float kMat = kHalf - 0.01f;
    AddFacedBox(mesh, {-kMat, 0.045f, -kMat}, {kMat, kTop, kMat}, {0, 1, 0}, casing, mat);
    // A bezel round the dial, which the picture puts 0.3 of the way from the back edge with a
    // radius of 0.2 of its side.
    const Vec3 dial{0, kTop, kMat - 0.3f * 2 * kMat};
    AddTube(mesh, ArcPoints(dial, 0.2f * 2 * kMat, {1, 0, 0}, {0, 0, 1}, 0, 360, kRound), 0.004f, 6,
            chrome);
    return mesh;
}

// A toilet cubicle's door, 0.7 wide, from 0.12 to 1.5 above the floor, 0.03 thick; origin on the
// floor on its hinge line (its left edge seen from the front, -z), so that it swings about y.
Mesh StallDoor() {
    Mesh mesh;
    const uint32_t door = mesh.AddMaterial(Shiny(Textured("rest_door.bmp"), 20, 0.3f));
    const uint32_t chrome = mesh.AddMaterial(Chrome());
    const uint32_t occupied = mesh.AddMaterial(Plain(0xC02020));
    constexpr float kWidth = 0.7f;
    constexpr float kHalfThick = 0.015f;
    AddBox(mesh, {0, 0.12f, -kHalfThick}, {kWidth, 1.5f, kHalfThick}, door);
    for (float y : {0.3f, 1.2f}) AddRod(mesh, {0, y, 0}, {0, y + 0.08f, 0}, 0.012f, kFine, chrome);
    // A lever on each side and the lock's red "occupied" flag above the front one.
    for (float side : {-1.0f, 1.0f}) {
        const float face = side * kHalfThick;
        AddRod(mesh, {0.62f, 0.8f, face}, {0.62f, 0.8f, face + side * 0.025f}, 0.008f, kFine,
               chrome);
        AddRod(mesh, {0.625f, 0.8f, face + side * 0.02f}, {0.54f, 0.8f, face + side * 0.02f},
               0.007f, kFine, chrome);
    }
    AddBox(mesh, {0.6f, 0.86f, -kHalfThick - 0.005f}, {0.66f, 0.89f, -kHalfThick}, occupied);
    return mesh;
}

}  // namespace fittings
