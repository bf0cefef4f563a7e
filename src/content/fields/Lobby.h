#pragma once
#include "scene/Scene.h"

class CObjMesh;

namespace Fld {

// The lobby: the entrance, the reception hall, the corridor north to the dining room and the
// baths, and the stair hall up to the guest floor. Its camera follows rules by where the player
// is: in the hall it follows a few steps off, the corridor is seen along its length from behind,
// the stair hall from across the corridor.
class Lobby : public Scene {
  public:
    const char16_t* Name() const override { return u"Lobby"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;

  private:
    CObjMesh* stairZone_ = nullptr;  // the stair hall and its gallery
};

}  // namespace Fld
