#pragma once
#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"

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

// The square's notice board, with cuttings about the inn pinned to it. Read once the night has
// turned (from stage 19), it tells what the guest has walked into (stage 20).
class Case final : public Scene {
  public:
    Case();
    void Update() override;
    const char16_t* Name() const override { return u"Case"; }

    CObjMesh trigger;  // before the board; placed and sized by the field

  private:
    TextBox cuttings_;
};

}  // namespace Ev
