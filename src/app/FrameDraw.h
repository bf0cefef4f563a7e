#pragma once
#include "scene/Scene.h"

// The whole frame's picture of the entered field `field`: shadow map, mirror, the scene with its
// glow, the screen passes onto the back buffer, the overlay and the fade.
void DrawFrame(Scene& field);
