#pragma once
#include <cstdint>

#include "world/CObjMesh.h"
#include "world/Flashlight.h"
#include "world/Rig.h"

class MyLibrary;

// The player's body: thirteen meshes chained parent to child and posed by keyframed motions, with
// a held prop and a flashlight in the left hand. The owner places `root` (position, rotation),
// picks the motion (`MotType`, `frame`) and calls Update once a frame; then every part's `world`
// shows the pose.
class gt_Model : public Rig {
  public:
    // The motions of `motions`, by index.
    enum : int32_t {
        kMotionRest = 0,
        kMotionIntroWalk = 1,
        kMotionWalk = 2,
        kMotionRaiseHand = 3,
        kMotionThrow = 4,
    };

    gt_Model();

    // Once a frame: steps the clock (posing the rig), holds the light arm while the flashlight is
    // shown, then rebuilds every part's world in parent-first order, the prop's while it is shown
    // and the flashlight's while it is shown (which also sets `spot` from it).
    void Update(MyLibrary& library);
    // Rebuilds the worlds of the prop and the flashlight (while shown) from the hand's.
    void UpdateHeld(MyLibrary& library);
    // Unless `hidden`: the flashlight while shown, the prop while shown and not hidden, then every
    // part that is not hidden, in order. In the shadow pass each mesh is updated first. Defined
    // with the draw code.
    void DrawRig(MyLibrary& library, bool shadowPass);

    // Parts, in update order (a parent before its children); positions are relative to the parent.
    CObjMesh root;   // placed by the owner; the rig's unit is a tenth of a world unit
    CObjMesh body2;  // hips
    CObjMesh body;
    CObjMesh neck;
    CObjMesh head;
    CObjMesh R_nino;  // upper arms
    CObjMesh L_nino;
    CObjMesh R_hand;
    CObjMesh L_hand;
    CObjMesh L_momo;  // thighs
    CObjMesh R_momo;
    CObjMesh L_asi;  // lower legs
    CObjMesh R_asi;
    // `parts` holds these thirteen, in this order; the prop and the flashlight are not parts.

    CObjMesh item;     // held prop (a bottle), hangs from L_hand
    Flashlight light;  // hangs from L_hand
    SpotLight spot;    // as the flashlight last set it; the owner passes it on while it is shown

    int32_t itemShown = 0;
    int32_t lightShown = 0;  // set by the owner every frame
    int32_t lightOn = 1;     // while shown, the flashlight aims `spot`

  private:
    // The flashlight arm's pose, over the motion's, while the flashlight is shown.
    void HoldLightArm();
};
