#pragma once
#include "scene/Scene.h"

namespace Fld {

// Where a caught player ends up: the death is counted and the game goes back to the title. The
// scare, the retry and its menu come with the title screen's flow.
class Gameover final : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"Gameover"; }
};

}  // namespace Fld
