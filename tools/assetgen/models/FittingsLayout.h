#pragma once
// Where the fittings built from two rows meet, and the sizes the events' placements rely on. The
// recipes of both rows take their shared measures from here, so that the parts fit; the level
// code places the second part at the point given, in the frame of the first.
#include "Mesh.h"

namespace fittings {

// The refrigerator "reizouko.x" (width, height, depth; standing on the floor, front towards -z)
// and its door "reizouko_door.x", which turns about a vertical hinge through its own origin. The
// hinge lies at the body's front left edge, at this point of the body's frame.
inline constexpr Vec3 kFridgeSize{0.42f, 0.62f, 0.4f};
inline constexpr Vec3 kFridgeDoorHinge{-0.5f * kFridgeSize.x, 0, -0.5f * kFridgeSize.z};

// The toilet "toile.x" and its lid "tcover.x", which turns about a horizontal hinge along x
// through its own origin: at this point of the toilet's frame, on top of the seat at its back.
inline constexpr Vec3 kToiletLidHinge{0, 0.28f, 0.105f};

// The room door. Its frame "wood_door_waku.x" is placed scaled by kDoorFrameScale; the leaf
// "wood_door.x" hangs in the frame's opening with its origin (the leaf's bottom left corner, on
// its middle plane) at x = -kDoorLeafWidth / 2 of the frame, and the knob at kDoorKnob of the
// leaf. Both are in the frame's units, before its scale: the leaf stands 2.0 x 0.9 = 1.8 high.
inline constexpr Vec3 kDoorFrameScale{0.8f, 0.9f, 1.0f};
inline constexpr float kDoorLeafWidth = 0.94f;
inline constexpr float kDoorLeafHeight = 2.0f;
inline constexpr Vec2 kDoorKnob{0.82f, 0.75f};

// The sky "sky.x" is placed at the origin scaled by kSkyScale; its dome must enclose the moon,
// a sphere of radius 1 at height 36.
inline constexpr float kSkyScale = 5;
inline constexpr float kSkyRadius = 8;

}  // namespace fittings
