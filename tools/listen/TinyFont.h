#pragma once
#include <string_view>

#include "Canvas.h"

// A 3 x 5 pixel font for captions: digits, the letters A to Z (lower case is drawn as upper case),
// and ". : - _ /"; any other character is drawn as a space.
namespace tinyfont {

inline constexpr int kGlyphHeight = 5;  // pixels at scale 1
inline constexpr int kAdvance = 4;      // pixels from one character to the next at scale 1

// Draws `text` with its top left corner at (x, y), every font pixel a `scale` x `scale` square.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb colour);

}  // namespace tinyfont
