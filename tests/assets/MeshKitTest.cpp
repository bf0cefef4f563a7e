// The modelling kit's shapes are closed solids whose triangles face outwards, whatever their
// placement: the signed volume of such a mesh is its true volume, and every edge is walked once in
// each direction.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <tuple>

#include "Mesh.h"

namespace {

using Key = std::tuple<float, float, float>;

Key KeyOf(Vec3 p) {
    // Corners made by different faces agree to rounding: snap before comparing.
    const auto snap = [](float x) { return std::round(x * 1e4f) / 1e4f; };
    return {snap(p.x), snap(p.y), snap(p.z)};
}

double SignedVolume(const Mesh& mesh) {
    double volume = 0;
    const auto v = mesh.Vertices();
    for (const Triangle& t : mesh.Triangles()) {
        const Vec3 a = v[t.corners[0]].position, b = v[t.corners[1]].position,
                   c = v[t.corners[2]].position;
        volume += Dot(a, Cross(b, c)) / 6.0;
    }
    return volume;
}

// Each directed edge is matched by its reverse: no holes, no flipped triangles.
bool IsClosed(const Mesh& mesh) {
    std::map<std::pair<Key, Key>, int> edges;
    const auto v = mesh.Vertices();
    for (const Triangle& t : mesh.Triangles()) {
        for (size_t i = 0; i < 3; ++i) {
            ++edges[{KeyOf(v[t.corners[i]].position), KeyOf(v[t.corners[(i + 1) % 3]].position)}];
        }
    }
    for (const auto& [edge, count] : edges) {
        const auto reverse = edges.find({edge.second, edge.first});
        if (reverse == edges.end() || reverse->second != count) return false;
    }
    return true;
}

bool NormalsAgreeWithFronts(const Mesh& mesh) {
    const auto v = mesh.Vertices();
    for (const Triangle& t : mesh.Triangles()) {
        const Vec3 a = v[t.corners[0]].position;
        const Vec3 front = Cross(v[t.corners[1]].position - a, v[t.corners[2]].position - a);
        for (uint32_t corner : t.corners) {
            if (Dot(front, v[corner].normal) <= 0) return false;
        }
    }
    return true;
}

struct SolidCase {
    const char* name;
    std::function<void(Mesh&)> build;
    double volume;

    friend void PrintTo(const SolidCase& c, std::ostream* out) { *out << c.name; }
};

class SolidTest : public testing::TestWithParam<SolidCase> {};

TEST_P(SolidTest, IsClosedFacesOutwardAndHoldsItsVolume) {
    Mesh mesh;
    GetParam().build(mesh);
    EXPECT_TRUE(IsClosed(mesh));
    EXPECT_TRUE(NormalsAgreeWithFronts(mesh));
    EXPECT_NEAR(SignedVolume(mesh), GetParam().volume, 1e-3 * GetParam().volume);
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
        SolidCase{"Box", [](Mesh& m) { Append(m, UnitBox(), {}); }, 6},
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
                  36}),
    [](const testing::TestParamInfo<SolidCase>& info) { return std::string(info.param.name); });

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
