#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include <glm/vec3.hpp>

#include "world/CObjMesh.h"
#include "world/Flashlight.h"
#include "world/Motion.h"

class MyLibrary;

// The player's body: thirteen meshes chained parent to child and posed by keyframed motions, with
// a held prop and a flashlight in the left hand. The owner places `root` (position, rotation),
// picks the motion (`MotType`, `frame`) and calls Update once a frame; then every part's `world`
// shows the pose. Parts point at each other's matrices, so a model never moves in memory.
class gt_Model {
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
    gt_Model(const gt_Model&) = delete;
    gt_Model& operator=(const gt_Model&) = delete;
    virtual ~gt_Model() = default;

    // Once a frame: steps the clock (posing the rig), holds the light arm while the flashlight is
    // shown, then rebuilds every part's world in parent-first order, the prop's while it is shown
    // and the flashlight's while it is shown (which also sets `spot` from it).
    void Update(MyLibrary& library);
    // Poses the rig from `motion` at time `t` (frames); each track wraps at its own last key.
    void ApplyMotion(const Motion& motion, int32_t t);
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

    std::vector<CObjMesh*> parts;  // the thirteen above, in update order
    std::vector<Motion> motions;   // index = MotType; never changed after construction

    CObjMesh item;     // held prop (a bottle), hangs from L_hand
    Flashlight light;  // hangs from L_hand
    SpotLight spot;    // as the flashlight last set it; the owner passes it on while it is shown

    int32_t itemShown = 0;
    int32_t lightShown = 0;  // set by the owner every frame
    int32_t lightOn = 1;     // while shown, the flashlight aims `spot`
    int32_t hidden = 0;      // non-zero: nothing is drawn; the clock still runs
    int32_t Stop = 0;        // non-zero: the clock does not advance
    int32_t frame = 0;       // animation clock, frames
    int32_t MotType = kMotionRest;
    int32_t speed = 1;  // clock multiplier
    int32_t slow = 0;   // clock divisor; 0: not divided

  private:
    // Once a frame while MotType names a motion: pose at the clock's time, then advance.
    void StepClock();
    // The flashlight arm's pose, over the motion's, while the flashlight is shown.
    void HoldLightArm();

    std::array<glm::vec3*, 12> trackTargets_;  // what each motion track animates
};
