#pragma once
// The plan of a room: the boxes and stairs its shell model is made of. The asset generator draws
// a plan into the room's shell, and the field builds the plan's invisible walls, floors and ramps
// from the same rows, so that a wall and its collider cannot drift apart.
//
// World units in the field's own frame (the shell is placed at the origin), y up; the player's
// sphere has radius 0.35, so a floor whose top is at y stands a spawn point at y + 0.35.
#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>

namespace level {

struct Point {
    float x, y, z;
};

// What a surface is made of; the generator picks the texture and tint.
enum class Finish : uint8_t {
    Plaster,   // pale walls
    Panel,     // dark wooden wainscot and beams
    Wood,      // polished boards
    Tatami,    // mats of the guest rooms
    Carpet,    // the lobby's runner
    Tile,      // washroom floors
    BathTile,  // the baths' floor tiles
    BathWall,  // the baths' glazed white wall tiles
    Marble,    // the bath tub's rim
    Water,     // the tub's hot water
    Lockers,   // the changing rooms' walls of lockers
    NorenM,    // the curtain over the men's doorways: its print spans the block once
    NorenW,    // the women's
    Stone,     // outdoor paving, the roof
    Sand,      // the square and the path
    Grass,
    Bark,  // tree trunks
    Leaves,
    Concrete,  // stairwells and service rooms
    Ceiling,   // boarded ceilings
    Night,     // black: beyond the windows
};

// An axis-aligned box of the shell between two corners (min < max on every axis).
struct Block {
    Point min, max;
    Finish finish;
    bool solid = true;  // false: only seen (ceilings, lintels, beams above the head)
};

// Which way a flight of stairs climbs on the ground plan.
enum class Rise : uint8_t { North, South, East, West };  // towards +z, −z, +x, −x

// A flight of stairs filling the ground-plan rectangle of `min`..`max`, climbing from the floor at
// min.y (its foot) to the floor at max.y (its head) in `rise` direction.
struct Stair {
    Point min, max;
    Rise rise;
    int steps;
    Finish finish;
};

struct RoomPlan {
    std::string_view shell;  // catalogue name of the shell model
    std::span<const Block> blocks;
    std::span<const Stair> stairs = {};
};

// Shorthands for the rows of a plan. Walls are 0.2 thick, centred on their line.
inline constexpr float kWallThickness = 0.2f;
inline constexpr float kSlabThickness = 0.2f;

// A floor whose top is at `y` over the rectangle x0..x1, z0..z1.
constexpr Block Floor(float x0, float z0, float x1, float z1, float y, Finish finish) {
    return {{x0, y - kSlabThickness, z0}, {x1, y, z1}, finish};
}
// A ceiling whose underside is at `y`; seen, never touched.
constexpr Block Ceiling(float x0, float z0, float x1, float z1, float y, Finish finish) {
    return {{x0, y, z0}, {x1, y + kSlabThickness, z1}, finish, false};
}
// A wall along x at z, from x0 to x1, from `bottom` up to `top`.
constexpr Block WallX(float z, float x0, float x1, float bottom, float top, Finish finish) {
    return {{x0, bottom, z - kWallThickness / 2}, {x1, top, z + kWallThickness / 2}, finish};
}
// A wall along z at x, from z0 to z1.
constexpr Block WallZ(float x, float z0, float z1, float bottom, float top, Finish finish) {
    return {{x - kWallThickness / 2, bottom, z0}, {x + kWallThickness / 2, top, z1}, finish};
}
// The wall above a doorway along x (from the door's top to the ceiling): seen only.
constexpr Block LintelX(float z, float x0, float x1, float bottom, float top, Finish finish) {
    Block lintel = WallX(z, x0, x1, bottom, top, finish);
    lintel.solid = false;
    return lintel;
}
constexpr Block LintelZ(float x, float z0, float z1, float bottom, float top, Finish finish) {
    Block lintel = WallZ(x, z0, z1, bottom, top, finish);
    lintel.solid = false;
    return lintel;
}

// The slope a flight of stairs is walked on: a box whose top face runs from the foot's floor to
// the head's, reaching `kRampFootReach` further down under the foot's floor so that the player
// steps onto it without meeting its end. Placement as a mesh takes it: centre, full size, and
// pitch and yaw in degrees (the game's convention: positive pitch tips +z down).
struct RampPlacement {
    Point centre;
    Point size;
    float pitch;
    float yaw;
};

inline constexpr float kRampThickness = 0.6f;
inline constexpr float kRampFootReach = 0.6f;

inline RampPlacement RampOf(const Stair& stair) {
    const bool alongZ = stair.rise == Rise::North || stair.rise == Rise::South;
    const float run = alongZ ? stair.max.z - stair.min.z : stair.max.x - stair.min.x;
    const float width = alongZ ? stair.max.x - stair.min.x : stair.max.z - stair.min.z;
    const float height = stair.max.y - stair.min.y;
    const float slope = std::atan2(height, run);
    const float length = std::hypot(run, height) + kRampFootReach;
    // Along the rise: the top line's middle, moved back by half the reach (it extends the foot),
    // then down the slope's normal by half the thickness.
    const float along = run / 2 - kRampFootReach / 2 * std::cos(slope);
    const float up = height / 2 - kRampFootReach / 2 * std::sin(slope);
    const float intoAlong = kRampThickness / 2 * std::sin(slope);
    const float intoUp = kRampThickness / 2 * std::cos(slope);
    const float offset = along + intoAlong;  // from the foot's edge
    const float y = stair.min.y + up - intoUp;
    Point centre{(stair.min.x + stair.max.x) / 2, y, (stair.min.z + stair.max.z) / 2};
    float yaw = 0;
    switch (stair.rise) {
        case Rise::North:
            centre.z = stair.min.z + offset;
            yaw = 0;
            break;
        case Rise::South:
            centre.z = stair.max.z - offset;
            yaw = 180;
            break;
        case Rise::East:
            centre.x = stair.min.x + offset;
            yaw = 90;
            break;
        case Rise::West:
            centre.x = stair.max.x - offset;
            yaw = -90;
            break;
    }
    constexpr float kDegreesPerRadian = 57.29578f;
    return {centre, {width, kRampThickness, length}, -slope * kDegreesPerRadian, yaw};
}

}  // namespace level
