#pragma once
#include "scene/Scene.h"

namespace Fld {

// The lobby's toilet.
class LobbyRestRoom : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The staff room behind the reception.
class Staff_Room : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The dining room off the lobby's corridor.
class Dining_Room : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

}  // namespace Fld
