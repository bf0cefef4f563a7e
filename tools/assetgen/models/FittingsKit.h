#pragma once
// Shapes only the fittings' recipes use, on top of the mesh kit in Mesh.h and the materials in
// ModelKit.h.
#include <cstdint>
#include <span>
#include <vector>

#include "Mesh.h"
#include "models/ModelKit.h"

namespace fittings {

// ---- Shapes -------------------------------------------------------------------------------

// A box whose face towards the axis `facing` (a unit axis vector) wears `faceMaterial` with the
// whole texture on it, upright as seen from outside; the other faces wear `material`.
void AddFacedBox(Mesh& mesh, Vec3 min, Vec3 max, Vec3 facing, uint32_t material,
                 uint32_t faceMaterial);

// A surface of revolution around the y axis through the (radius, y) points of `profile`, listed
// in the order the surface runs; its front is on the right of that direction, drawn with the
// radius to the right and y up (bottom to top on the outside of a vase, top to bottom on its
// inside). Normals are smooth across the profile
// except at corners sharper than 45 degrees, which stay crisp. Texture coordinates wrap once
// around (u from +x towards +z) and run along the whole profile by its length, v 0 at its last
// point and 1 at its first: a profile listed bottom to top wears its picture upright.
void AddSmoothLathe(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material);

// A closed round rod of `radius` from `from` to `to`, with flat ends.
void AddRod(Mesh& mesh, Vec3 from, Vec3 to, float radius, int segments, uint32_t material);

// A tube of `radius` swept along the polyline `path` (at least two distinct points, no sharp
// turns), with flat ends.
void AddTube(Mesh& mesh, std::span<const Vec3> path, float radius, int segments, uint32_t material);

// A flat picture: the whole texture on the rectangle whose top edge runs from `topLeft` to
// `topRight` and whose left edge runs down to `bottomLeft`, facing the side from which it reads
// the right way round.
void AddPicture(Mesh& mesh, Vec3 topLeft, Vec3 topRight, Vec3 bottomLeft, uint32_t material);

// A round picture: the circle inscribed in the texture, on a disc of `radius` around `centre`
// that reads upright with the unit vectors `right` and `up` as seen from its front.
void AddRoundPicture(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, float radius, int segments,
                     uint32_t material);

// A flat rectangle centred on `centre` with half edges `right` and `up` (as seen from its front),
// wearing the whole texture on both sides: leaves, grass and webs seen from anywhere.
void AddTwoSidedCard(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, uint32_t material);

// The points of an arc around `centre` in the plane of `across` and `along`: `count` + 1 points
// from angle `fromDegrees` to `toDegrees`, 0 degrees at `radius` along `across` and 90 along
// `along`. Unit vectors give a circle; longer or shorter ones stretch it to an ellipse.
std::vector<Vec3> ArcPoints(Vec3 centre, float radius, Vec3 across, Vec3 along, float fromDegrees,
                            float toDegrees, int count);

}  // namespace fittings
