#pragma once
#include <array>
#include <cstdint>

#include "world/CObjMesh.h"
#include "world/Rig.h"

class MyLibrary;

// The ghost's body: a fish-headed figure of ten meshes chained parent to child and posed by
// keyframed motions, with a chain of five beads hanging from its head that counts its remaining
// hit points. The owner places `root` (position and yaw), picks the motion (`MotType`, `frame`)
// and calls Update once a frame; then every part's `world` shows the pose.
class Fish : public Rig {
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

    // Once a frame: shows the first `beadCount` beads (none while `hidden`), poses the rig at the
    // clock's time and steps the clock, then rebuilds every part's world in parent-first order.
    // The clock runs even while hidden.
    void Update(MyLibrary& library);
    // Unless `hidden`, every part that is not hidden, in order; in the shadow pass each is updated
    // first. Defined with the draw code.
    void DrawRig(MyLibrary& library, bool shadowPass);

    // Turns the head (up to 50 degrees) and then the body (up to 30 more) from the pose towards
    // `target`, scaled by `share` (0 none, 1 all the way); applied from the next Update on.
    void LookToward(const glm::vec3& target, float share);
    // Every part at this opacity (1 solid, 0 gone).
    void SetAlpha(float alpha);

    int32_t beadCount = kBeads;  // beads shown; below 0 shows none, above 5 all; none while hidden
    float headTurn = 0;          // degrees added to the head's and the body's yaw after the pose
    float bodyTurn = 0;

    // Parts, in update order (a parent before its children); positions are relative to the parent.
    // `parts` holds all fifteen: the ten meshes below, then the beads.
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
    void ShowBeads();
};
