#pragma once
#include <string_view>

#include "Image.h"

// The aiming reticle drawn at the screen centre while the player aims: a white ring and a cross
// with a gap in the middle, 32 x 32, transparent elsewhere, edges anti-aliased.
Image SightReticle();

// The picture of the image row `name`, for every PNG and BMP row but the font atlas and the
// reticle: square, a power of two on a side, the same pixels on every run. The PNG rows are
// cut-outs whose alpha is 0 around the shape. Throws std::runtime_error for any other name.
Image TextureImage(std::string_view name);
