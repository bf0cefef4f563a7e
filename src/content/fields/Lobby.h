#pragma once
#include "scene/Scene.h"

class CObjMesh;

namespace Fld {

// The lobby: the entrance, the reception hall, the corridor north to the dining room and the
// baths, and the stair hall up to the guest floor. Its camera follows rules by where the player
// is: the hall's centre watches the player, a corner takes the far side of the hall, the corridor
// is seen along its length, the stair hall from across the corridor.
class Lobby : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;

  private:
    CObjMesh* hallZone_ = nullptr;   // the far side of the hall
    CObjMesh* stairZone_ = nullptr;  // the stair hall and its gallery
};

}  // namespace Fld
