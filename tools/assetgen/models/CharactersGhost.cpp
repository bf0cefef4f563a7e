// The ghost's body: a tall, thin figure of wet grey-green skin in a ragged cloth, long-armed and
// long-fingered, with an upright fish's head on a long neck. Rig units (0.08 world units); each
// part's origin is its joint, the figure faces +z.
#include <cmath>

#include "models/CharactersKit.h"
#include "models/CharactersParts.h"

namespace {

constexpr int kAround = 14;          // segments around limbs
constexpr int kAroundBody = 24;      // around the torso, hips and head
constexpr float kSkinRepeat = 4.0f;  // rig units per repeat of the skin's mottle

enum Hide : size_t { kSkin, kFace, kEye, kPupil, kMouth, kCloth, kClaw };

const Material kHides[] = {
    Shiny(Textured("fish.bmp"), 30, 0.45f), Shiny(Textured("fishface.bmp"), 30, 0.45f),
    Shiny(Plain(0xC8C27A), 60, 0.8f),       Shiny(Plain(0x060806), 60, 0.9f),
    Shiny(Plain(0x1A0608), 10, 0.2f),       Shiny(Plain(0x34302C), 2, 0.02f),
    Shiny(Plain(0x1E1A16), 40, 0.5f),
};

// Appends `part`, placed, in the wet skin at one scale over the whole body.
void AppendSkin(Mesh& mesh, const Mesh& part, const Transform& placement) {
    const auto first = mesh.NextVertex();
    Append(mesh, part, placement);
    ProjectBoxUvs(mesh, first, kSkinRepeat);
}

void AddSkinLoft(Mesh& mesh, std::span<const Section> sections, int segments, int rows,
                 const Transform& placement, uint32_t skin) {
    Mesh part;
    AddLoft(part, sections, segments, rows, skin);
    AppendSkin(mesh, part, placement);
}

void AddSkinEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, uint32_t skin) {
    Mesh part;
    AddEllipsoid(part, centre, radii, kAround, 8, skin);
    AppendSkin(mesh, part, {});
}

}  // namespace

// Leg hanging from the hip joint (origin) to the sole of its webbed foot at y -4.5, knee at -2.3.
Mesh GhostLeg() {
    Mesh mesh;
    Palette hide(mesh, kHides);
    const Section leg[] = {
        {-4.3f, 0, 0, 0},
        {-4.25f, 0.16f, 0.17f, 0.17f},
        {-3.4f, 0.2f, 0.21f, 0.21f},
        {-2.45f, 0.24f, 0.24f, 0.24f},
        {-2.25f, 0.28f, 0.3f, 0.27f},
        {-2.0f, 0.27f, 0.27f, 0.27f},
        {-1.0f, 0.34f, 0.36f, 0.36f},
        {0, 0.42f, 0.44f, 0.46f},
        {0.25f, 0.36f, 0.36f, 0.36f},
        {0.4f, 0, 0, 0},
    };
    AddSkinLoft(mesh, leg, kAround, 12, {}, hide[kSkin]);
    AddSkinEllipsoid(mesh, {0, -4.33f, 0.05f}, {0.21f, 0.16f, 0.3f}, hide[kSkin]);
    // Three webbed toes, drawn from above as (x, z) and laid flat from y -4.5 to -4.38.
    const Vec2 foot[] = {
        {-0.12f, -0.3f}, {0.12f, -0.3f},  {0.22f, 0.2f},  {0.42f, 0.95f},
        {0.46f, 1.2f},   {0.2f, 1.0f},    {0, 1.35f},     {-0.2f, 1.0f},
        {-0.46f, 1.2f},  {-0.42f, 0.95f}, {-0.22f, 0.2f},
    };
    Mesh flipper;
    AddExtrusion(flipper, foot, 4.38f, 4.5f, hide[kSkin]);
    AppendSkin(mesh, flipper, Transform::RotateX(90));
    return mesh;
}

// Neck and head: origin on the head's joint at the top of the torso; a long neck up to an
// upright fish's head from y 1.26 to its crown at y 6.0, the snout forward (+z), an eye bulging
// on each side at y 4.2, the gaping mouth at y 2.4 and a spiny fin down the back.
Mesh GhostHead() {
    Mesh mesh;
    Palette hide(mesh, kHides);
    const Section neck[] = {
        {-0.45f, 0, 0, 0},
        {-0.35f, 0.36f, 0.36f, 0.38f},
        {0.6f, 0.3f, 0.3f, 0.32f},
        {1.3f, 0.34f, 0.36f, 0.36f, 0.05f},
        {1.6f, 0.45f, 0.5f, 0.45f, 0.1f},
        {1.7f, 0, 0, 0, 0.1f},
    };
    AddSkinLoft(mesh, neck, kAround, 6, {}, hide[kSkin]);
    // The face picture wraps once round the head: its eyes at u 0.28 and 0.72 land on the sides,
    // its mouth at u 0.5 in front, its gills behind the eyes.
    const Section head[] = {
        {1.26f, 0, 0, 0, 0.15f},
        {1.45f, 0.45f, 0.55f, 0.45f, 0.15f},
        {1.8f, 0.72f, 1.0f, 0.72f, 0.2f},
        {2.4f, 0.92f, 1.38f, 0.9f, 0.25f},
        {3.3f, 1.02f, 1.5f, 0.98f, 0.25f},
        {4.2f, 0.96f, 1.32f, 1.0f, 0.15f},
        {5.1f, 0.68f, 0.92f, 0.85f, 0.05f},
        {5.7f, 0.34f, 0.45f, 0.5f},
        {6.0f, 0, 0, 0},
    };
    AddLoft(mesh, head, kAroundBody, 16, hide[kFace]);
    for (float side : {-1.0f, 1.0f}) {
        AddEllipsoid(mesh, {0.86f * side, 4.22f, 0.4f}, {0.32f, 0.32f, 0.32f}, kAround, 10,
                     hide[kEye]);
        AddEllipsoid(mesh, {1.13f * side, 4.24f, 0.44f}, {0.14f, 0.14f, 0.14f}, 10, 6,
                     hide[kPupil]);
    }
    AddEllipsoid(mesh, {0, 2.4f, 1.52f}, {0.55f, 0.2f, 0.2f}, kAround, 8, hide[kMouth]);
    // The fin's outline as (-z, y): spines and the notches between them, then back down inside
    // the head; laid across x, 0.08 thick.
    const Vec2 fin[] = {
        {0.4f, 2.2f},   {1.35f, 2.5f}, {0.95f, 2.9f}, {1.55f, 3.4f}, {1.1f, 3.8f},
        {1.6f, 4.3f},   {1.1f, 4.7f},  {1.4f, 5.1f},  {0.95f, 5.5f}, {0.9f, 5.85f},
        {0.55f, 6.05f}, {0.2f, 6.35f}, {0.1f, 5.9f},
    };
    Mesh spines;
    AddExtrusion(spines, fin, -0.04f, 0.04f, hide[kSkin]);
    AppendSkin(mesh, spines, Transform::RotateY(90));
    return mesh;
}

// Forearm and hand along +x from the elbow (origin): a thin forearm to the wrist at x 2.6, then
// four long clawed fingers curling to the palm's side (-y), their tips near x 4.4.
Mesh GhostForearm() {
    Mesh mesh;
    Palette hide(mesh, kHides);
    const Section forearm[] = {
        {-0.25f, 0, 0, 0},           {-0.15f, 0.21f, 0.22f, 0.22f}, {0.4f, 0.21f, 0.23f, 0.23f},
        {1.8f, 0.16f, 0.18f, 0.18f}, {2.55f, 0.13f, 0.15f, 0.15f},  {2.65f, 0, 0, 0},
    };
    AddSkinLoft(mesh, forearm, kAround, 8, AlongX(), hide[kSkin]);
    AddSkinEllipsoid(mesh, {2.9f, 0, 0}, {0.4f, 0.11f, 0.27f}, hide[kSkin]);
    for (float across : {-0.18f, -0.06f, 0.06f, 0.18f}) {
        const Vec3 knuckle{3.15f, 0, across};
        const Vec3 joint{3.9f, -0.12f, across * 1.5f};
        const Vec3 tip{4.3f, -0.32f, across * 1.6f};
        Mesh finger;
        AddRod(finger, knuckle, joint, 0.06f, 6, hide[kSkin]);
        AddRod(finger, joint, tip, 0.052f, 6, hide[kSkin]);
        AppendSkin(mesh, finger, {});
        AddEllipsoid(mesh, tip + Vec3{0.06f, -0.03f, 0}, {0.1f, 0.045f, 0.045f}, 8, 4, hide[kClaw]);
    }
    Mesh thumb;
    AddRod(thumb, {2.75f, -0.06f, 0}, {3.3f, -0.3f, 0}, 0.06f, 6, hide[kSkin]);
    AppendSkin(mesh, thumb, {});
    return mesh;
}

// Hips from the hip joint (origin), the legs' joints at (±0.5, 0), with a ragged cloth hanging
// to between y -1.5 and -2.0, its hem torn to different lengths.
Mesh GhostHips() {
    Mesh mesh;
    Palette hide(mesh, kHides);
    const Section pelvis[] = {
        {-1.0f, 0, 0, 0},
        {-0.85f, 0.5f, 0.36f, 0.4f},
        {-0.3f, 0.8f, 0.5f, 0.58f},
        {0.35f, 0.7f, 0.45f, 0.5f},
        {0.5f, 0, 0, 0},
    };
    AddSkinLoft(mesh, pelvis, kAroundBody, 8, {}, hide[kSkin]);
    constexpr float kPi = 3.14159265f;
    AddSurface(
        mesh,
        [&](float u, float v) {
            const float angle = 2 * kPi * u;  // from the back, through -x
            const float tear = 0.5f + 0.5f * std::sin(7 * angle + 1.3f * std::sin(3 * angle));
            const float bottom = -1.5f - 0.5f * tear;
            const float flare = 1 + 0.2f * v;
            const float s = -std::sin(angle);
            const float c = -std::cos(angle);
            const float reach = c >= 0 ? 0.6f : 0.66f;
            const Vec3 position{0.86f * flare * s, 0.25f + (bottom - 0.25f) * v, reach * flare * c};
            const Vec3 outward{s / 0.86f, 0, c / reach};
            return SurfacePoint{position, Normalised(outward)};
        },
        kAroundBody, 3, hide[kCloth]);
    return mesh;
}

// Upper arm along +x from the shoulder joint (origin) to the elbow at x 1.3: bone-thin.
Mesh GhostUpperArm() {
    Mesh mesh;
    Palette hide(mesh, kHides);
    const Section arm[] = {
        {-0.35f, 0, 0, 0},
        {-0.25f, 0.28f, 0.29f, 0.29f},
        {0.3f, 0.27f, 0.28f, 0.28f},
        {1.0f, 0.21f, 0.22f, 0.22f},
        {1.3f, 0.23f, 0.24f, 0.24f},
        {1.45f, 0.19f, 0.19f, 0.19f},
        {1.55f, 0, 0, 0},
    };
    AddSkinLoft(mesh, arm, kAround, 8, AlongX(), hide[kSkin]);
    return mesh;
}

// Torso from the hip joint (origin) up to the neck at y 3.0, shoulders at (±1.1, 2.0): narrow,
// hunched, its ribs showing.
Mesh GhostTorso() {
    Mesh mesh;
    Palette hide(mesh, kHides);
    const Section torso[] = {
        {-0.15f, 0, 0, 0},
        {0, 0.78f, 0.5f, 0.55f},
        {0.9f, 0.74f, 0.5f, 0.58f},
        {1.6f, 0.92f, 0.58f, 0.64f, -0.05f},
        {2.1f, 1.1f, 0.52f, 0.64f, -0.1f},
        {2.45f, 0.66f, 0.42f, 0.5f, -0.05f},
        {2.85f, 0.4f, 0.38f, 0.4f, 0.05f},
        {3.0f, 0, 0, 0, 0.05f},
    };
    AddSkinLoft(mesh, torso, kAroundBody, 12, {}, hide[kSkin]);
    Mesh bones;
    for (float side : {-1.0f, 1.0f}) {
        AddEllipsoid(bones, {1.1f * side, 2.05f, -0.05f}, {0.38f, 0.34f, 0.38f}, kAround, 8,
                     hide[kSkin]);
        for (int rib = 0; rib < 3; ++rib) {
            const float drop = 0.22f * static_cast<float>(rib);
            AddRod(bones, {0.15f * side, 1.75f - drop, 0.56f}, {0.78f * side, 1.6f - drop, 0.34f},
                   0.05f, 6, hide[kSkin]);
        }
    }
    AppendSkin(mesh, bones, {});
    return mesh;
}
