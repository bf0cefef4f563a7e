#pragma once
#include "scene/Scene.h"

namespace Fld {

// The guest floor: the upper flight from the lobby, the long corridor of guest rooms with its
// doors, the lounge nook and the toilets' alcove. Its camera follows the part of the floor the
// player is in: along the corridors, from the corner of the passage, from the top of the
// stairwell, from across the alcove.
class F3 : public Scene {
  public:
    const char16_t* Name() const override { return u"F3"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

}  // namespace Fld
