#pragma once
// Materials and shapes shared by the furniture recipes, on top of the mesh kit in Mesh.h.
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "Mesh.h"

namespace furniture {

// ---- Materials ----------------------------------------------------------------------------
//
// The game draws a whole model with the shader pass of its last material, so a furniture model
// never mixes textured and untextured materials: plain colours wear "white.bmp" under their face
// colour.

// The catalogue texture `texture` under the face colour 0xRRGGBB.
Material Textured(std::string_view texture, uint32_t tint = 0xFFFFFF);
// A plain colour 0xRRGGBB.
Material Plain(uint32_t rgb);
// `material` with a grey highlight of `level` (0..1) at exponent `power`.
Material Shiny(Material material, float power, float level);
// `material` giving light of its own, of the colour 0xRRGGBB whatever its texture.
Material Glowing(Material material, uint32_t glow);

// Wood grain repeats every this many world units on every wooden part, whatever its size.
inline constexpr float kGrainRepeat = 0.6f;

// ---- Building -----------------------------------------------------------------------------

// The number of vertices so far: where the next part's vertices start.
uint32_t NextVertex(const Mesh& mesh);

// Builds a part at the origin with `build` and appends it to `into` placed by `placement`; the
// part uses the material numbers of `into`.
void Place(Mesh& into, const Transform& placement, const std::function<void(Mesh&)>& build);

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

// A surface of revolution around the y axis through the (radius, y) points of `profile` (no two
// in a row alike), in the order the surface runs; its front is on the right of that direction, so
// bottom to top on the outside of a bowl and top to bottom on its inside. Normals are smooth across
// the profile except at corners sharper than 45 degrees. The texture wraps once around (u) and runs
// down the profile by its length (v 0 at the last point, 1 at the first).
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
