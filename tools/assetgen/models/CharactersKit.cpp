#include "models/CharactersKit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kDegrees = kPi / 180.0f;
// A surface derivative shorter than this (squared) has collapsed: a loft's closed end, where
// every point of the ring is the same. Small parts' derivatives are far longer.
constexpr float kCollapsed = 1e-24f;
// Parameter steps for the loft's normals by finite differences.
constexpr float kAroundStep = 1e-3f;
constexpr float kAlongStep = 1e-3f;

// The point of the loft at angle `around` (radians from the back, through -x) and place
// `along` on the sections: 0 at the first, sections.size() - 1 at the last.
Vec3 LoftPosition(std::span<const Section> sections, float around, float along) {
    const float last = static_cast<float>(sections.size() - 1);
    along = std::clamp(along, 0.0f, last);
    const size_t span = std::min(static_cast<size_t>(along), sections.size() - 2);
    const float f = along - static_cast<float>(span);
    const Section& a = sections[span];
    const Section& b = sections[span + 1];
    const auto mix = [f](float p, float q) { return p + (q - p) * f; };
    const float angle = kPi + around;
    const float c = std::cos(angle);
    const float reach = c >= 0 ? mix(a.front, b.front) : mix(a.back, b.back);
    return {mix(a.halfWidth, b.halfWidth) * std::sin(angle), mix(a.y, b.y),
            mix(a.centreZ, b.centreZ) + reach * c};
}

// Outward: with the angle rising from the back through -x, and `along` rising with height,
// d/dangle × d/dalong points out of the surface.
Vec3 LoftNormal(std::span<const Section> sections, float around, float along) {
    const float last = static_cast<float>(sections.size() - 1);
    for (float nudge : {0.0f, 0.01f, 0.05f}) {
        // At a closed end, step inside where the ring has a size again.
        const float at = std::clamp(along, nudge, last - nudge);
        const float lo = std::max(at - kAlongStep, 0.0f);
        const float hi = std::min(at + kAlongStep, last);
        const Vec3 dAround = LoftPosition(sections, around + kAroundStep, at) -
                             LoftPosition(sections, around - kAroundStep, at);
        const Vec3 dAlong = LoftPosition(sections, around, hi) - LoftPosition(sections, around, lo);
        if (Dot(dAround, dAround) < kCollapsed || Dot(dAlong, dAlong) < kCollapsed) continue;
        const Vec3 normal = Cross(Normalised(dAround), Normalised(dAlong));
        if (Dot(normal, normal) > 1e-8f) return Normalised(normal);
    }
    return {0, along > 0.5f * last ? 1.0f : -1.0f, 0};
}

// Where each row of a loft lies on its sections: rows shared out by each span's length in the
// (radius, height) plane, one at least, so that every section lies on a row.
class LoftRows {
  public:
    LoftRows(std::span<const Section> sections, int rows) {
        std::vector<float> lengths;
        float total = 0;
        for (size_t i = 0; i + 1 < sections.size(); ++i) {
            const Section& a = sections[i];
            const Section& b = sections[i + 1];
            const float dr = 0.5f * (b.halfWidth + b.front - a.halfWidth - a.front);
            lengths.push_back(std::hypot(b.y - a.y, dr));
            total += lengths.back();
        }
        for (float length : lengths) {
            rowsOfSpan_.push_back(std::max(
                1, static_cast<int>(
                       std::lround(static_cast<float>(rows) * length / std::max(total, 1e-6f)))));
        }
        for (int count : rowsOfSpan_) rowCount_ += count;
    }

    int Rows() const { return rowCount_; }

    // The place on the sections of surface parameter v in [0, 1], bottom to top.
    float Along(float v) const {
        float row = v * static_cast<float>(rowCount_);
        for (size_t span = 0; span < rowsOfSpan_.size(); ++span) {
            const auto count = static_cast<float>(rowsOfSpan_[span]);
            if (row <= count || span + 1 == rowsOfSpan_.size()) {
                return static_cast<float>(span) + std::min(row / count, 1.0f);
            }
            row -= count;
        }
        return 0;
    }

  private:
    std::vector<int> rowsOfSpan_;
    int rowCount_ = 0;
};

}  // namespace

void AddLoft(Mesh& mesh, std::span<const Section> sections, int segments, int rows,
             uint32_t material) {
    const LoftRows placement(sections, rows);
    const auto first = mesh.NextVertex();
    // The surface's own v runs bottom to top; the texture's runs down from the top.
    AddSurface(
        mesh,
        [&](float u, float v) {
            const float around = 2 * kPi * u;
            const float along = placement.Along(v);
            return SurfacePoint{LoftPosition(sections, around, along),
                                LoftNormal(sections, around, along)};
        },
        segments, placement.Rows(), material);
    const float top = sections.back().y;
    const float height = std::max(top - sections.front().y, 1e-6f);
    for (Vertex& vertex : mesh.Vertices().subspan(first)) {
        vertex.uv.v = (top - vertex.position.y) / height;
    }
}

SurfacePoint LoftPoint(std::span<const Section> sections, float aroundDegrees, float y) {
    size_t span = 0;
    while (span + 2 < sections.size() && y > sections[span + 1].y) ++span;
    const float height = sections[span + 1].y - sections[span].y;
    const float f = height > 0 ? std::clamp((y - sections[span].y) / height, 0.0f, 1.0f) : 0.0f;
    const float along = static_cast<float>(span) + f;
    const float around = aroundDegrees * kDegrees;
    return {LoftPosition(sections, around, along), LoftNormal(sections, around, along)};
}

SurfacePoint EllipsoidPoint(Vec3 centre, Vec3 radii, float azimuthDegrees, float polarDegrees) {
    const float azimuth = azimuthDegrees * kDegrees;
    const float polar = polarDegrees * kDegrees;
    const Vec3 direction{std::sin(azimuth) * std::sin(polar), std::cos(polar),
                         std::cos(azimuth) * std::sin(polar)};
    const Vec3 position =
        centre + Vec3{radii.x * direction.x, radii.y * direction.y, radii.z * direction.z};
    const Vec3 gradient{direction.x / radii.x, direction.y / radii.y, direction.z / radii.z};
    return {position, Normalised(gradient)};
}

void AddEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int segments, int rings, uint32_t material) {
    // Seam at the back, as the lofts have it.
    AddSurface(
        mesh,
        [&](float u, float v) { return EllipsoidPoint(centre, radii, 180 + 360 * u, 180 * v); },
        segments, rings, material);
}

Transform AlongX() {
    return Transform::RotateZ(-90);
}

Transform Between(Vec3 from, Vec3 to) {
    const Vec3 along = Normalised(to - from);
    const Vec3 helper = std::fabs(along.z) < 0.9f ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    const Vec3 across = Normalised(Cross(along, helper));
    Transform placement;
    placement.linear = {across, along, Cross(across, along)};
    placement.translation = from;
    return placement;
}

void AddRod(Mesh& mesh, Vec3 from, Vec3 to, float radius, int segments, uint32_t material) {
    const float length = Length(to - from);
    const float shoulder = 0.7f * radius;
    const float rounded = 0.71f * radius;  // the end's radius at 0.7 of its depth
    const Section sections[] = {
        {-radius, 0, 0, 0},
        {-shoulder, rounded, rounded, rounded},
        {0, radius, radius, radius},
        {length, radius, radius, radius},
        {length + shoulder, rounded, rounded, rounded},
        {length + radius, 0, 0, 0},
    };
    Mesh rod;
    AddLoft(rod, sections, segments, 6, material);
    Append(mesh, rod, Between(from, to));
}

void ProjectPlanarUvs(Mesh& mesh, uint32_t firstVertex, Vec3 centre, Vec3 right, Vec3 up) {
    const float rightSquared = Dot(right, right);
    const float upSquared = Dot(up, up);
    for (Vertex& vertex : mesh.Vertices().subspan(firstVertex)) {
        const Vec3 offset = vertex.position - centre;
        vertex.uv = {0.5f + 0.5f * Dot(offset, right) / rightSquared,
                     0.5f - 0.5f * Dot(offset, up) / upSquared};
    }
}

uint32_t Palette::operator[](size_t entry) {
    if (added_[entry] == kNotAdded) added_[entry] = mesh_.AddMaterial(materials_[entry]);
    return added_[entry];
}
