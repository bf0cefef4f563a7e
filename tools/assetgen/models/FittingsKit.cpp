#include "models/FittingsKit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>

namespace fittings {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

std::array<float, 4> Rgba(uint32_t rgb, float alpha) {
    const auto channel = [rgb](int shift) {
        return static_cast<float>((rgb >> shift) & 0xFF) / 255.0f;
    };
    return {channel(16), channel(8), channel(0), alpha};
}

Vec3 Normalised(Vec3 a) {
    return (1.0f / std::sqrt(Dot(a, a))) * a;
}

// Any unit vector at right angles to the unit vector `axis`.
Vec3 Perpendicular(Vec3 axis) {
    const Vec3 helper = std::fabs(axis.y) < 0.9f ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    return Normalised(Cross(helper, axis));
}

// A point of a ring around the origin in the plane of the unit vectors `across` and `along`.
Vec3 OnRing(Vec3 across, Vec3 along, double radius, double radians) {
    return static_cast<float>(radius * std::cos(radians)) * across +
           static_cast<float>(radius * std::sin(radians)) * along;
}

// One ring of a lathe: where it lies, which way its surface faces (radially and upwards) and its
// texture row.
struct LatheRing {
    Vec2 point;
    Vec2 normal;  // (radial, upward), unit length
    float v;
};

// The rings of `profile`: one per point, two at a crisp corner (one for the span on each side).
std::vector<LatheRing> LatheRings(std::span<const Vec2> profile) {
    constexpr float kCreaseCosine = 0.7071f;  // corners sharper than 45 degrees stay crisp
    const size_t count = profile.size();
    if (count < 2) return {};
    std::vector<std::optional<Vec2>> spanNormals(count - 1);
    std::vector<float> along(count, 0);  // profile length up to each point
    for (size_t i = 0; i + 1 < count; ++i) {
        const float dr = profile[i + 1].u - profile[i].u;
        const float dy = profile[i + 1].v - profile[i].v;
        const float length = std::hypot(dr, dy);
        along[i + 1] = along[i] + length;
        if (length > 0) spanNormals[i] = Vec2{dy / length, -dr / length};
    }
    const float total = along.back();
    std::vector<LatheRing> rings;
    for (size_t i = 0; i < count; ++i) {
        const std::optional<Vec2> below = i > 0 ? spanNormals[i - 1] : std::nullopt;
        const std::optional<Vec2> above = i + 1 < count ? spanNormals[i] : std::nullopt;
        const float v = 1 - along[i] / total;
        if (below && above) {
            const float cosine = below->u * above->u + below->v * above->v;
            if (cosine < kCreaseCosine) {
                rings.push_back({profile[i], *below, v});
                rings.push_back({profile[i], *above, v});
            } else {
                const float u = below->u + above->u, w = below->v + above->v;
                const float length = std::hypot(u, w);
                rings.push_back({profile[i], {u / length, w / length}, v});
            }
        } else if (below || above) {
            rings.push_back({profile[i], below ? *below : *above, v});
        }
    }
    return rings;
}

}  // namespace

Material Textured(std::string_view texture, uint32_t tint, float alpha) {
    Material material;
    material.faceColor = Rgba(tint, alpha);
    material.textureFile = std::string(texture);
    return material;
}

Material Plain(uint32_t rgb, float alpha) {
    return Textured("white.bmp", rgb, alpha);
}

Material Shiny(Material material, float power, float level) {
    material.power = power;
    material.specular = {level, level, level};
    return material;
}

Material Glowing(Material material, float level) {
    for (size_t i = 0; i < 3; ++i) material.emissive[i] = level * material.faceColor[i];
    return material;
}

void Place(Mesh& into, const Transform& placement, const std::function<void(Mesh&)>& build) {
    Mesh part;
    build(part);
    Append(into, part, placement);
}

void AddFacedBox(Mesh& mesh, Vec3 min, Vec3 max, Vec3 facing, uint32_t material,
                 uint32_t faceMaterial) {
    Mesh box;
    AddBox(box, min, max, 0);
    const uint32_t first = NextVertex(mesh);
    for (const Vertex& vertex : box.Vertices()) mesh.AddVertex(vertex);
    for (const Triangle& triangle : box.Triangles()) {
        const auto [a, b, c] = triangle.corners;
        const bool isFace = Dot(box.Vertices()[a].normal, facing) > 0.5f;
        mesh.AddTriangle({first + a, first + b, first + c}, isFace ? faceMaterial : material);
    }
}

void AddSmoothLathe(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material) {
    const std::vector<LatheRing> rings = LatheRings(profile);
    if (rings.size() < 2) return;
    const int rows = static_cast<int>(rings.size()) - 1;
    const uint32_t first = NextVertex(mesh);
    AddSurface(
        mesh,
        [&](float u, float v) {
            const LatheRing& ring = rings[static_cast<size_t>(std::lround(v * rows))];
            const double angle = 2 * std::numbers::pi * u;
            const Vec3 radial{static_cast<float>(std::cos(angle)), 0,
                              static_cast<float>(std::sin(angle))};
            return SurfacePoint{ring.point.u * radial + Vec3{0, ring.point.v, 0},
                                ring.normal.u * radial + Vec3{0, ring.normal.v, 0}};
        },
        segments, rows, material);
    auto vertices = mesh.Vertices().subspan(first);
    for (size_t i = 0; i < vertices.size(); ++i) {
        vertices[i].uv.v = rings[i / static_cast<size_t>(segments + 1)].v;
    }
}

void AddRod(Mesh& mesh, Vec3 from, Vec3 to, float radius, int segments, uint32_t material) {
    const Vec3 axis = to - from;
    const Vec3 direction = Normalised(axis);
    const Vec3 across = Perpendicular(direction);
    Transform placement;
    placement.linear = {radius * across, axis, radius * Cross(direction, across)};
    placement.translation = from;
    constexpr Vec2 kUnitCylinder[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    Place(mesh, placement,
          [&](Mesh& part) { AddSmoothLathe(part, kUnitCylinder, segments, material); });
}

void AddTube(Mesh& mesh, std::span<const Vec3> path, float radius, int segments,
             uint32_t material) {
    const size_t count = path.size();
    std::vector<Vec3> tangents(count), normals(count), binormals(count);
    for (size_t i = 0; i < count; ++i) {
        tangents[i] = Normalised(path[std::min(i + 1, count - 1)] - path[i > 0 ? i - 1 : 0]);
        // Each ring's frame is the previous one's turned as little as possible.
        const Vec3 previous = i > 0 ? normals[i - 1] : Perpendicular(tangents[0]);
        normals[i] = Normalised(previous - Dot(previous, tangents[i]) * tangents[i]);
        binormals[i] = Cross(tangents[i], normals[i]);
    }
    const auto ring = [&](size_t i, float u) {
        return OnRing(normals[i], binormals[i], 1, 2 * std::numbers::pi * u);
    };
    const int rows = static_cast<int>(count) - 1;
    AddSurface(
        mesh,
        [&](float u, float v) {
            const auto i = static_cast<size_t>(std::lround(v * rows));
            const Vec3 outward = ring(i, u);
            return SurfacePoint{path[i] + radius * outward, outward};
        },
        segments, rows, material);
    for (const auto& [end, outward] :
         {std::pair{size_t{0}, -tangents.front()}, std::pair{count - 1, tangents.back()}}) {
        AddSurface(
            mesh,
            [&, end = end, outward = outward](float u, float v) {
                return SurfacePoint{path[end] + (radius * v) * ring(end, u), outward};
            },
            segments, 1, material);
    }
}

void AddPicture(Mesh& mesh, Vec3 topLeft, Vec3 topRight, Vec3 bottomLeft, uint32_t material) {
    const Vec3 right = 0.5f * (topRight - topLeft);
    const Vec3 up = 0.5f * (topLeft - bottomLeft);
    const Vec3 centre = 0.5f * (topRight + bottomLeft);
    const Vec3 normal = Normalised(Cross(up, right));
    AddSurface(
        mesh,
        [&](float u, float v) {
            return SurfacePoint{centre + (2 * u - 1) * right + (1 - 2 * v) * up, normal};
        },
        1, 1, material);
}

void AddRoundPicture(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, float radius, int segments,
                     uint32_t material) {
    const Vec3 normal = Normalised(Cross(up, right));
    const uint32_t first = NextVertex(mesh);
    AddSurface(
        mesh,
        [&](float u, float v) {
            const Vec3 rim = OnRing(right, up, radius, 2 * std::numbers::pi * u);
            return SurfacePoint{centre + v * rim, normal};
        },
        segments, 1, material);
    for (Vertex& vertex : mesh.Vertices().subspan(first)) {
        const Vec3 offset = (0.5f / radius) * (vertex.position - centre);
        vertex.uv = {0.5f + Dot(offset, right), 0.5f - Dot(offset, up)};
    }
}

void AddTwoSidedCard(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, uint32_t material) {
    AddPicture(mesh, centre - right + up, centre + right + up, centre - right - up, material);
    AddPicture(mesh, centre + right + up, centre - right + up, centre + right - up, material);
}

std::vector<Vec3> ArcPoints(Vec3 centre, float radius, Vec3 across, Vec3 along, float fromDegrees,
                            float toDegrees, int count) {
    std::vector<Vec3> points;
    for (int i = 0; i <= count; ++i) {
        const double degrees = fromDegrees + (toDegrees - fromDegrees) * i / count;
        points.push_back(centre + OnRing(across, along, radius, degrees * kRadiansPerDegree));
    }
    return points;
}

uint32_t NextVertex(const Mesh& mesh) {
    return static_cast<uint32_t>(mesh.Vertices().size());
}

}  // namespace fittings
