#pragma once
#include <cstdint>
#include <memory>

#include "scene/Scene.h"

// The title screen, the first field of every run.
std::unique_ptr<Scene> MakeTitle();

// The field of a saved field number (the player's `currentField`), not yet entered; null for a
// number no field has.
std::unique_ptr<Scene> MakeField(int32_t number);
