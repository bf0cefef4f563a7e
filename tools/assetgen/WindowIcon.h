#pragma once
#include <string>

#include "Image.h"

// The game's icon: a red paper lantern glowing under a crescent moon on a rounded square of
// night sky, side x side pixels (64 in the window), transparent outside the square. The window
// shows it; the desktop's menus show the same picture drawn at each of their icon sizes.
Image WindowIconImage(int side = 64);

// C++ source that defines WindowIcon() (app/WindowIcon.h) with the picture's pixels, so the game
// carries its icon without a file.
std::string WindowIconSource(const Image& icon);
