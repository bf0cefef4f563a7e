#pragma once
// Where the furniture built from several rows fits together, and the sizes the events' placements
// rely on. The recipes of all the rows of a group take their shared measures from here, so that
// the parts meet; the level code places a part at the point given, in the frame of the first.
// World units, y up, fronts towards -z.
#include "Mesh.h"

namespace furniture {

// A swinging door leaf turns about a vertical hinge through its origin: the bottom left corner of
// its front face (seen from -z), the leaf lying behind it from z 0 to its thickness. A positive
// yaw opens it towards -z, clear of the jamb it is hung from. Its frame has its origin on the
// floor at the middle of the opening, in the middle of the wall; the shut leaf fills the opening
// with its origin at the frame's `hinge`, so both are placed with one matrix plus that offset.
struct HingedDoor {
    float width;  // the leaf, which is also the frame's opening
    float height;
    float thickness;
    Vec3 hinge;  // the leaf's origin in the frame's frame

    constexpr HingedDoor(float w, float h, float t)
        : width(w), height(h), thickness(t), hinge{-0.5f * w, 0, -0.5f * t} {}
};

// The bathroom door of the guest rooms: "bathdoor.x" in "bathdoorwaku.x".
inline constexpr HingedDoor kBathDoor{0.75f, 1.8f, 0.04f};

// The emergency exit: "exit_door.x" in "exit_door_waku.x". Its lever handle "exit_door_nobu.x"
// goes at kExitDoorHandle of the leaf: along it from the hinge, up, and on its middle plane.
inline constexpr HingedDoor kExitDoor{0.82f, 1.85f, 0.05f};
inline constexpr Vec3 kExitDoorHandle{0.72f, 0.9f, 0.5f * kExitDoor.thickness};

// Door hardware ("doornobu.x", "door_key.x", "exit_door_nobu.x") stands out from the faces of a
// leaf this thick (or thinner), its origin on the leaf's middle plane.
inline constexpr float kHardwareClearsLeaf = 0.05f;

// The safe "kinko.x" (width, height, depth; standing on the floor, front towards -z) and its
// door "kinko_door.x", which turns about a vertical hinge through its own origin (the door's
// bottom left corner, on its back face). The hinge lies at the body's front left edge, at this
// point of the body's frame; the door closes the body's front from there.
inline constexpr Vec3 kSafeSize{0.44f, 0.5f, 0.42f};
inline constexpr float kSafeDoorThickness = 0.05f;
inline constexpr Vec3 kSafeDoorHinge{-0.5f * kSafeSize.x, 0.02f, -0.5f * kSafeSize.z};

// The entrance "iriguti.x" holds two sliding leaves "irigutidoor.x" side by side in its opening,
// in two tracks; each leaf's origin is on the floor at its middle, and the leaves' origins go at
// kEntranceLeaves of the entrance's frame when shut. A leaf opens by sliding along x.
inline constexpr float kEntranceLeafWidth = 0.9f;
inline constexpr float kEntranceLeafHeight = 2.0f;
inline constexpr Vec3 kEntranceLeaves[] = {{-0.45f, 0, 0.025f}, {0.45f, 0, -0.025f}};

// The sliding paper door "husuma.x": its origin on the floor at its middle; the guest room's
// note panel slides 0.85 along x to open, a little less than this width.
inline constexpr float kHusumaWidth = 0.9f;
inline constexpr float kHusumaHeight = 1.8f;

// The fire shutter "bouka.x" closes the corridor kShutterWidth x kShutterHeight with its origin
// at the middle of its bottom edge, on its middle plane; the switch raises it by moving the mesh
// up (to y 3.0), so it needs no pivot.
inline constexpr float kShutterWidth = 2.0f;
inline constexpr float kShutterHeight = 2.4f;

// The wall clock "clock.x" hangs with its origin on the wall behind the centre of its dial; the
// hands turn about z through kClockDial, just in front of the dial's face.
inline constexpr Vec3 kClockDial{0, 0, -0.095f};

// The dartboard "dartsbord.x" hangs from a nail at its origin, on the wall; it swings about the
// nail and drops from it. Its face, of kDartboardRadius, is centred at kDartboardCentre.
inline constexpr float kDartboardRadius = 0.16f;
inline constexpr Vec3 kDartboardCentre{0, -0.2f, -0.035f};

}  // namespace furniture
