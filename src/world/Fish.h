#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include <glm/vec3.hpp>

#include "world/CObjMesh.h"
#include "world/Motion.h"

class MyLibrary;

// The ghost's body: a fish-headed figure of ten meshes chained parent to child and posed by
// keyframed motions, with a chain of five beads hanging from its head that counts its remaining
// hit points. The owner places `root` (position and yaw), picks the motion (`MotType`, `frame`)
// and calls Update once a frame; then every part's `world` shows the pose. Parts point at each
// other's matrices, so a fish never moves in memory.
class Fish {
  public:
    // The motions of `motions`, by index.
    enum : int32_t {
        kMotionIdle = 0,
        kMotionWalk = 1,
        kMotionAttack = 2,
        kMotionCatch = 3,
    };
    static constexpr int32_t kBeads = 5;

    Fish();
    Fish(const Fish&) = delete;
    Fish& operator=(const Fish&) = delete;
    virtual ~Fish() = default;

    // Once a frame: shows the first `beadCount` beads (none while `hidden`), poses the rig at the
    // clock's time and steps the clock, then rebuilds every part's world in parent-first order.
    // The clock runs even while hidden.
    void Update(MyLibrary& library);
    // Poses the rig from `motion` at time `t` (frames); each track wraps at its own last key.
    void ApplyMotion(const Motion& motion, int32_t t);
    // Unless `hidden`, every part that is not hidden, in order; in the shadow pass each is updated
    // first. Defined with the draw code.
    void DrawRig(MyLibrary& library, bool shadowPass);

    std::vector<Motion> motions;   // index = MotType; never changed after construction
    std::vector<CObjMesh*> parts;  // the fifteen below, in update order

    int32_t beadCount = kBeads;  // beads shown; below 0 shows none, above 5 all
    int32_t hidden = 0;          // non-zero: nothing is drawn and every bead is hidden
    int32_t Stop = 0;            // non-zero: the clock does not advance
    int32_t speed = 1;           // clock multiplier
    int32_t slow = 0;            // clock divisor; 0: not divided
    int32_t MotType = kMotionIdle;
    int32_t frame = 0;  // animation clock, frames

    // Parts, in update order (a parent before its children); positions are relative to the parent.
    CObjMesh root;   // placed by the owner; the rig's unit is 0.08 world units
    CObjMesh body2;  // hips
    CObjMesh body;
    CObjMesh head;
    CObjMesh L_nino;  // upper arms
    CObjMesh R_nino;
    CObjMesh L_hand;
    CObjMesh R_hand;
    CObjMesh L_asi;  // legs
    CObjMesh R_asi;
    std::array<CObjMesh, kBeads> beads;  // bead 0 hangs from head, the others from bead 0

  private:
    // Once a frame while MotType names a motion: pose at the clock's time, then advance.
    void StepClock();
    void ShowBeads();

    std::array<glm::vec3*, 10> trackTargets_;  // what each motion track animates
};
