#pragma once
#include <cstdint>

#include "collision/CollObj.h"

// Pair tests between collision shapes. A test reads both shapes through their accessors and, when
// it resolves contact, writes into each shape's `push` the displacement that moves that shape out
// of the other one (the second push is always the exact negation of the first). Tests allocate
// nothing and keep no state between calls.
class BaseColl {
  public:
    BaseColl() = default;
    BaseColl(const BaseColl&) = delete;
    BaseColl& operator=(const BaseColl&) = delete;
    virtual ~BaseColl() = default;

    // Non-zero for contact. This default serves every pair that never touches: both pushes zero.
    virtual uint32_t Test(CollObj& first, CollObj& second);
};

// Two spheres. Touching spheres (distance equal to the radii's sum) are apart; concentric ones
// touch with zero pushes.
class SvsS final : public BaseColl {
  public:
    uint32_t Test(CollObj& first, CollObj& second) override;
};

// Sphere and plane: a sphere anywhere behind the plane touches it and is pushed back to its front.
class SvsP final : public BaseColl {
  public:
    uint32_t Test(CollObj& sphere, CollObj& plane) override;
};

// Sphere and box, deciding on the box's three axes only: the sphere counts as a cube of half size
// `radius` aligned with the box, so near a corner it touches earlier than the true shapes would.
// The push is along the box axis of least overlap.
class SvsOBB final : public BaseColl {
  public:
    uint32_t Test(CollObj& sphere, CollObj& box) override;
};

// Box and plane; a box resting exactly on the plane is not in contact.
class OBBvsP final : public BaseColl {
  public:
    uint32_t Test(CollObj& box, CollObj& plane) override;
};

// Two boxes by separating axes (three face axes of each, nine edge cross products). The push is
// 1.01 times the least positive overlap so that the boxes end slightly apart; when no overlap
// qualifies (all of 50 units or more, or none positive) the boxes touch with zero pushes.
class OBBvsOBB final : public BaseColl {
  public:
    uint32_t Test(CollObj& first, CollObj& second) override;
};

// Capsule and sphere, contact only: pushes are left as they were. A zero-length capsule never
// touches.
class SegvsS final : public BaseColl {
  public:
    uint32_t Test(CollObj& segment, CollObj& sphere) override;
};

// Capsule and box, contact only (pushes left as they were): the segment against the box grown on
// every side by the capsule's radius.
class SegvsOBB final : public BaseColl {
  public:
    uint32_t Test(CollObj& segment, CollObj& box) override;
};

// The reverse order of a forward test: the same result, and each shape still ends with the push
// that moves it out of the other.
template <class Forward>
class Mirrored final : public BaseColl {
  public:
    uint32_t Test(CollObj& first, CollObj& second) override { return forward_.Test(second, first); }

  private:
    Forward forward_;
};

using OBBvsS = Mirrored<SvsOBB>;
using PvsS = Mirrored<SvsP>;
using PvsOBB = Mirrored<OBBvsP>;
using SvsSeg = Mirrored<SegvsS>;
using OBBvsSeg = Mirrored<SegvsOBB>;
