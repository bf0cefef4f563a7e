#pragma once
#include "content/fields/FieldId.h"

class Scene;

namespace content {

// The field's ghost, if the field holds one at the player's progress: writes where and how the
// ghost starts (hit points, place, facing, variant and, in some rooms, its state) into the
// player's record and adds the `Enemy` to the field's children.
void PlaceEnemy(Scene& field, FieldId id);

}  // namespace content
