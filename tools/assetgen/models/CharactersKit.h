#pragma once
#include <span>
#include <vector>

#include "Mesh.h"
#include "models/ModelKit.h"

// Shapes for bodies and small held things: smooth lofts through cross-sections, ellipsoids, rods
// between two points, and planar texture projection. Coordinates as in Mesh.h.

// One cross-section of a loft, across the y axis at height `y`: half its width along x, how far it
// reaches to the front (+z) and to the back (-z) of its centre, and where that centre lies on z.
struct Section {
    float y;
    float halfWidth;
    float front;
    float back;
    float centreZ = 0;
};

// A smooth surface through `sections`, listed from bottom to top with y rising, each an ellipse
// whose front and back halves may differ; linear between them. A section of no size closes its
// end in a point. `segments` around, `rows` from bottom to top. Texture u runs once around from
// the back (-z), through the left (-x) to the front at u = 0.5; v runs down from the top section
// (0) to the bottom one (1) in proportion to height.
void AddLoft(Mesh& mesh, std::span<const Section> sections, int segments, int rows,
             uint32_t material);

// The point of the loft through `sections` at height `y` (within theirs) and `aroundDegrees` from
// the back through -x (180 is the front), with its outward normal: for laying things on a loft.
SurfacePoint LoftPoint(std::span<const Section> sections, float aroundDegrees, float y);

// The point of the ellipsoid at `centre` with `radii` in direction (azimuth, polar): azimuth in
// degrees from +z towards +x around y, polar in degrees down from +y; with its outward normal.
SurfacePoint EllipsoidPoint(Vec3 centre, Vec3 radii, float azimuthDegrees, float polarDegrees);

void AddEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int segments, int rings, uint32_t material);

// Turns a part built along +y so that it lies along +x (front stays +z): how limbs that reach out
// from a joint along x are built.
Transform AlongX();

// Turns and moves a part built along +y from the origin so that its +y runs from `from` towards
// `to`; nothing is scaled, so the part is built at its final length |to - from|.
Transform Between(Vec3 from, Vec3 to);

// A round rod from `from` to `to` with rounded ends.
void AddRod(Mesh& mesh, Vec3 from, Vec3 to, float radius, int segments, uint32_t material);

// Texture coordinates of the vertices from `firstVertex` on, projected onto the plane of `right`
// and `up` (each half the picture's width or height, in model units) through `centre`, which
// lands on the middle of the picture; the picture reads the right way round seen from the side
// that `up` × `right` points to, as the kit's own rectangles read.
void ProjectPlanarUvs(Mesh& mesh, uint32_t firstVertex, Vec3 centre, Vec3 right, Vec3 up);

// The materials a family of models draws with, each added to a model the first time one of its
// parts asks for it, so every model holds only the materials it uses.
class Palette {
  public:
    // `materials` must outlive the palette.
    Palette(Mesh& mesh, std::span<const Material> materials)
        : mesh_(mesh), materials_(materials), added_(materials.size(), kNotAdded) {}

    // The model's material number for entry `entry` of the family's list.
    uint32_t operator[](size_t entry);

  private:
    static constexpr uint32_t kNotAdded = ~0u;

    Mesh& mesh_;
    std::span<const Material> materials_;
    std::vector<uint32_t> added_;
};
