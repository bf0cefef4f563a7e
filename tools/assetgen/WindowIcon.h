#pragma once
#include <string>

#include "Image.h"

// The game's icon: a red paper lantern glowing under a crescent moon on a rounded square of
// night sky, 64 x 64, transparent outside the square. The window shows it; a desktop
// integration would install the same picture.
Image WindowIconImage();

// C++ source that defines WindowIcon() (app/WindowIcon.h) with the picture's pixels, so the game
// carries its icon without a file.
std::string WindowIconSource(const Image& icon);
