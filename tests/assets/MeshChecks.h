#pragma once
// What every mesh a recipe or the modelling kit builds must keep, and small helpers the model
// tests share.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "Mesh.h"
#include "models/Recipes.h"

namespace meshchecks {

// "bath_bench.x" as "bath_bench": parameterised test names take no dots.
inline std::string ShortName(std::string_view name) {
    return std::string(name.substr(0, name.find('.')));
}

inline bool Contains(const Bounds& b, Vec3 p) {
    return p.x >= b.min.x && p.x <= b.max.x && p.y >= b.min.y && p.y <= b.max.y && p.z >= b.min.z &&
           p.z <= b.max.z;
}

// (b - a) x (c - a): the side a clockwise triangle shows its front to.
inline Vec3 FrontOf(const Mesh& mesh, const Triangle& triangle) {
    const auto v = mesh.Vertices();
    const Vec3 a = v[triangle.corners[0]].position;
    return Cross(v[triangle.corners[1]].position - a, v[triangle.corners[2]].position - a);
}

// Inside-out or mirrored parts show their backs: every triangle must run clockwise round the
// normals the lighting uses.
inline bool NormalsAgreeWithFronts(const Mesh& mesh) {
    for (const Triangle& triangle : mesh.Triangles()) {
        const Vec3 front = FrontOf(mesh, triangle);
        for (uint32_t corner : triangle.corners) {
            if (!(Dot(front, mesh.Vertices()[corner].normal) > 0)) return false;  // NaN fails too
        }
    }
    return true;
}

// The volume a closed mesh holds, negative when it is inside out.
inline double SignedVolume(const Mesh& mesh) {
    double volume = 0;
    const auto v = mesh.Vertices();
    for (const Triangle& t : mesh.Triangles()) {
        const Vec3 a = v[t.corners[0]].position, b = v[t.corners[1]].position,
                   c = v[t.corners[2]].position;
        volume += Dot(a, Cross(b, c)) / 6.0;
    }
    return volume;
}

using Key = std::tuple<float, float, float>;

inline Key KeyOf(Vec3 p) {
    // Corners made by different faces agree to rounding: snap before comparing.
    const auto snap = [](float x) { return std::round(x * 1e4f) / 1e4f; };
    return {snap(p.x), snap(p.y), snap(p.z)};
}

// Each directed edge is matched by its reverse: no holes, no flipped triangles.
inline bool IsClosed(const Mesh& mesh) {
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

inline bool NormalsAreUnitLength(const Mesh& mesh) {
    for (const Vertex& vertex : mesh.Vertices()) {
        if (!(std::fabs(Dot(vertex.normal, vertex.normal) - 1) <= 1e-4f)) return false;
    }
    return true;
}

// Some triangles, finite corners and texture coordinates, every index in range, no triangle
// without area, and each facing its unit normals.
inline void ExpectSoundMesh(const Mesh& mesh) {
    const auto vertices = mesh.Vertices();
    ASSERT_FALSE(mesh.Triangles().empty());
    for (const Vertex& v : vertices) {
        for (float c : {v.position.x, v.position.y, v.position.z, v.uv.u, v.uv.v}) {
            ASSERT_TRUE(std::isfinite(c));
        }
    }
    ASSERT_TRUE(NormalsAreUnitLength(mesh));
    for (const Triangle& triangle : mesh.Triangles()) {
        ASSERT_LT(triangle.material, mesh.Materials().size());
        for (uint32_t corner : triangle.corners) ASSERT_LT(corner, vertices.size());
        const Vec3 front = FrontOf(mesh, triangle);
        ASSERT_GT(Dot(front, front), 0);
    }
    EXPECT_TRUE(NormalsAgreeWithFronts(mesh));
}

}  // namespace meshchecks
