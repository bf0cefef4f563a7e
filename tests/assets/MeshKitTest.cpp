// The modelling kit's shapes, and the family kits' shapes built on it, are closed solids whose
// triangles face outwards, whatever their placement: the signed volume of such a mesh is its true
// volume, and every edge is walked once in each direction. Pictures read the right way round, and
// materials carry the colours they are given.
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

struct SolidCase {
    const char* name;
    std::function<void(Mesh&)> build;
    // 0 for shapes whose smooth normals may lean away from a flat triangle's front: only the
    // outward facing of the whole and unit normals are checked.
    double volume = 0;

    friend void PrintTo(const SolidCase& c, std::ostream* out) { *out << c.name; }
};

class SolidTest : public testing::TestWithParam<SolidCase> {};

TEST_P(SolidTest, IsClosedFacesOutwardAndHoldsItsVolume) {
    Mesh mesh;
    GetParam().build(mesh);
    EXPECT_TRUE(IsClosed(mesh));
    if (GetParam().volume == 0) {
        EXPECT_GT(SignedVolume(mesh), 0);
        EXPECT_TRUE(NormalsAreUnitLength(mesh));
    } else {
        EXPECT_TRUE(NormalsAgreeWithFronts(mesh));
        EXPECT_NEAR(SignedVolume(mesh), GetParam().volume, 1e-3 * GetParam().volume);
    }
}

std::string CaseName(const testing::TestParamInfo<SolidCase>& info) {
    return info.param.name;
}

// An L of two unit squares and one more on top of the first: area 3, depth 0.5.
const Vec2 kEll[] = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
// A pipe's outline, listed clockwise, to show the winding does not matter.
const Vec2 kNotch[] = {{0, 0}, {0, 1}, {1, 1}, {1, 0.5f}, {2, 0.5f}, {2, 0}};

Mesh UnitBox() {
    Mesh box;
    AddBox(box, {0, 0, 0}, {1, 2, 3}, 0);
    return box;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SolidTest,
    testing::Values(
        SolidCase{"Ell", [](Mesh& m) { AddExtrusion(m, kEll, 0, 0.5f, 0); }, 1.5},
        SolidCase{"ClockwiseOutline", [](Mesh& m) { AddExtrusion(m, kNotch, -1, 1, 0); }, 3},
        // Side 2 with its edges cut by 0.1: twelve strips of section 0.1 x 0.1 / 2 along 1.8,
        // and eight corner pieces of 0.1^3 / 2.
        SolidCase{"BevelledBox",
                  [](Mesh& m) {
                      AddBevelledBox(m, {-1, -1, -1}, {1, 1, 1}, 0.1f, 0);
                  },
                  8 - 12 * 0.005 * 1.8 - 8 * 0.1 * 0.1 * 0.1 * 0.5},
        // A cylinder of radius 1 and height 2 with 64 sides: 64 sin(2pi/64) / 2 x 2.
        SolidCase{"Lathe",
                  [](Mesh& m) {
                      const Vec2 profile[] = {{0, 0}, {1, 0}, {1, 2}, {0, 2}};
                      AddLathe(m, profile, 64, 0);
                  },
                  64 * std::sin(2 * M_PI / 64)},
        // Mirrored, turned, stretched and moved, the box still faces out: volume 6 x 2 x 3.
        SolidCase{"PlacedMirrored",
                  [](Mesh& m) {
                      Append(m, UnitBox(),
                             Transform::Scale({-2, 1, 3})
                                 .Then(Transform::RotateY(30))
                                 .Then(Transform::RotateX(-45))
                                 .Then(Transform::Translate({5, -1, 2})));
                  },
                  36},
        // Round shapes of the fittings' kit, each with 48 sides.
        SolidCase{"FittingsRod",
                  [](Mesh& m) {
                      fittings::AddRod(m, {1, 2, 3}, {1.3f, 2.4f, 3}, 0.1f, 48, 0);
                  },
                  kPi * 0.01 * 0.5 * PolygonShare(48)},
        SolidCase{"StraightTube",
                  [](Mesh& m) {
                      const Vec3 path[] = {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}};
                      fittings::AddTube(m, path, 0.5f, 48, 0);
                  },
                  kPi * 0.25 * 2 * PolygonShare(48)},
        // A repeated point adds no span and no normal of its own.
        SolidCase{"LatheWithCreasedCaps",
                  [](Mesh& m) {
                      const Vec2 profile[] = {{0, 0}, {1, 0}, {1, 1}, {1, 1}, {1, 2}, {0, 2}};
                      fittings::AddSmoothLathe(m, profile, 48, 0);
                  },
                  kPi * 2 * PolygonShare(48)},
        SolidCase{"HollowRing",
                  [](Mesh& m) {
                      const Vec2 profile[] = {{1, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 0}};
                      fittings::AddSmoothLathe(m, profile, 48, 0);
                  },
                  kPi * 3 * PolygonShare(48)},
        // Smooth shapes of the furniture kit. A hollow bowl: out and up the outside, down the
        // inside, with crisp corners.
        SolidCase{
            "TurnedBowl",
            [](Mesh& m) {
                const std::array<Vec2, 7> profile = {
                    {{0, 0}, {1, 0}, {1.2f, 1}, {1.1f, 1}, {0.9f, 0.2f}, {0.5f, 0.2f}, {0, 0.2f}}};
                furniture::AddTurned(m, profile, 16, 0);
            }},
        SolidCase{"BentTube",
                  [](Mesh& m) {
                      const std::array<Vec3, 4> path = {
                          {{0, 0, 0}, {0, 1, 0}, {0.5f, 1.5f, 0.2f}, {1, 1.6f, 0.5f}}};
                      furniture::AddTube(m, path, 0.1f, 12, 0);
                  }},
        SolidCase{"FurnitureRod",
                  [](Mesh& m) {
                      furniture::AddRod(m, {0, 0, 0}, {1, -2, 3}, 0.2f, 8, 0);
                  }},
        // A bevel far past a quarter of the thin side is held where the chamfers still close.
        SolidCase{"ThinChamferedBox",
                  [](Mesh& m) {
                      furniture::AddChamferedBox(m, {0, 0, 0}, {1, 0.04f, 1}, 0.03f, 0);
                  }},
        SolidCase{"PictureBox",
                  [](Mesh& m) {
                      furniture::AddPictureBox(m, {0, 0, 0}, {1, 2, 0.1f}, 0, 0,
                                               furniture::PictureFaces::FrontAndBack);
                  }}),
    CaseName);

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
