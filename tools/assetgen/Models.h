#pragma once
#include <string_view>

#include "Mesh.h"

// The model of catalogue row `name` (a ".x" row), from the recipe tables under models/. A row
// whose recipe is not written yet stands in as the unit cube.
Mesh BuildModel(std::string_view name);
