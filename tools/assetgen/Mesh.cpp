#include "Mesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTau = 2 * std::numbers::pi;

Vec3 Normalised(Vec3 a) {
    const float length = std::sqrt(Dot(a, a));
    return (1.0f / length) * a;
}

Vec3 PointOnCircle(double radius, double y, double angle) {
    return {static_cast<float>(radius * std::cos(angle)), static_cast<float>(y),
            static_cast<float>(radius * std::sin(angle))};
}

// A flat rectangle centred on `centre`: `right` and `up` are half its edges as seen from its front,
// so that the texture reads the right way round.
void AddRectangle(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, uint32_t material) {
    const Vec3 normal = Normalised(Cross(up, right));
    AddSurface(
        mesh,
        [&](float u, float v) {
            return SurfacePoint{centre + (2 * u - 1) * right + (1 - 2 * v) * up, normal};
        },
        1, 1, material);
}

}  // namespace

uint32_t Mesh::AddMaterial(Material material) {
    materials_.push_back(std::move(material));
    return static_cast<uint32_t>(materials_.size() - 1);
}

uint32_t Mesh::AddVertex(const Vertex& vertex) {
    vertices_.push_back(vertex);
    return static_cast<uint32_t>(vertices_.size() - 1);
}

void Mesh::AddTriangle(std::array<uint32_t, 3> corners, uint32_t material) {
    triangles_.push_back({corners, material});
}

Bounds Mesh::PositionBounds() const {
    Bounds bounds{vertices_.front().position, vertices_.front().position};
    for (const Vertex& vertex : vertices_) {
        const Vec3 p = vertex.position;
        bounds.min = {std::min(bounds.min.x, p.x), std::min(bounds.min.y, p.y),
                      std::min(bounds.min.z, p.z)};
        bounds.max = {std::max(bounds.max.x, p.x), std::max(bounds.max.y, p.y),
                      std::max(bounds.max.z, p.z)};
    }
    return bounds;
}

void AddSurface(Mesh& mesh, const Surface& surface, int columns, int rows, uint32_t material) {
    const auto first = static_cast<uint32_t>(mesh.Vertices().size());
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= columns; ++column) {
            const Vec2 uv{static_cast<float>(column) / static_cast<float>(columns),
                          static_cast<float>(row) / static_cast<float>(rows)};
            const SurfacePoint point = surface(uv.u, uv.v);
            mesh.AddVertex({point.position, point.normal, uv});
        }
    }
    const auto at = [&](int column, int row) {
        return first + static_cast<uint32_t>(row * (columns + 1) + column);
    };
    const auto addFacingNormals = [&](uint32_t a, uint32_t b, uint32_t c) {
        const auto vertices = mesh.Vertices();
        const Vec3 pa = vertices[a].position;
        const Vec3 front = Cross(vertices[b].position - pa, vertices[c].position - pa);
        constexpr float kNoArea = 1e-12f;  // squared length of the cross product
        if (Dot(front, front) < kNoArea) return;
        const Vec3 normal = vertices[a].normal + vertices[b].normal + vertices[c].normal;
        if (Dot(front, normal) >= 0) {
            mesh.AddTriangle({a, b, c}, material);
        } else {
            mesh.AddTriangle({a, c, b}, material);
        }
    };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            addFacingNormals(at(column, row), at(column + 1, row), at(column + 1, row + 1));
            addFacingNormals(at(column, row), at(column + 1, row + 1), at(column, row + 1));
        }
    }
}

void AddBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t material) {
    const Vec3 centre = 0.5f * (min + max);
    const Vec3 half = 0.5f * (max - min);
    const Vec3 x{half.x, 0, 0}, y{0, half.y, 0}, z{0, 0, half.z};
    // Each face as (centre offset, right, up) seen from outside.
    const std::array<std::array<Vec3, 3>, 6> faces = {{
        {-z, x, y},  // front, facing -z
        {z, -x, y},  // back
        {x, z, y},   // right
        {-x, -z, y},
        {y, x, z},  // top, its up pointing to +z
        {-y, x, -z},
    }};
    for (const auto& [offset, right, up] : faces) {
        AddRectangle(mesh, centre + offset, right, up, material);
    }
}

void AddDisc(Mesh& mesh, float radius, float y, bool facingUp, int segments, uint32_t material) {
    const Vec3 normal{0, facingUp ? 1.0f : -1.0f, 0};
    AddSurface(
        mesh,
        [&](float u, float v) {
            return SurfacePoint{PointOnCircle(radius * v, y, kTau * u), normal};
        },
        segments, 1, material);
}

void AddFrustumSide(Mesh& mesh, float bottomRadius, float bottomY, float topRadius, float topY,
                    int segments, uint32_t material) {
    // The profile runs (radius, y) from bottom to top; its outward normal is (dy, -dr).
    const double dr = topRadius - bottomRadius;
    const double dy = topY - bottomY;
    const double length = std::hypot(dr, dy);
    const double radial = dy / length;
    const double upward = -dr / length;
    AddSurface(
        mesh,
        [&](float u, float v) {
            const double angle = kTau * u;
            const double radius = topRadius - dr * v;  // v runs down the texture: top to bottom
            const double y = topY - dy * v;
            const Vec3 normal = PointOnCircle(radial, upward, angle);
            return SurfacePoint{PointOnCircle(radius, y, angle), normal};
        },
        segments, 1, material);
}

void AddSphere(Mesh& mesh, float radius, int segments, int rings, uint32_t material) {
    AddSurface(
        mesh,
        [&](float u, float v) {
            const double polar = std::numbers::pi * v;  // 0 at the top pole
            const Vec3 normal =
                PointOnCircle(std::sin(polar), std::cos(polar), kTau * static_cast<double>(u));
            return SurfacePoint{radius * normal, normal};
        },
        segments, rings, material);
}
