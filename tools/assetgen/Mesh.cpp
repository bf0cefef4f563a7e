#include "Mesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

namespace {

constexpr double kTau = 2 * std::numbers::pi;

}  // namespace

Vec3 Perpendicular(Vec3 axis) {
    const Vec3 helper = std::fabs(axis.y) < 0.9f ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    return Normalised(Cross(helper, axis));
}

Vec3 PointOnCircle(double radius, double y, double angle) {
    return {static_cast<float>(radius * std::cos(angle)), static_cast<float>(y),
            static_cast<float>(radius * std::sin(angle))};
}

void AddRectangle(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, uint32_t material) {
    const Vec3 normal = Normalised(Cross(up, right));
    AddSurface(
        mesh,
        [&](float u, float v) {
            return SurfacePoint{centre + (2 * u - 1) * right + (1 - 2 * v) * up, normal};
        },
        1, 1, material);
}

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
    const auto first = mesh.NextVertex();
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

namespace {

Transform Rotation(std::array<Vec3, 3> axes) {
    Transform t;
    t.linear = axes;
    return t;
}

double Radians(float degrees) {
    return degrees * std::numbers::pi / 180.0;
}

float Determinant(const std::array<Vec3, 3>& m) {
    return Dot(m[0], Cross(m[1], m[2]));
}

// Twice the signed area of a polygon given as (u, v) = (x, y) points; positive when it runs
// counter-clockwise.
double SignedArea(std::span<const Vec2> outline) {
    double area = 0;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Vec2 a = outline[i];
        const Vec2 b = outline[(i + 1) % outline.size()];
        area += static_cast<double>(a.u) * b.v - static_cast<double>(b.u) * a.v;
    }
    return area;
}

double Turn(Vec2 a, Vec2 b, Vec2 c) {
    return (static_cast<double>(b.u) - a.u) * (static_cast<double>(c.v) - a.v) -
           (static_cast<double>(b.v) - a.v) * (static_cast<double>(c.u) - a.u);
}

// Inside or on the border: a corner of the outline touching a candidate ear's edge would
// otherwise let the ear cut across the notch it belongs to.
bool TouchesTriangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
    return Turn(a, b, p) >= 0 && Turn(b, c, p) >= 0 && Turn(c, a, p) >= 0;
}

// Ear clipping of a counter-clockwise simple polygon: triangles as indices into `outline`, each
// counter-clockwise.
std::vector<std::array<uint32_t, 3>> Triangulate(std::span<const Vec2> outline) {
    std::vector<uint32_t> left(outline.size());
    for (uint32_t i = 0; i < left.size(); ++i) left[i] = i;
    std::vector<std::array<uint32_t, 3>> triangles;
    while (left.size() > 3) {
        bool clipped = false;
        for (size_t i = 0; i < left.size() && !clipped; ++i) {
            const uint32_t a = left[(i + left.size() - 1) % left.size()];
            const uint32_t b = left[i];
            const uint32_t c = left[(i + 1) % left.size()];
            if (Turn(outline[a], outline[b], outline[c]) <= 0) continue;  // a reflex corner
            const bool empty = std::none_of(left.begin(), left.end(), [&](uint32_t k) {
                return k != a && k != b && k != c &&
                       TouchesTriangle(outline[k], outline[a], outline[b], outline[c]);
            });
            if (!empty) continue;
            triangles.push_back({a, b, c});
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
            clipped = true;
        }
        if (!clipped) break;  // not a simple polygon: keep what was clipped
    }
    if (left.size() == 3) triangles.push_back({left[0], left[1], left[2]});
    return triangles;
}

// A flat cap of the extrusion at depth z; `facingNear` caps face -z.
void AddCap(Mesh& mesh, std::span<const Vec2> outline, float z, bool facingNear,
            uint32_t material) {
    const Vec3 normal{0, 0, facingNear ? -1.0f : 1.0f};
    const auto first = mesh.NextVertex();
    for (const Vec2 p : outline) mesh.AddVertex({{p.u, p.v, z}, normal, {p.u, -p.v}});
    for (const auto& [a, b, c] : Triangulate(outline)) {
        // A counter-clockwise (a, b, c) in x-y has (b - a) x (c - a) along +z: the far side.
        if (facingNear) {
            mesh.AddTriangle({first + a, first + c, first + b}, material);
        } else {
            mesh.AddTriangle({first + a, first + b, first + c}, material);
        }
    }
}

// A flat quad facing away from `inside`, with texture coordinates spanning the whole image.
void AddFacet(Mesh& mesh, const std::array<Vec3, 4>& quad, Vec3 inside, uint32_t material) {
    Vec3 normal = Normalised(Cross(quad[1] - quad[0], quad[3] - quad[0]));
    const Vec3 centre = 0.25f * (quad[0] + quad[1] + quad[2] + quad[3]);
    if (Dot(normal, centre - inside) < 0) normal = -normal;
    const auto first = mesh.NextVertex();
    constexpr std::array<Vec2, 4> kCorners = {{{0, 1}, {1, 1}, {1, 0}, {0, 0}}};
    for (size_t i = 0; i < 4; ++i) mesh.AddVertex({quad[i], normal, kCorners[i]});
    const Vec3 front = Cross(quad[1] - quad[0], quad[2] - quad[0]);
    if (Dot(front, normal) >= 0) {
        mesh.AddTriangle({first, first + 1, first + 2}, material);
        mesh.AddTriangle({first, first + 2, first + 3}, material);
    } else {
        mesh.AddTriangle({first, first + 2, first + 1}, material);
        mesh.AddTriangle({first, first + 3, first + 2}, material);
    }
}

}  // namespace

Transform Transform::Translate(Vec3 offset) {
    Transform t;
    t.translation = offset;
    return t;
}

Transform Transform::Scale(Vec3 f) {
    return Rotation({{{f.x, 0, 0}, {0, f.y, 0}, {0, 0, f.z}}});
}

Transform Transform::RotateX(float degrees) {
    const auto c = static_cast<float>(std::cos(Radians(degrees)));
    const auto s = static_cast<float>(std::sin(Radians(degrees)));
    return Rotation({{{1, 0, 0}, {0, c, s}, {0, -s, c}}});
}

Transform Transform::RotateY(float degrees) {
    const auto c = static_cast<float>(std::cos(Radians(degrees)));
    const auto s = static_cast<float>(std::sin(Radians(degrees)));
    return Rotation({{{c, 0, -s}, {0, 1, 0}, {s, 0, c}}});
}

Transform Transform::RotateZ(float degrees) {
    const auto c = static_cast<float>(std::cos(Radians(degrees)));
    const auto s = static_cast<float>(std::sin(Radians(degrees)));
    return Rotation({{{c, s, 0}, {-s, c, 0}, {0, 0, 1}}});
}

Vec3 Transform::Direction(Vec3 d) const {
    return d.x * linear[0] + d.y * linear[1] + d.z * linear[2];
}

Vec3 Transform::Point(Vec3 p) const {
    return Direction(p) + translation;
}

Transform Transform::Then(const Transform& next) const {
    Transform t;
    for (size_t i = 0; i < 3; ++i) t.linear[i] = next.Direction(linear[i]);
    t.translation = next.Point(translation);
    return t;
}

void Append(Mesh& into, const Mesh& part, const Transform& placement) {
    // Normals turn by the inverse transpose. With the axis images as rows r0, r1, r2, its rows are
    // (r1 x r2, r2 x r0, r0 x r1) / determinant; only the determinant's sign matters before the
    // normal is made unit length again.
    const auto& m = placement.linear;
    const float determinant = Determinant(m);
    const float sign = determinant < 0 ? -1.0f : 1.0f;
    const std::array<Vec3, 3> cofactor = {Cross(m[1], m[2]), Cross(m[2], m[0]), Cross(m[0], m[1])};
    const auto first = into.NextVertex();
    for (const Vertex& v : part.Vertices()) {
        const Vec3 n = v.normal;
        const Vec3 turned = n.x * cofactor[0] + n.y * cofactor[1] + n.z * cofactor[2];
        into.AddVertex({placement.Point(v.position), Normalised(sign * turned), v.uv});
    }
    for (const Triangle& t : part.Triangles()) {
        const auto [a, b, c] = t.corners;
        if (determinant < 0) {
            into.AddTriangle({first + a, first + c, first + b}, t.material);
        } else {
            into.AddTriangle({first + a, first + b, first + c}, t.material);
        }
    }
}

void Place(Mesh& into, const Transform& placement, const std::function<void(Mesh&)>& build) {
    Mesh part;
    build(part);
    Append(into, part, placement);
}

void AddLathe(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material) {
    for (size_t i = 0; i + 1 < profile.size(); ++i) {
        const Vec2 bottom = profile[i];
        const Vec2 top = profile[i + 1];
        if (bottom.u == 0 && top.u == 0) continue;  // a span along the axis has no surface
        AddFrustumSide(mesh, bottom.u, bottom.v, top.u, top.v, segments, material);
    }
}

std::vector<LatheRing> SmoothLatheRings(std::span<const Vec2> profile) {
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

void AddRevolvedRings(Mesh& mesh, std::span<const LatheRing> rings, int segments, uint32_t material,
                      const std::function<SurfacePoint(const LatheRing&, float)>& around) {
    if (rings.size() < 2) return;
    const int rows = static_cast<int>(rings.size()) - 1;
    const uint32_t first = mesh.NextVertex();
    AddSurface(
        mesh,
        // The surface is sampled on whole rows only, so v names one ring exactly.
        [&](float u, float v) {
            return around(rings[static_cast<size_t>(std::lround(v * static_cast<float>(rows)))], u);
        },
        segments, rows, material);
    auto vertices = mesh.Vertices().subspan(first);
    for (size_t i = 0; i < vertices.size(); ++i) {
        vertices[i].uv.v = rings[i / static_cast<size_t>(segments + 1)].v;
    }
}

std::vector<Vec3> CarriedNormals(std::span<const Vec3> tangents, Vec3 first) {
    std::vector<Vec3> normals{first};
    for (size_t i = 1; i < tangents.size(); ++i) {
        const Vec3 previous = normals.back();
        const Vec3 t = tangents[i];
        normals.push_back(Normalised(previous - Dot(previous, t) * t));
    }
    return normals;
}

void AddSweptTube(Mesh& mesh, std::span<const Vec3> path, std::span<const Vec3> tangents,
                  std::span<const Vec3> normals, float radius, int segments, uint32_t material) {
    // The unit vector out of ring `i` at turn `u` (0..1) from its normal towards its binormal.
    const auto out = [&](size_t i, float u) {
        const double angle = kTau * u;
        return static_cast<float>(std::cos(angle)) * normals[i] +
               static_cast<float>(std::sin(angle)) * Cross(tangents[i], normals[i]);
    };
    const int rows = static_cast<int>(path.size()) - 1;
    AddSurface(
        mesh,
        [&](float u, float v) {
            const auto i = static_cast<size_t>(std::lround(v * static_cast<float>(rows)));
            const Vec3 outward = out(i, u);
            return SurfacePoint{path[i] + radius * outward, outward};
        },
        segments, rows, material);
    for (const auto& [end, facing] :
         {std::pair{size_t{0}, -tangents.front()}, std::pair{path.size() - 1, tangents.back()}}) {
        AddSurface(
            mesh,
            [&, end = end, facing = facing](float u, float v) {
                return SurfacePoint{path[end] + (radius * v) * out(end, u), facing};
            },
            segments, 1, material);
    }
}

void AddExtrusion(Mesh& mesh, std::span<const Vec2> outline, float nearZ, float farZ,
                  uint32_t material) {
    std::vector<Vec2> ccw(outline.begin(), outline.end());
    if (SignedArea(ccw) < 0) std::reverse(ccw.begin(), ccw.end());
    AddCap(mesh, ccw, nearZ, true, material);
    AddCap(mesh, ccw, farZ, false, material);
    for (size_t i = 0; i < ccw.size(); ++i) {
        const Vec2 a = ccw[i];
        const Vec2 b = ccw[(i + 1) % ccw.size()];
        // Walking counter-clockwise the outside lies to the right, (dy, -dx), which is
        // up x right with right along the edge and up towards the near cap.
        const Vec3 centre{0.5f * (a.u + b.u), 0.5f * (a.v + b.v), 0.5f * (nearZ + farZ)};
        const Vec3 right = 0.5f * Vec3{b.u - a.u, b.v - a.v, 0};
        AddRectangle(mesh, centre, right, {0, 0, 0.5f * (nearZ - farZ)}, material);
    }
}

void AddBevelledBox(Mesh& mesh, Vec3 min, Vec3 max, float bevel, uint32_t material) {
    // The convex hull of three boxes, each shrunk by the bevel across two axes: its faces are the
    // six inset faces, twelve 45-degree edge strips and eight corner triangles. Built as the
    // extrusion of a cut-cornered rectangle for the four sides and strips around y, plus top and
    // bottom caps with their own chamfers.
    const float b = bevel;
    const std::array<Vec2, 8> outline = {{{min.x + b, min.z},
                                          {max.x - b, min.z},
                                          {max.x, min.z + b},
                                          {max.x, max.z - b},
                                          {max.x - b, max.z},
                                          {min.x + b, max.z},
                                          {min.x, max.z - b},
                                          {min.x, min.z + b}}};
    const std::array<Vec2, 8> inset = {{{min.x + 2 * b, min.z + b},
                                        {max.x - 2 * b, min.z + b},
                                        {max.x - b, min.z + 2 * b},
                                        {max.x - b, max.z - 2 * b},
                                        {max.x - 2 * b, max.z - b},
                                        {min.x + 2 * b, max.z - b},
                                        {min.x + b, max.z - 2 * b},
                                        {min.x + b, min.z + 2 * b}}};
    // Profile rings from bottom to top: the inset ring at each cap, the full ring between.
    struct Ring {
        const std::array<Vec2, 8>* shape;
        float y;
    };
    const std::array<Ring, 4> rings = {
        {{&inset, min.y}, {&outline, min.y + b}, {&outline, max.y - b}, {&inset, max.y}}};
    // The extrusion runs along z; turn it so that its axis is y (x stays, z' = y, y' = z).
    const Transform upright = Rotation({{{1, 0, 0}, {0, 0, 1}, {0, 1, 0}}});
    for (size_t r = 0; r + 1 < rings.size(); ++r) {
        const auto& lower = *rings[r].shape;
        const auto& upper = *rings[r + 1].shape;
        for (size_t i = 0; i < 8; ++i) {
            const size_t j = (i + 1) % 8;
            const std::array<Vec3, 4> quad = {
                upright.Point({lower[i].u, lower[i].v, rings[r].y}),
                upright.Point({lower[j].u, lower[j].v, rings[r].y}),
                upright.Point({upper[j].u, upper[j].v, rings[r + 1].y}),
                upright.Point({upper[i].u, upper[i].v, rings[r + 1].y})};
            AddFacet(mesh, quad, 0.5f * (min + max), material);
        }
    }
    Mesh caps;
    AddCap(caps, inset, min.y, true, material);
    AddCap(caps, inset, max.y, false, material);
    Append(mesh, caps, upright);
}

void ProjectBoxUvs(Mesh& mesh, uint32_t firstVertex, float unitsPerRepeat) {
    const float scale = 1.0f / unitsPerRepeat;
    for (Vertex& v : mesh.Vertices().subspan(firstVertex)) {
        const Vec3 n{std::fabs(v.normal.x), std::fabs(v.normal.y), std::fabs(v.normal.z)};
        const Vec3 p = scale * v.position;
        if (n.y >= n.x && n.y >= n.z) {
            v.uv = {p.x, p.z};
        } else if (n.x >= n.z) {
            v.uv = {p.z, -p.y};
        } else {
            v.uv = {p.x, -p.y};
        }
    }
}
