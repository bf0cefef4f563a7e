#pragma once
#include "scene/Scene.h"

namespace Ev {

// The night outside the inn: the crickets' loop, started unless it still plays from the field
// before, so that it runs on without a break between the square and the path.
class Crickets : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
};

class SotoEvent final : public Crickets {
  public:
    const char16_t* Name() const override { return u"SotoEvent"; }
};

// Also counts the builds of the path since the square: walking back down it five times in a row
// is rewarded.
class SandouEvent final : public Crickets {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    const char16_t* Name() const override { return u"SandouEvent"; }
};

}  // namespace Ev
