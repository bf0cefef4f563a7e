#pragma once
#include <string_view>

#include "Mesh.h"

// The model of catalogue row `name` (a ".x" row). The primitives "box.x", "cone.x", "cube.x",
// "cylin.x", "line.x" and "sphere.x" are final; every other model is a white unit box standing in
// until its own recipe is written.
Mesh BuildModel(std::string_view name);
