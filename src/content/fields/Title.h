#pragma once
#include "scene/Scene.h"

namespace Fld {

// The title screen, the first field of every run.
class Title : public Scene {
  public:
    const char16_t* Name() const override { return u"Title"; }
};

}  // namespace Fld
