#pragma once
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// A small mesh-building kit for the model generators. Coordinates are the game's: left-handed,
// y up, in world units. A triangle's front is the side from which its corners run clockwise (the
// Direct3D convention), so (b - a) × (c - a) points out of its front.

struct Vec2 {
    float u, v;
};

struct Vec3 {
    float x, y, z;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(float s, Vec3 a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}
// `a` scaled to unit length; `a` must not be zero.
inline Vec3 Normalised(Vec3 a) {
    return (1.0f / Length(a)) * a;
}
// Some unit vector at right angles to the unit vector `axis`.
Vec3 Perpendicular(Vec3 axis);

// A material as a model file's Material block holds it. Colours are 0..1.
struct Material {
    std::array<float, 4> faceColor{1, 1, 1, 1};  // diffuse RGBA
    float power = 0;                             // specular exponent
    std::array<float, 3> specular{0, 0, 0};
    std::array<float, 3> emissive{0, 0, 0};
    std::string textureFile;  // catalogue name of the texture, empty for an untextured material
};

struct Vertex {
    Vec3 position;
    Vec3 normal;  // unit length
    Vec2 uv;      // texture coordinates, v down from the top of the image
};

struct Triangle {
    std::array<uint32_t, 3> corners;  // vertex indices, clockwise seen from the front
    uint32_t material;                // material index
};

struct Bounds {
    Vec3 min, max;
};

class Mesh {
  public:
    // Each returns the index of what it added.
    uint32_t AddMaterial(Material material);
    uint32_t AddVertex(const Vertex& vertex);
    // `corners` index vertices already added; `material` a material already added.
    void AddTriangle(std::array<uint32_t, 3> corners, uint32_t material);

    std::span<const Material> Materials() const { return materials_; }
    std::span<const Vertex> Vertices() const { return vertices_; }
    std::span<Vertex> Vertices() { return vertices_; }
    std::span<const Triangle> Triangles() const { return triangles_; }
    // The number of vertices so far: where the next part's vertices start.
    uint32_t NextVertex() const { return static_cast<uint32_t>(vertices_.size()); }
    // Axis-aligned bounds of the vertex positions; the mesh must have a vertex.
    Bounds PositionBounds() const;

  private:
    std::vector<Material> materials_;
    std::vector<Vertex> vertices_;
    std::vector<Triangle> triangles_;
};

// A point of a parametric surface for (u, v) in [0, 1] x [0, 1].
struct SurfacePoint {
    Vec3 position;
    Vec3 normal;  // unit length, out of the surface's front
};
using Surface = std::function<SurfacePoint(float u, float v)>;

// Samples `surface` on a grid of columns x rows cells, with texture coordinates (u, v). Each cell
// becomes two triangles wound to face the way their corner normals point; triangles of no area
// (at a pole or an apex) are left out.
void AddSurface(Mesh& mesh, const Surface& surface, int columns, int rows, uint32_t material);

// Shape recipes, each with outward normals and one material.
void AddBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t material);
// A disc of `radius` around the y axis at height `y`, facing up or down.
void AddDisc(Mesh& mesh, float radius, float y, bool facingUp, int segments, uint32_t material);
// The side of a cone frustum around the y axis from (bottomRadius, bottomY) to (topRadius, topY);
// a radius of 0 makes an apex.
void AddFrustumSide(Mesh& mesh, float bottomRadius, float bottomY, float topRadius, float topY,
                    int segments, uint32_t material);
void AddSphere(Mesh& mesh, float radius, int segments, int rings, uint32_t material);
// A flat rectangle centred on `centre` with half edges `right` and `up` as seen from its front
// (towards up × right), wearing the whole texture upright.
void AddRectangle(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, uint32_t material);

// The point at `angle` radians from +x towards +z on the circle of `radius` around the y axis at
// height `y`.
Vec3 PointOnCircle(double radius, double y, double angle);

// An affine placement: p' = p * linear + translation, in the row-vector convention of the game's
// matrices. Compose with `Then`: a.Then(b) applies a first.
struct Transform {
    std::array<Vec3, 3> linear{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};  // images of the x, y, z axes
    Vec3 translation{0, 0, 0};

    static Transform Translate(Vec3 offset);
    static Transform Scale(Vec3 factors);
    // Angles in degrees, turning as the game's yaw (about y), pitch (about x) and roll (about z).
    static Transform RotateX(float degrees);
    static Transform RotateY(float degrees);
    static Transform RotateZ(float degrees);

    Transform Then(const Transform& next) const;
    Vec3 Point(Vec3 p) const;
    Vec3 Direction(Vec3 d) const;
};

// Appends `part` to `into` placed by `placement`: positions moved, normals turned (and kept unit
// length), winding reversed when the placement mirrors. The part's triangles keep their material
// numbers, which must be materials of `into`; the part's own material list is not copied, so parts
// are built with the material numbers of the model they go into.
void Append(Mesh& into, const Mesh& part, const Transform& placement);

// Builds a part at the origin with `build` and appends it to `into` placed by `placement`; the
// part uses the material numbers of `into`.
void Place(Mesh& into, const Transform& placement, const std::function<void(Mesh&)>& build);

// A surface of revolution around the y axis through the (radius, y) points of `profile`, listed
// from bottom to top; each span is a cone frustum, so a radius of 0 closes an end.
void AddLathe(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material);

// One ring of a smooth lathe: its profile point (radius, y), which way its surface faces there as
// a unit (radial, upward) vector, and its texture row.
struct LatheRing {
    Vec2 point;
    Vec2 normal;
    float v;
};

// The rings of a smooth lathe through the (radius, y) points of `profile`, in the order the
// surface runs, its front on the right of that direction: one ring per point, two at a corner
// sharper than 45 degrees (one for the span on each side), so normals are smooth elsewhere and
// crisp there. Points repeating their neighbour add no span. Texture rows run by length along the
// whole profile: v 1 at its first point and 0 at its last. Empty for fewer than two points.
std::vector<LatheRing> SmoothLatheRings(std::span<const Vec2> profile);

// The surface of revolution through `rings` (two at least, else nothing is added), `segments`
// around, each ring placed at turn u (0..1) by `around`; texture u wraps once around and v is the
// ring's own.
void AddRevolvedRings(Mesh& mesh, std::span<const LatheRing> rings, int segments, uint32_t material,
                      const std::function<SurfacePoint(const LatheRing&, float u)>& around);

// Unit vectors across a path at each of its points, given the path's unit `tangents` there (at
// least one): `first` (unit, across the first tangent), then each the one before turned as little
// as possible, so that a tube along the path does not twist.
std::vector<Vec3> CarriedNormals(std::span<const Vec3> tangents, Vec3 first);

// A tube of `radius` along the polyline `path` (two points at least) with flat ends: around each
// point a ring across its unit tangent, starting at its unit normal (both one per point).
void AddSweptTube(Mesh& mesh, std::span<const Vec3> path, std::span<const Vec3> tangents,
                  std::span<const Vec3> normals, float radius, int segments, uint32_t material);

// A prism: the simple polygon `outline` (x, y points, either winding, no self-crossing) extruded
// from z `nearZ` to z `farZ`, with both caps.
void AddExtrusion(Mesh& mesh, std::span<const Vec2> outline, float nearZ, float farZ,
                  uint32_t material);

// A box with its edges cut at 45 degrees by `bevel`: less than a quarter of the box's width and
// depth and less than half its height (the corner cuts of the top and bottom take two bevels from
// each side).
void AddBevelledBox(Mesh& mesh, Vec3 min, Vec3 max, float bevel, uint32_t material);

// Texture coordinates of the vertices from `firstVertex` on, projected along each vertex's
// dominant normal axis so that a texture repeats every `unitsPerRepeat` world units, whatever the
// part's size: wood grain and plaster keep one scale across a model.
void ProjectBoxUvs(Mesh& mesh, uint32_t firstVertex, float unitsPerRepeat);
