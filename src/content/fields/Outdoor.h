#pragma once
#include "scene/Scene.h"

namespace Fld {

// The square before the inn at night: the path from the wood comes in at its south end, the
// inn's lit entrance stands at its north end. The camera follows the player from the south, so
// the inn is always in view ahead.
class Soto : public Scene {
  public:
    const char16_t* Name() const override { return u"Soto"; }
    void Init(Personal* player, MyLibrary* library) override;
};

// The square's night as it stands, with nothing to touch: the sky and the moon, the ground and
// the wood, the inn's front with its lit windows, entrance and lanterns, and the moonlight.
void PlaceSquareAtNight(Scene& field);

// The approach path through the cedars, walked endlessly south; north it opens onto the square.
// The camera follows from the south, facing the way back to the square.
class Sandou : public Scene {
  public:
    const char16_t* Name() const override { return u"Sandou"; }
    void Init(Personal* player, MyLibrary* library) override;
};

}  // namespace Fld
