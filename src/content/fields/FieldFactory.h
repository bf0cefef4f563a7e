#pragma once
#include <cstdint>
#include <memory>

#include "scene/Scene.h"

// The field of a saved field number (the player's `currentField`), not yet entered; null for a
// number no field has.
std::unique_ptr<Scene> MakeField(int32_t number);
