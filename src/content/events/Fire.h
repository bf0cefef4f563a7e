#pragma once
#include <cstdint>

#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjParticl.h"
#include "world/CObjSound.h"

namespace Fld {

// The fire in room 201. It burns at the back of the room and crackles until it is put out with the
// extinguisher from the corridor: the player is held facing it while the water hisses and the
// flames shrink over 200 frames; the extinguisher is used up, and the fire is out for good.
class Fire final : public Scene {
  public:
    Fire();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"Fire"; }

    CObjMesh base;        // the burning spot, solid; placed and sized by the field
    CObjMesh trigger;     // the reach round it
    CObjMesh nozzle;      // the extinguisher in the player's hands while it sprays
    CObjParticl flames;   // tall
    CObjParticl embers;   // low and wide
    int32_t counter = 0;  // frames of spraying

  private:
    void Spray();
    void PutOut();

    TextBox tooHot_;
    TextBox pinPulled_;
    CObjSound crackle_;
    CObjSound water_;
    bool spraying_ = false;
};

}  // namespace Fld
