#pragma once
#include <array>
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

// A surface of revolution around the y axis through the (radius, y) points of `profile`, listed
// from bottom to top; each span is a cone frustum, so a radius of 0 closes an end.
void AddLathe(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material);

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
