#pragma once
// Materials shared by every family of model recipes, on top of the mesh kit in Mesh.h.
//
// The game draws a whole model with the shader pass of its last material, so a model never mixes
// textured and untextured materials: plain colours wear "white.bmp" under their face colour.
#include <cstdint>
#include <string_view>

#include "Mesh.h"

// The catalogue texture `texture` under the face colour 0xRRGGBB with opacity `alpha` (0..1).
Material Textured(std::string_view texture, uint32_t tint = 0xFFFFFF, float alpha = 1);
// A plain colour 0xRRGGBB with opacity `alpha`.
Material Plain(uint32_t rgb, float alpha = 1);
// `material` with a grey highlight of `level` (0..1) at exponent `power`.
Material Shiny(Material material, float power, float level);
// `material` giving light of its own, `level` times its face colour.
Material Glowing(Material material, float level);
// `material` giving light of its own of the colour 0xRRGGBB, whatever its texture.
Material GlowingWith(Material material, uint32_t glow);
