#pragma once
#include <cstdint>

#include "content/events/MenuRows.h"
#include "scene/Scene.h"
#include "world/CObjFVF.h"
#include "world/CObjSound.h"
#include "world/CObjText.h"
#include "world/KeyCurve.h"

namespace Ev {

// The game-over screen: the death is counted, the ghost's face flashes out of the dark, and then
// a menu offers to try again from the room's retry point or to go back to the title.
class Ev_GameOver final : public Scene {
  public:
    Ev_GameOver();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"Ev_GameOver"; }

    enum class Phase : int32_t { Scare, Menu };
    Phase Current() const { return phase_; }
    int32_t Choice() const { return entries_.chosen; }  // 0: try again, 1: the title

  private:
    void Scare();
    void Choose();
    void Retry();

    CObjFVF darkness_;  // over the whole world behind
    CObjFVF face_;
    CObjFVF highlight_;
    CObjText retry_;
    CObjText title_;
    MenuRows entries_;
    CObjSound sting_;
    CObjSound drone_;
    KeyCurve blink_;
    Phase phase_ = Phase::Scare;
    int32_t clock_ = 0;
};

}  // namespace Ev

namespace Fld {

// Where a caught player ends up; its one event runs the screen.
class Gameover final : public Scene {
  public:
    Gameover();
    const char16_t* Name() const override { return u"Gameover"; }
};

}  // namespace Fld
