#pragma once
#include "scene/Scene.h"

namespace Fld {

// The opening's dark screen, between its views: no room, only the step of the opening that the
// story has reached (stage 0, 1 or 2) and the skip.
class Intro final : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    const char16_t* Name() const override { return u"Intro"; }
};

}  // namespace Fld
