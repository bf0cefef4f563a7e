#include "models/FittingsKit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fittings {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// A point of a ring around the origin in the plane of the unit vectors `across` and `along`.
Vec3 OnRing(Vec3 across, Vec3 along, double radius, double radians) {
    return static_cast<float>(radius * std::cos(radians)) * across +
           static_cast<float>(radius * std::sin(radians)) * along;
}

}  // namespace

void AddFacedBox(Mesh& mesh, Vec3 min, Vec3 max, Vec3 facing, uint32_t material,
                 uint32_t faceMaterial) {
    Mesh box;
    AddBox(box, min, max, 0);
    const uint32_t first = mesh.NextVertex();
    for (const Vertex& vertex : box.Vertices()) mesh.AddVertex(vertex);
    for (const Triangle& triangle : box.Triangles()) {
        const auto [a, b, c] = triangle.corners;
        const bool isFace = Dot(box.Vertices()[a].normal, facing) > 0.5f;
        mesh.AddTriangle({first + a, first + b, first + c}, isFace ? faceMaterial : material);
    }
}

void AddSmoothLathe(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material) {
    AddRevolvedRings(mesh, SmoothLatheRings(profile), segments, material,
                     [](const LatheRing& ring, float u) {
                         const double angle = 2 * std::numbers::pi * u;
                         const Vec3 radial{static_cast<float>(std::cos(angle)), 0,
                                           static_cast<float>(std::sin(angle))};
                         return SurfacePoint{ring.point.u * radial + Vec3{0, ring.point.v, 0},
                                             ring.normal.u * radial + Vec3{0, ring.normal.v, 0}};
                     });
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
    std::vector<Vec3> tangents(count);
    for (size_t i = 0; i < count; ++i) {
        tangents[i] = Normalised(path[std::min(i + 1, count - 1)] - path[i > 0 ? i - 1 : 0]);
    }
    // The first ring starts from a perpendicular of the first tangent, projected square to it once
    // more to settle its rounding.
    const Vec3 start = Perpendicular(tangents[0]);
    const Vec3 first = Normalised(start - Dot(start, tangents[0]) * tangents[0]);
    AddSweptTube(mesh, path, tangents, CarriedNormals(tangents, first), radius, segments, material);
}

void AddPicture(Mesh& mesh, Vec3 topLeft, Vec3 topRight, Vec3 bottomLeft, uint32_t material) {
    AddRectangle(mesh, 0.5f * (topRight + bottomLeft), 0.5f * (topRight - topLeft),
                 0.5f * (topLeft - bottomLeft), material);
}

void AddRoundPicture(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, float radius, int segments,
                     uint32_t material) {
    const Vec3 normal = Normalised(Cross(up, right));
    const uint32_t first = mesh.NextVertex();
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

}  // namespace fittings
