#pragma once
#include <string_view>

#include "Image.h"

// The aiming reticle drawn at the screen centre while the player aims: a white ring and a cross
// with a gap in the middle, 32 x 32, transparent elsewhere, edges anti-aliased.
Image SightReticle();

// A 32 x 32 checker of two shades of one colour derived from `name`, standing in for a texture
// until its own recipe is written. Different names give different colours.
Image PlaceholderTexture(std::string_view name);
