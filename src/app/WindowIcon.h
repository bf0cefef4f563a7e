#pragma once
#include "platform/gfx/Device.h"

// The window's icon, drawn by the asset tools and compiled into the game
// (generated/WindowIcon.cpp): nothing but data.dat, the settings and the saves is read from files.
gfx::Image WindowIcon();
