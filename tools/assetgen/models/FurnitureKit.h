#pragma once
// Shapes only the furniture recipes use, on top of the mesh kit in Mesh.h and the materials in
// ModelKit.h.
#include <cstdint>
#include <span>

#include "Mesh.h"
#include "models/ModelKit.h"

namespace furniture {

// Wood grain repeats every this many world units on every wooden part, whatever its size.
inline constexpr float kGrainRepeat = 0.6f;

// ---- Building -----------------------------------------------------------------------------

// A box with wood grain (or any repeating texture) projected on its faces at kGrainRepeat.
void AddGrainedBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t material);

// The kit's bevelled box with grain projected at kGrainRepeat. The bevel is held to a fifth of
// the box's shortest side: from a quarter on, the kit's chamfers meet and fold over each other.
void AddChamferedBox(Mesh& mesh, Vec3 min, Vec3 max, float bevel, uint32_t material);

// ---- Shapes -------------------------------------------------------------------------------

// Which big faces of a panel wear the picture.
enum class PictureFaces { Front, FrontAndBack };

// A box whose front face (towards -z) wears the whole of `picture`'s texture, upright as seen
// from the front; with FrontAndBack the back face wears it too, upright as seen from behind. The
// other faces wear `sides` with grain at kGrainRepeat.
void AddPictureBox(Mesh& mesh, Vec3 min, Vec3 max, uint32_t sides, uint32_t picture,
                   PictureFaces faces);

// A flat ring facing -z around `centre` from `innerRadius` (0 for a full disc) to `radius`,
// wearing the circle inscribed in its texture: the picture's rim at `radius`, upright.
void AddRoundPicture(Mesh& mesh, Vec3 centre, float innerRadius, float radius, int segments,
                     uint32_t material);

// A surface of revolution around the y axis through the (radius, y) points of `profile`, in the
// order the surface runs, with the rings of SmoothLatheRings: bottom to top on the outside of a
// bowl and top to bottom on its inside. The texture wraps once around (u) and runs down the
// profile by its length (v 0 at the last point, 1 at the first). Ring points are placed in double
// precision, unlike fittings::AddSmoothLathe, so swapping one for the other moves vertices.
void AddTurned(Mesh& mesh, std::span<const Vec2> profile, int segments, uint32_t material);

// A round rod of `radius` from `from` to `to`, with flat ends.
void AddRod(Mesh& mesh, Vec3 from, Vec3 to, float radius, int segments, uint32_t material);

// A tube of `radius` swept along the polyline `path` (at least two points, no turn sharper than
// a right angle), with flat ends.
void AddTube(Mesh& mesh, std::span<const Vec3> path, float radius, int segments, uint32_t material);

// A part built along +y turned so that +y points along -z: knobs, keys and dials that stand out
// from a door or a wall towards the viewer.
Transform TowardsFront();

}  // namespace furniture
