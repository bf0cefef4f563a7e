// The modelling kit's shapes, and the family kits' shapes built on it, are closed solids whose
// triangles face outwards, whatever their placement: the signed volume of such a mesh is its true
// volume, and every edge is walked once in each direction. Pictures read the right way round,
// transforms turn the game's way, and box-projected textures keep one scale on every face.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "MeshChecks.h"
#include "models/FittingsKit.h"
#include "models/FurnitureKit.h"
#include "models/ModelKit.h"

namespace {

using namespace meshchecks;
constexpr double kPi = std::numbers::pi;
constexpr float kTolerance = 1e-4f;

// The share of its circle's area that a polygon of `sides` sides holds.
double PolygonShare(double sides) {
    return sides / (2 * kPi) * std::sin(2 * kPi / sides);
}

// An L of two unit squares and one more on top of the first: area 3, depth 0.5.
const Vec2 kEll[] = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
// A pipe's outline, listed clockwise, to show the winding does not matter.
const Vec2 kNotch[] = {{0, 0}, {0, 1}, {1, 1}, {1, 0.5f}, {2, 0.5f}, {2, 0}};
// A cylinder of radius 1 and height 2; the same with a repeated point, which adds no span and no
// normal of its own; a ring of radii 1 and 2, height 1.
const Vec2 kCylinder[] = {{0, 0}, {1, 0}, {1, 2}, {0, 2}};
const Vec2 kRepeatedPoint[] = {{0, 0}, {1, 0}, {1, 1}, {1, 1}, {1, 2}, {0, 2}};
const Vec2 kRing[] = {{1, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 0}};
// A hollow bowl: out and up the outside, down the inside, with crisp corners.
const std::array<Vec2, 7> kBowl = {
    {{0, 0}, {1, 0}, {1.2f, 1}, {1.1f, 1}, {0.9f, 0.2f}, {0.5f, 0.2f}, {0, 0.2f}}};
const std::array<Vec3, 4> kBend = {{{0, 0, 0}, {0, 1, 0}, {0.5f, 1.5f, 0.2f}, {1, 1.6f, 0.5f}}};
const Vec3 kStraight[] = {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}};

// The volume given for smooth shapes, whose normals may lean away from a flat triangle's front:
// only the outward facing of the whole and unit normals are checked.
constexpr double kSmooth = 0;

// The shape `add` builds into an empty mesh is closed, faces outwards and holds `volume`.
void ExpectSolid(const char* name, double volume, const std::function<void(Mesh&)>& add) {
    SCOPED_TRACE(name);
    Mesh mesh;
    add(mesh);
    EXPECT_TRUE(IsClosed(mesh));
    if (volume == kSmooth) {
        EXPECT_GT(SignedVolume(mesh), 0);
        EXPECT_TRUE(NormalsAreUnitLength(mesh));
    } else {
        EXPECT_TRUE(NormalsAgreeWithFronts(mesh));
        EXPECT_NEAR(SignedVolume(mesh), volume, 1e-3 * volume);
    }
}

TEST(SolidTest, KitShapesAreClosedFaceOutwardAndHoldTheirVolume) {
    ExpectSolid("ell", 1.5, [](Mesh& m) { AddExtrusion(m, kEll, 0, 0.5f, 0); });
    ExpectSolid("clockwise outline", 3, [](Mesh& m) { AddExtrusion(m, kNotch, -1, 1, 0); });
    // Side 2 with its edges cut by 0.1: twelve strips of section 0.1 x 0.1 / 2 along 1.8, and
    // eight corner pieces of 0.1^3 / 2.
    ExpectSolid("bevelled box", 8 - 12 * 0.005 * 1.8 - 8 * 0.1 * 0.1 * 0.1 * 0.5, [](Mesh& m) {
        AddBevelledBox(m, {-1, -1, -1}, {1, 1, 1}, 0.1f, 0);
    });
    ExpectSolid("lathe", 64 * std::sin(2 * kPi / 64),
                [](Mesh& m) { AddLathe(m, kCylinder, 64, 0); });
    // Mirrored, turned, stretched and moved, a box of 1 x 2 x 3 still faces out.
    ExpectSolid("placed mirrored", 36, [](Mesh& m) {
        Mesh box;
        AddBox(box, {0, 0, 0}, {1, 2, 3}, 0);
        Append(m, box,
               Transform::Scale({-2, 1, 3})
                   .Then(Transform::RotateY(30))
                   .Then(Transform::RotateX(-45))
                   .Then(Transform::Translate({5, -1, 2})));
    });
    // Round shapes of the fittings' kit, each with 48 sides.
    const double share = PolygonShare(48);
    ExpectSolid("fittings rod", kPi * 0.01 * 0.5 * share, [](Mesh& m) {
        fittings::AddRod(m, {1, 2, 3}, {1.3f, 2.4f, 3}, 0.1f, 48, 0);
    });
    ExpectSolid("straight tube", kPi * 0.25 * 2 * share,
                [](Mesh& m) { fittings::AddTube(m, kStraight, 0.5f, 48, 0); });
    ExpectSolid("creased caps", kPi * 2 * share,
                [](Mesh& m) { fittings::AddSmoothLathe(m, kRepeatedPoint, 48, 0); });
    ExpectSolid("hollow ring", kPi * 3 * share,
                [](Mesh& m) { fittings::AddSmoothLathe(m, kRing, 48, 0); });
    // Smooth shapes of the furniture kit.
    ExpectSolid("turned bowl", kSmooth, [](Mesh& m) { furniture::AddTurned(m, kBowl, 16, 0); });
    ExpectSolid("bent tube", kSmooth, [](Mesh& m) { furniture::AddTube(m, kBend, 0.1f, 12, 0); });
    ExpectSolid("furniture rod", kSmooth, [](Mesh& m) {
        furniture::AddRod(m, {0, 0, 0}, {1, -2, 3}, 0.2f, 8, 0);
    });
    // A bevel far past a quarter of the thin side is held where the chamfers still close.
    ExpectSolid("thin chamfered box", kSmooth, [](Mesh& m) {
        furniture::AddChamferedBox(m, {0, 0, 0}, {1, 0.04f, 1}, 0.03f, 0);
    });
    ExpectSolid("picture box", kSmooth, [](Mesh& m) {
        furniture::AddPictureBox(m, {0, 0, 0}, {1, 2, 0.1f}, 0, 0,
                                 furniture::PictureFaces::FrontAndBack);
    });
}

// Pictures read the right way round from their fronts: u grows to the viewer's right and v
// downwards. Round ones wear the circle inscribed in the texture; a lathe wraps its picture top
// down along the profile.
TEST(PictureTest, PicturesReadUprightFromTheirFronts) {
    Mesh box;
    fittings::AddFacedBox(box, {-1, -1, -1}, {1, 1, 1}, {0, 0, -1}, 0, 1);
    for (const Triangle& triangle : box.Triangles()) {
        for (uint32_t corner : triangle.corners) {
            const Vertex& v = box.Vertices()[corner];
            if (triangle.material != 1) continue;
            EXPECT_NEAR(v.normal.z, -1, kTolerance);
            EXPECT_NEAR(v.uv.u, 0.5f * (v.position.x + 1), kTolerance);
            EXPECT_NEAR(v.uv.v, 0.5f * (1 - v.position.y), kTolerance);
        }
    }
    // Seen from +z, +x is on the viewer's left.
    Mesh picture;
    fittings::AddPicture(picture, {1, 3, 0}, {-1, 3, 0}, {1, 1, 0}, 0);
    for (const Vertex& v : picture.Vertices()) {
        EXPECT_NEAR(v.normal.z, 1, kTolerance);
        EXPECT_NEAR(v.uv.u, 0.5f * (1 - v.position.x), kTolerance);
        EXPECT_NEAR(v.uv.v, 0.5f * (3 - v.position.y), kTolerance);
    }
    Mesh round;
    fittings::AddRoundPicture(round, {0, 0, 0}, {-1, 0, 0}, {0, 1, 0}, 2, 16, 0);  // facing +z
    for (const Vertex& v : round.Vertices()) {
        EXPECT_NEAR(v.normal.z, 1, kTolerance);
        EXPECT_NEAR(v.uv.u, 0.5f - 0.25f * v.position.x, kTolerance);
        EXPECT_NEAR(v.uv.v, 0.5f - 0.25f * v.position.y, kTolerance);
    }
    Mesh dial;  // facing -z
    furniture::AddRoundPicture(dial, {1, 2, -3}, 0.5f, 2, 32, 0);
    for (const Vertex& v : dial.Vertices()) {
        const float du = v.uv.u - 0.5f, dv = v.uv.v - 0.5f;
        EXPECT_NEAR(du * 4, v.position.x - 1, kTolerance);
        EXPECT_NEAR(-dv * 4, v.position.y - 2, kTolerance);
        EXPECT_EQ(v.normal.z, -1);
    }
    Mesh lathe;
    const Vec2 profile[] = {{1, 0}, {1, 1}, {1, 3}};
    fittings::AddSmoothLathe(lathe, profile, 8, 0);
    for (const Vertex& v : lathe.Vertices()) EXPECT_NEAR(v.uv.v, 1 - v.position.y / 3, kTolerance);
}

TEST(TransformTest, TurnsTheWayTheGameTurns) {
    // A yaw of 90 degrees turns +z to +x, a pitch of 90 turns +y to +z, a roll of 90 +x to +y.
    const auto near = [](Vec3 a, Vec3 b) { return Dot(a - b, a - b) < 1e-10f; };
    EXPECT_TRUE(near(Transform::RotateY(90).Direction({0, 0, 1}), {1, 0, 0}));
    EXPECT_TRUE(near(Transform::RotateX(90).Direction({0, 1, 0}), {0, 0, 1}));
    EXPECT_TRUE(near(Transform::RotateZ(90).Direction({1, 0, 0}), {0, 1, 0}));
    const Transform moved = Transform::RotateY(90).Then(Transform::Translate({1, 2, 3}));
    EXPECT_TRUE(near(moved.Point({0, 0, 1}), {2, 2, 3}));
}

TEST(ProjectBoxUvsTest, RepeatsAtTheSameWorldScaleOnEveryFace) {
    Mesh mesh;
    AddBox(mesh, {0, 0, 0}, {2, 4, 1}, 0);
    ProjectBoxUvs(mesh, 0, 2);
    for (const Vertex& v : mesh.Vertices()) {
        // Top and bottom take (x, z); sides the horizontal coordinate and y, v downwards.
        const bool top = std::fabs(v.normal.y) > 0.5f;
        const float across = std::fabs(v.normal.x) > 0.5f ? v.position.z : v.position.x;
        EXPECT_FLOAT_EQ(v.uv.u, 0.5f * across);
        EXPECT_FLOAT_EQ(v.uv.v, top ? 0.5f * v.position.z : -0.5f * v.position.y);
    }
}

}  // namespace
