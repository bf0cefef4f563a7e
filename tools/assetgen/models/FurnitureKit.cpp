#include "models/FurnitureKit.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace furniture {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

}  // namespace

void AddGrainedBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t material) {
    const uint32_t first = mesh.NextVertex();
    AddBox(mesh, min, max, material);
    ProjectBoxUvs(mesh, first, kGrainRepeat);
}

void AddChamferedBox(Mesh& mesh, Vec3 min, Vec3 max, float bevel, uint32_t material) {
    const Vec3 size = max - min;
    const float limit = 0.2f * std::fmin(size.x, std::fmin(size.y, size.z));
    const uint32_t first = mesh.NextVertex();
    AddBevelledBox(mesh, min, max, std::fmin(bevel, limit), material);
    ProjectBoxUvs(mesh, first, kGrainRepeat);
}

void AddPictureBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t sides, uint32_t picture,
                   PictureFaces faces) {
    const Vec3 centre = 0.5f * (min + max);
    const Vec3 half = 0.5f * (max - min);
    const Vec3 x{half.x, 0, 0}, y{0, half.y, 0}, z{0, 0, half.z};
    const uint32_t first = mesh.NextVertex();
    // The four edge faces as (centre offset, right, up) seen from outside.
    AddRectangle(mesh, centre + x, z, y, sides);
    AddRectangle(mesh, centre - x, -z, y, sides);
    AddRectangle(mesh, centre + y, x, z, sides);
    AddRectangle(mesh, centre - y, x, -z, sides);
    const bool pictureBehind = faces == PictureFaces::FrontAndBack;
    if (!pictureBehind) AddRectangle(mesh, centre + z, -x, y, sides);
    ProjectBoxUvs(mesh, first, kGrainRepeat);
    AddRectangle(mesh, centre - z, x, y, picture);
    if (pictureBehind) AddRectangle(mesh, centre + z, -x, y, picture);
}

void AddRoundPicture(Mesh& mesh, Vec3 centre, float innerRadius, float radius, int segments,
                     uint32_t material) {
    const uint32_t first = mesh.NextVertex();
    AddSurface(
        mesh,
        [&](float u, float v) {
            const Vec3 rim = PointOnCircle(innerRadius + (radius - innerRadius) * v, 0, kTau * u);
            return SurfacePoint{centre + Vec3{rim.x, rim.z, 0}, {0, 0, -1}};
        },
        segments, 1, material);
    for (Vertex& vertex : mesh.Vertices().subspan(first)) {
        const Vec3 offset = vertex.position - centre;
        vertex.uv = {0.5f + 0.5f * offset.x / radius, 0.5f - 0.5f * offset.y / radius};
    }
}

void AddTurned(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material) {
    AddRevolvedRings(mesh, SmoothLatheRings(profile), segments, material,
                     [](const LatheRing& ring, float u) {
                         return SurfacePoint{PointOnCircle(ring.point.u, ring.point.v, kTau * u),
                                             PointOnCircle(ring.normal.u, ring.normal.v, kTau * u)};
                     });
}

void AddRod(Mesh& mesh, Vec3 from, Vec3 to, float radius, int segments, uint32_t material) {
    const std::array<Vec3, 2> path = {from, to};
    AddTube(mesh, path, radius, segments, material);
}

void AddTube(Mesh& mesh, std::span<const Vec3> path, float radius, int segments,
             uint32_t material) {
    std::vector<Vec3> tangents;
    for (size_t i = 0; i < path.size(); ++i) {
        const Vec3 before = i > 0 ? Normalised(path[i] - path[i - 1]) : Vec3{0, 0, 0};
        const Vec3 after = i + 1 < path.size() ? Normalised(path[i + 1] - path[i]) : Vec3{0, 0, 0};
        tangents.push_back(Normalised(before + after));
    }
    AddSweptTube(mesh, path, tangents, CarriedNormals(tangents, Perpendicular(tangents.front())),
                 radius, segments, material);
}

Transform TowardsFront() {
    return Transform::RotateX(-90);
}

}  // namespace furniture
