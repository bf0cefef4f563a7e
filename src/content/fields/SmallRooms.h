#pragma once
#include "scene/Scene.h"

namespace Fld {

// The lobby's toilet.
class LobbyRestRoom : public Scene {
  public:
    const char16_t* Name() const override { return u"LobbyRestRoom"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The staff room behind the reception.
class Staff_Room : public Scene {
  public:
    const char16_t* Name() const override { return u"Staff_Room"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The dining room off the lobby's corridor.
class Dining_Room : public Scene {
  public:
    const char16_t* Name() const override { return u"Dining_Room"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

}  // namespace Fld
