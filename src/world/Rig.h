#pragma once
#include <cstdint>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include <glm/vec3.hpp>

#include "world/CObjMesh.h"
#include "world/Motion.h"

class MyLibrary;

// Where one part of a `Body` hangs: the catalogue row of its model, its parent and its place in
// the parent's space (rig units).
template <typename Body>
struct PartPlacement {
    CObjMesh Body::*part;
    int32_t model;
    CObjMesh Body::*parent;  // null: placed by the owner
    Xyz position;
};

// What the articulated bodies share: their parts in update order, their motions and the clock
// that poses the parts from them. A body hangs its parts in its constructor (parts point at each
// other's matrices, so a body never moves in memory), names the joint values its motion tracks
// animate, and each frame steps the clock and updates the parts.
class Rig {
  public:
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;
    virtual ~Rig() = default;

    // Poses the rig from `motion` at time `t` (frames); each track wraps at its own last key.
    void ApplyMotion(const Motion& motion, int32_t t);

    std::vector<Motion> motions;   // index = MotType; never changed after construction
    std::vector<CObjMesh*> parts;  // every part, in update order (a parent before its children)

    int32_t hidden = 0;   // non-zero: nothing is drawn; the clock still runs
    int32_t Stop = 0;     // non-zero: the clock does not advance
    int32_t frame = 0;    // animation clock, frames
    int32_t MotType = 0;  // index into `motions`; outside it the rig is not posed, the clock stands
    int32_t speed = 1;    // clock multiplier
    int32_t slow = 0;     // clock divisor; 0: not divided

  protected:
    // Which value must pass the motion's last key for the clock to wrap to 0.
    enum class ClockWrap {
        RawClock,     // `frame` itself
        SampledTime,  // the time the rig was just posed at
    };

    explicit Rig(std::vector<Motion> bodyMotions) : motions(std::move(bodyMotions)) {}

    // Hangs every placed part of `body` (this rig) in table order and appends it to `parts`.
    template <typename Body>
    void HangParts(Body& body,
                   std::type_identity_t<std::span<const PartPlacement<Body>>> placements) {
        for (const PartPlacement<Body>& placement : placements) {
            const CObjMesh* parent =
                placement.parent == nullptr ? nullptr : &(body.*placement.parent);
            Hang(body.*placement.part, placement.model, parent, placement.position);
        }
    }
    // `targets[i]` receives motion track i; they must live as long as the rig.
    void SetTrackTargets(std::vector<glm::vec3*> targets) { trackTargets_ = std::move(targets); }

    // Once a frame while MotType names a motion: pose at the clock's time, wrap the clock once
    // `wrap`'s value has passed the motion's last key, then advance it unless stopped.
    void StepClock(ClockWrap wrap);
    // Rebuilds every part's world in update order, hidden parts too (a hidden root still carries
    // the others).
    void UpdateParts(MyLibrary& library);
    // Every part that is not hidden, in order; in the shadow pass each is updated first. Defined
    // with the draw code.
    void DrawParts(MyLibrary& library, bool shadowPass);

  private:
    void Hang(CObjMesh& part, int32_t model, const CObjMesh* parent, Xyz position);

    std::vector<glm::vec3*> trackTargets_;  // what each motion track animates
};
