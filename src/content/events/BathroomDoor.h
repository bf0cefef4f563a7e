#pragma once
// The bathroom door of a room: a leaf on its hinge that stands shut. Once, in the guest room
// after the medicine has been taken, it swings open by itself as the player comes near, hangs
// open on the dark bathroom and slams shut; from then on the bathroom can be entered.
#include <cstdint>

#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/KeyCurve.h"

namespace Ev {

// The story stage at which the door opens by itself, and the one its scene moves the story to.
inline constexpr int32_t kBathroomDoorScareStage = 4, kBathroomReachableStage = 5;

class bathdoor final : public Scene {
  public:
    bathdoor();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"bathdoor"; }

    CObjMesh leaf;   // placed by the field, on its hinge
    CObjMesh reach;  // where the player's coming near sets it off, in front of the door

  private:
    static constexpr int32_t kIdle = -1;

    KeyCurve swing_;
    CObjSound openSound_;
    CObjSound closeSound_;
    float shutYaw_ = 0;
    int32_t frame_ = kIdle;
};

}  // namespace Ev
