// The player's body: a guest in an indigo yukata with a red obi, straw sandals and her hair in a
// bun. Rig units (0.1 world units); each part's origin is its joint, the figure faces +z.
#include <cmath>
#include <numbers>

#include "models/CharactersKit.h"
#include "models/CharactersParts.h"

namespace {

constexpr int kAround = 16;             // segments around limbs
constexpr int kAroundBody = 24;         // around the torso, hips and head
constexpr float kPatternRepeat = 3.0f;  // rig units per repeat of the yukata's pattern
constexpr float kRadiansPerDegree = std::numbers::pi_v<float> / 180;

// What the body is dressed in, by entry of the family's palette.
enum Fabric : size_t {
    kYukata,
    kSkin,
    kFace,
    kHair,
    kObi,
    kCollar,
    kLining,
    kStraw,
    kStrap,
    kOrnament
};

const Material kFabrics[] = {
    Shiny(Textured("gt.bmp"), 4, 0.05f),
    Shiny(Plain(0xD8A888), 8, 0.08f),  // the face picture's own edge colour
    Shiny(Textured("face.bmp"), 8, 0.08f),
    Shiny(Textured("hair.bmp"), 24, 0.3f),
    Shiny(Plain(0x9A2230), 6, 0.1f),
    Shiny(Plain(0xE8E4DA), 4, 0.05f),
    Plain(0x141A30),  // inside the sleeves and the hem
    Shiny(Plain(0xC8A870), 4, 0.05f),
    Shiny(Plain(0x8A1C24), 6, 0.1f),
    Shiny(Plain(0xC02838), 40, 0.6f),
};

// A loft in the yukata, its pattern at one scale over the whole body.
void AddCloth(Mesh& mesh, std::span<const Section> sections, int segments, int rows,
              const Transform& placement, uint32_t yukata) {
    Mesh cloth;
    AddLoft(cloth, sections, segments, rows, yukata);
    const auto first = mesh.NextVertex();
    Append(mesh, cloth, placement);
    ProjectBoxUvs(mesh, first, kPatternRepeat);
}

// The dark inside of an open end: an ellipse across y at `ring`'s height, facing up or down.
void AddOpening(Mesh& mesh, const Section& ring, bool facingUp, const Transform& placement,
                uint32_t lining) {
    const Section point{ring.y, 0, 0, 0, ring.centreZ};
    const Section upward[] = {ring, point};
    const Section downward[] = {point, ring};
    Mesh cap;
    AddLoft(cap, facingUp ? std::span<const Section>(upward) : downward, kAround, 1, lining);
    Append(mesh, cap, placement);
}

// A band down the torso's front, `lift` proud of it, from `top` to `bottom`: each (degrees from
// the front towards +x, height); `halfWidth` degrees either side of its middle.
void AddLapel(Mesh& mesh, std::span<const Section> torso, Vec2 top, Vec2 bottom, float halfWidth,
              float lift, uint32_t material) {
    AddSurface(
        mesh,
        [&](float u, float v) {
            const float y = top.v + (bottom.v - top.v) * v;
            const float angle = 180 + top.u + (bottom.u - top.u) * v + halfWidth * (2 * u - 1);
            SurfacePoint point = LoftPoint(torso, angle, y);
            point.position = point.position + lift * point.normal;
            return point;
        },
        2, 10, material);
}

}  // namespace

// Lower leg and foot: 2.7 long from the knee (origin) down to the sandal's sole at y -2.7.
Mesh PlayerLowerLeg() {
    Mesh mesh;
    Palette dress(mesh, kFabrics);
    const Section hem{-1.95f, 0.76f, 0.62f, 0.62f};
    const Section shin[] = {
        hem,
        {-1.0f, 0.68f, 0.56f, 0.56f},
        {0, 0.68f, 0.56f, 0.56f},
        {0.25f, 0.58f, 0.48f, 0.48f},
        {0.35f, 0, 0, 0},
    };
    AddCloth(mesh, shin, kAround, 8, {}, dress[kYukata]);
    AddOpening(mesh, hem, false, {}, dress[kLining]);
    AddRod(mesh, {0, -2.45f, 0}, {0, -1.85f, 0}, 0.19f, kAround, dress[kSkin]);
    AddEllipsoid(mesh, {0, -2.5f, 0.28f}, {0.25f, 0.15f, 0.5f}, kAround, 8, dress[kSkin]);
    AddBevelledBox(mesh, {-0.3f, -2.7f, -0.3f}, {0.3f, -2.6f, 0.95f}, 0.03f, dress[kStraw]);
    for (float side : {-1.0f, 1.0f}) {
        AddRod(mesh, {0, -2.44f, 0.62f}, {0.24f * side, -2.58f, 0.22f}, 0.035f, 8, dress[kStrap]);
    }
    return mesh;
}

// Torso from the waist (origin, 0.5 below the hips' joint) to the collar at y 3.15; shoulders
// at (±1.0, 2.3); the red obi round the waist, tied in a bow at the back.
Mesh PlayerTorso() {
    Mesh mesh;
    Palette dress(mesh, kFabrics);
    const Section chest[] = {
        {-0.1f, 0, 0, 0},
        {0, 1.0f, 0.76f, 0.8f},
        {1.1f, 0.98f, 0.74f, 0.78f},
        {1.8f, 1.06f, 0.8f, 0.78f},
        {2.3f, 1.1f, 0.72f, 0.74f},
        {2.65f, 0.92f, 0.62f, 0.64f},
        {2.95f, 0.74f, 0.56f, 0.58f},
        {3.1f, 0, 0, 0},
    };
    AddCloth(mesh, chest, kAroundBody, 12, {}, dress[kYukata]);
    const Section obi[] = {
        {0.1f, 0, 0, 0},
        {0.1f, 1.1f, 0.86f, 0.9f},
        {0.95f, 1.12f, 0.88f, 0.92f},
        {0.95f, 0, 0, 0},
    };
    AddLoft(mesh, obi, kAroundBody, 4, dress[kObi]);
    AddEllipsoid(mesh, {0, 0.55f, -0.98f}, {0.3f, 0.3f, 0.2f}, 12, 8, dress[kObi]);
    for (float side : {-1.0f, 1.0f}) {
        AddEllipsoid(mesh, {0.55f * side, 0.6f, -0.95f}, {0.45f, 0.28f, 0.14f}, 12, 8, dress[kObi]);
    }
    // The collar: a band standing round the neck and its two lapels down to the obi, the left
    // over the right.
    const Section band[] = {{2.85f, 0.8f, 0.64f, 0.66f}, {3.15f, 0.74f, 0.6f, 0.62f}};
    AddLoft(mesh, band, kAroundBody, 2, dress[kCollar]);
    AddLapel(mesh, chest, {32, 2.95f}, {-12, 1.0f}, 7, 0.025f, dress[kCollar]);
    AddLapel(mesh, chest, {-32, 2.95f}, {10, 0.95f}, 7, 0.04f, dress[kCollar]);
    return mesh;
}

// Hips and the yukata's skirt, from above the obi (y 0.5) down to y -2.85 round the tops of the
// thighs, whose joints are at (±0.6, -2.0); origin on the hips' joint.
Mesh PlayerHips() {
    Mesh mesh;
    Palette dress(mesh, kFabrics);
    const Section skirt[] = {
        {-2.85f, 0, 0, 0},       {-2.8f, 1.34f, 1.0f, 1.04f}, {-1.2f, 1.22f, 0.92f, 0.98f},
        {0, 1.08f, 0.8f, 0.85f}, {0.4f, 1.0f, 0.76f, 0.8f},   {0.5f, 0, 0, 0},
    };
    AddCloth(mesh, skirt, kAroundBody, 10, {}, dress[kYukata]);
    // Where the front panels overlap, running down from the obi.
    AddRod(mesh, {0.1f, 0.35f, 0.77f}, {0.45f, -2.8f, 0.95f}, 0.03f, 6, dress[kLining]);
    return mesh;
}

// Forearm and hand along +x from the elbow (origin): a loose fist round x 2.0 to 2.6, where the
// rig hangs the bottle (x 2.5) and the flashlight (x 2.0).
Mesh PlayerForearm() {
    Mesh mesh;
    Palette dress(mesh, kFabrics);
    const Section forearm[] = {
        {-0.3f, 0, 0, 0},
        {-0.2f, 0.2f, 0.22f, 0.22f},
        {0.2f, 0.27f, 0.3f, 0.3f},
        {1.0f, 0.24f, 0.27f, 0.27f},
        {1.65f, 0.18f, 0.21f, 0.21f},
        {1.8f, 0.17f, 0.2f, 0.2f},
        {1.85f, 0, 0, 0},
    };
    Mesh arm;
    AddLoft(arm, forearm, kAround, 8, dress[kSkin]);
    Append(mesh, arm, AlongX());
    AddEllipsoid(mesh, {2.15f, 0, 0}, {0.45f, 0.18f, 0.3f}, kAround, 8, dress[kSkin]);  // palm
    AddEllipsoid(mesh, {2.5f, -0.08f, 0}, {0.22f, 0.2f, 0.28f}, kAround, 8,
                 dress[kSkin]);                                                        // fingers
    AddEllipsoid(mesh, {2.05f, -0.2f, 0}, {0.28f, 0.1f, 0.11f}, 10, 6, dress[kSkin]);  // thumb
    return mesh;
}

// Head on its neck: origin on the head's joint, the neck reaching down to y -2.45 round the
// rig's neck block, the chin at y -1.7 and the crown at y 1.4; the face looks along +z, the
// hair is tied in a bun.
Mesh PlayerHead() {
    Mesh mesh;
    Palette dress(mesh, kFabrics);
    const Section neck[] = {
        {-2.45f, 0, 0, 0},
        {-2.4f, 0.76f, 0.76f, 0.76f},
        {-1.6f, 0.74f, 0.74f, 0.74f},
        {-1.0f, 0.6f, 0.6f, 0.6f},
        {-0.8f, 0, 0, 0},
    };
    AddLoft(mesh, neck, kAround, 6, dress[kSkin]);

    // The face picture covers a patch of the front; the rest of the head is the same skin.
    const Vec3 centre{0, -0.25f, 0.05f};
    const Vec3 radii{1.25f, 1.45f, 1.32f};
    constexpr float kFaceAzimuth = 65;        // degrees either side of +z
    constexpr float kBrow = 22, kChin = 152;  // degrees down from the crown
    const auto patch = [&](float azimuth0, float azimuth1, float polar0, float polar1, int columns,
                           int rows, uint32_t material) {
        AddSurface(
            mesh,
            [&](float u, float v) {
                return EllipsoidPoint(centre, radii, azimuth0 + (azimuth1 - azimuth0) * u,
                                      polar0 + (polar1 - polar0) * v);
            },
            columns, rows, material);
    };
    const auto faceFirst = mesh.NextVertex();
    patch(-kFaceAzimuth, kFaceAzimuth, kBrow, kChin, 10, 12, dress[kFace]);
    // Seen from the front the picture's right is the head's -x; the patch fills the picture.
    const float halfWidth = radii.x * std::sin(kFaceAzimuth * kRadiansPerDegree);
    const float top = radii.y * std::cos(kBrow * kRadiansPerDegree);
    const float bottom = radii.y * std::cos(kChin * kRadiansPerDegree);
    ProjectPlanarUvs(mesh, faceFirst, {0, centre.y + 0.5f * (top + bottom), 0}, {-halfWidth, 0, 0},
                     {0, 0.5f * (top - bottom), 0});
    patch(kFaceAzimuth, 360 - kFaceAzimuth, 0, 180, 18, 16, dress[kSkin]);
    patch(-kFaceAzimuth, kFaceAzimuth, 0, kBrow, 10, 3, dress[kSkin]);
    patch(-kFaceAzimuth, kFaceAzimuth, kChin, 180, 10, 3, dress[kSkin]);

    // The hair: a shell over the head, down to the brows in front and the nape behind.
    const Vec3 hairCentre = centre + Vec3{0, 0.07f, -0.03f};
    const Vec3 hairRadii = radii + Vec3{0.1f, 0.12f, 0.1f};
    AddSurface(
        mesh,
        [&](float u, float v) {
            const float azimuth = 180 + 360 * u;
            const float reach = 72 + 56 * 0.5f * (1 - std::cos(azimuth * kRadiansPerDegree));
            return EllipsoidPoint(hairCentre, hairRadii, azimuth, reach * v);
        },
        kAroundBody, 10, dress[kHair]);
    AddEllipsoid(mesh, {0, 0.55f, -1.3f}, {0.55f, 0.5f, 0.45f}, kAround, 10, dress[kHair]);
    AddRod(mesh, {-0.7f, 0.7f, -1.4f}, {0.7f, 0.48f, -1.4f}, 0.05f, 8, dress[kOrnament]);
    AddEllipsoid(mesh, {0.78f, 0.47f, -1.4f}, {0.13f, 0.13f, 0.13f}, 10, 6, dress[kOrnament]);
    return mesh;
}

// Thigh hanging from the hip joint (origin) to the knee at y -1.4, in the yukata.
Mesh PlayerThigh() {
    Mesh mesh;
    Palette dress(mesh, kFabrics);
    const Section thigh[] = {
        {-1.75f, 0, 0, 0},      {-1.6f, 0.66f, 0.54f, 0.54f}, {-0.8f, 0.68f, 0.56f, 0.56f},
        {0, 0.7f, 0.6f, 0.62f}, {0.3f, 0.6f, 0.52f, 0.52f},   {0.45f, 0, 0, 0},
    };
    AddCloth(mesh, thigh, kAround, 8, {}, dress[kYukata]);
    return mesh;
}

// Upper arm in its wide sleeve, along +x from the shoulder joint (origin) to the elbow at x 1.9;
// the sleeve opens at x 2.3, deep front to back as it hangs.
Mesh PlayerUpperArm() {
    Mesh mesh;
    Palette dress(mesh, kFabrics);
    const Section cuff{2.3f, 0.52f, 0.92f, 0.92f};
    const Section sleeve[] = {
        {-0.45f, 0, 0, 0},
        {-0.3f, 0.36f, 0.4f, 0.4f},
        {0.2f, 0.45f, 0.55f, 0.55f},
        {1.2f, 0.5f, 0.8f, 0.8f},
        cuff,
    };
    AddCloth(mesh, sleeve, kAround, 8, AlongX(), dress[kYukata]);
    AddOpening(mesh, cuff, true, AlongX(), dress[kLining]);
    return mesh;
}
