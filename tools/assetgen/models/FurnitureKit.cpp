#include "models/FurnitureKit.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace furniture {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// The red, green and blue of 0xRRGGBB, 0..1.
std::array<float, 3> Channels(uint32_t rgb) {
    const auto channel = [rgb](int shift) {
        return static_cast<float>((rgb >> shift) & 0xFFu) / 255.0f;
    };
    return {channel(16), channel(8), channel(0)};
}

Vec3 Normalised(Vec3 a) {
    return (1.0f / std::sqrt(Dot(a, a))) * a;
}

// A flat rectangle centred on `centre` with half edges `right` and `up` as seen from its front
// (towards up × right), wearing the whole texture upright.
void AddRectangle(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, uint32_t material) {
    const Vec3 normal = Normalised(Cross(up, right));
    AddSurface(
        mesh,
        [&](float u, float v) {
            return SurfacePoint{centre + (2 * u - 1) * right + (1 - 2 * v) * up, normal};
        },
        1, 1, material);
}

// A point of the circle of `radius` in the x-z plane at `turns` of a full turn from +x.
Vec3 Around(float radius, float y, float turns) {
    const double angle = kTau * turns;
    return {static_cast<float>(radius * std::cos(angle)), y,
            static_cast<float>(radius * std::sin(angle))};
}

// One ring of a turned surface: its profile point, its unit normal as (radial, upward) and how
// far along the profile it lies.
struct Ring {
    Vec2 point;
    Vec2 normal;
    float along;
};

std::vector<Ring> RingsOf(std::span<const Vec2> profile) {
    constexpr float kCreaseCosine = 0.7071f;  // corners sharper than 45 degrees stay crisp
    std::vector<Vec2> spanNormals;
    for (size_t i = 0; i + 1 < profile.size(); ++i) {
        const float dr = profile[i + 1].u - profile[i].u;
        const float dy = profile[i + 1].v - profile[i].v;
        const float length = std::hypot(dr, dy);
        spanNormals.push_back({dy / length, -dr / length});
    }
    std::vector<Ring> rings;
    float along = 0;
    for (size_t i = 0; i < profile.size(); ++i) {
        if (i > 0) {
            along += std::hypot(profile[i].u - profile[i - 1].u, profile[i].v - profile[i - 1].v);
        }
        const bool hasBelow = i > 0, hasAbove = i + 1 < profile.size();
        if (hasBelow && hasAbove) {
            const Vec2 a = spanNormals[i - 1], b = spanNormals[i];
            if (a.u * b.u + a.v * b.v < kCreaseCosine) {
                rings.push_back({profile[i], a, along});
                rings.push_back({profile[i], b, along});
            } else {
                const float length = std::hypot(a.u + b.u, a.v + b.v);
                rings.push_back({profile[i], {(a.u + b.u) / length, (a.v + b.v) / length}, along});
            }
        } else {
            rings.push_back({profile[i], spanNormals[hasBelow ? i - 1 : i], along});
        }
    }
    return rings;
}

// Unit vectors across the polyline at each of its points, carried along it without twisting.
std::vector<Vec3> CarriedNormals(std::span<const Vec3> path, std::span<const Vec3> tangents) {
    const Vec3 first = tangents.front();
    const Vec3 helper = std::fabs(first.y) < 0.9f ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    std::vector<Vec3> normals{Normalised(Cross(helper, first))};
    for (size_t i = 1; i < path.size(); ++i) {
        const Vec3 previous = normals.back();
        const Vec3 t = tangents[i];
        normals.push_back(Normalised(previous - Dot(previous, t) * t));
    }
    return normals;
}

// A flat end of a tube at `centre`, facing `outward`, spanned by the unit vectors `a` and `b`.
void AddTubeEnd(Mesh& mesh, Vec3 centre, Vec3 a, Vec3 b, Vec3 outward, float radius, int segments,
                uint32_t material) {
    AddSurface(
        mesh,
        [&](float u, float v) {
            const double angle = kTau * u;
            const Vec3 across =
                static_cast<float>(std::cos(angle)) * a + static_cast<float>(std::sin(angle)) * b;
            return SurfacePoint{centre + (radius * v) * across, outward};
        },
        segments, 1, material);
}

}  // namespace

Material Textured(std::string_view texture, uint32_t tint) {
    Material material;
    const std::array<float, 3> rgb = Channels(tint);
    material.faceColor = {rgb[0], rgb[1], rgb[2], 1};
    material.textureFile = std::string(texture);
    return material;
}

Material Plain(uint32_t rgb) {
    return Textured("white.bmp", rgb);
}

Material Shiny(Material material, float power, float level) {
    material.power = power;
    material.specular = {level, level, level};
    return material;
}

Material Glowing(Material material, uint32_t glow) {
    material.emissive = Channels(glow);
    return material;
}

uint32_t NextVertex(const Mesh& mesh) {
    return static_cast<uint32_t>(mesh.Vertices().size());
}

void Place(Mesh& into, const Transform& placement, const std::function<void(Mesh&)>& build) {
    Mesh part;
    build(part);
    Append(into, part, placement);
}

void AddGrainedBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t material) {
    const uint32_t first = NextVertex(mesh);
    AddBox(mesh, min, max, material);
    ProjectBoxUvs(mesh, first, kGrainRepeat);
}

void AddChamferedBox(Mesh& mesh, Vec3 min, Vec3 max, float bevel, uint32_t material) {
    const Vec3 size = max - min;
    const float limit = 0.2f * std::fmin(size.x, std::fmin(size.y, size.z));
    const uint32_t first = NextVertex(mesh);
    AddBevelledBox(mesh, min, max, std::fmin(bevel, limit), material);
    ProjectBoxUvs(mesh, first, kGrainRepeat);
}

void AddPictureBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t sides, uint32_t picture,
                   PictureFaces faces) {
    const Vec3 centre = 0.5f * (min + max);
    const Vec3 half = 0.5f * (max - min);
    const Vec3 x{half.x, 0, 0}, y{0, half.y, 0}, z{0, 0, half.z};
    const uint32_t first = NextVertex(mesh);
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
    const uint32_t first = NextVertex(mesh);
    AddSurface(
        mesh,
        [&](float u, float v) {
            const Vec3 rim = Around(innerRadius + (radius - innerRadius) * v, 0, u);
            return SurfacePoint{centre + Vec3{rim.x, rim.z, 0}, {0, 0, -1}};
        },
        segments, 1, material);
    for (Vertex& vertex : mesh.Vertices().subspan(first)) {
        const Vec3 offset = vertex.position - centre;
        vertex.uv = {0.5f + 0.5f * offset.x / radius, 0.5f - 0.5f * offset.y / radius};
    }
}

void AddTurned(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material) {
    const std::vector<Ring> rings = RingsOf(profile);
    const int rows = static_cast<int>(rings.size()) - 1;
    const uint32_t first = NextVertex(mesh);
    AddSurface(
        mesh,
        [&](float u, float v) {
            // The kit samples whole rows only, so v names one ring exactly.
            const Ring& ring =
                rings[static_cast<size_t>(std::lround(v * static_cast<float>(rows)))];
            const Vec3 point = Around(ring.point.u, ring.point.v, u);
            const Vec3 normal = Around(ring.normal.u, ring.normal.v, u);
            return SurfacePoint{point, normal};
        },
        segments, rows, material);
    // Texture rows by length along the profile rather than by ring number.
    const float total = rings.back().along;
    auto vertices = mesh.Vertices().subspan(first);
    for (size_t i = 0; i < vertices.size(); ++i) {
        vertices[i].uv.v = 1 - rings[i / static_cast<size_t>(segments + 1)].along / total;
    }
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
    const std::vector<Vec3> normals = CarriedNormals(path, tangents);
    const int rows = static_cast<int>(path.size()) - 1;
    AddSurface(
        mesh,
        [&](float u, float v) {
            const auto i = static_cast<size_t>(std::lround(v * static_cast<float>(rows)));
            const Vec3 binormal = Cross(tangents[i], normals[i]);
            const double angle = kTau * u;
            const Vec3 out = static_cast<float>(std::cos(angle)) * normals[i] +
                             static_cast<float>(std::sin(angle)) * binormal;
            return SurfacePoint{path[i] + radius * out, out};
        },
        segments, rows, material);
    const Vec3 startBinormal = Cross(tangents.front(), normals.front());
    const Vec3 endBinormal = Cross(tangents.back(), normals.back());
    AddTubeEnd(mesh, path.front(), normals.front(), startBinormal, -tangents.front(), radius,
               segments, material);
    AddTubeEnd(mesh, path.back(), normals.back(), endBinormal, tangents.back(), radius, segments,
               material);
}

Transform TowardsFront() {
    return Transform::RotateX(-90);
}

}  // namespace furniture
