#pragma once
// The guest floor (field 15) and the rooms off it: the public toilets (13, 14), the stair hall up
// to the roof (16) and the roof (17).
#include <array>

#include "levels/RoomPlan.h"

namespace level {

// The guest floor: the upper flight from the lobby's half-landing (floor 0) climbs south in its
// stairwell to a landing at the corridor's height; a short passage (closed by the fire shutter
// until the story opens it) leads west into the long corridor, which runs north past rooms 201
// and 202 and the roof door, then turns west past room 203 and the guest room to the toilets'
// alcove. A lounge nook with the vending machines lies east of the corner.
inline constexpr float kF3Floor = 2.2f;
inline constexpr float kF3Ceiling = kF3Floor + 2.6f;
inline constexpr float kF3Under = kF3Floor - kSlabThickness;  // walls start under the boards
inline constexpr float kF3DownFlight = -1.4f;  // the bottom of the flight back down to the lobby
inline constexpr float kF3ShutterTop = kF3Floor + 2.4f;

inline constexpr Block kF3Blocks[] = {
    // Floors: boards in the stairwell and the passage, the runner in the corridors.
    Floor(6.8f, 4.4f, 9.6f, 8.9f, 0, Finish::Wood),
    Floor(2.9f, -1.2f, 9.6f, 0.8f, kF3Floor, Finish::Wood),
    Floor(-0.2f, -1.2f, 2.9f, 29.4f, kF3Floor, Finish::Carpet),
    Floor(-22.4f, 29.4f, 5.0f, 32.8f, kF3Floor, Finish::Carpet),
    Floor(-22.4f, 23.6f, -17.6f, 29.4f, kF3Floor, Finish::Wood),
    // The stairwell: the way down to the lobby dark beyond the flight's foot.
    WallZ(6.7f, 0.8f, 11.1f, kF3DownFlight, kF3Ceiling, Finish::Plaster),
    WallZ(9.7f, -1.3f, 11.1f, kF3DownFlight, kF3Ceiling, Finish::Plaster),
    WallX(11.1f, 6.6f, 9.8f, kF3DownFlight, 1.6f, Finish::Night),
    LintelX(11.1f, 6.6f, 9.8f, 1.6f, kF3Ceiling, Finish::Plaster),
    // The passage to the corridor, the shutter's lintel over its mouth.
    WallX(-1.3f, -0.4f, 9.8f, kF3Under, kF3Ceiling, Finish::Plaster),
    WallX(0.9f, 3.0f, 6.8f, kF3Under, kF3Ceiling, Finish::Plaster),
    LintelZ(3.0f, -1.2f, 0.8f, kF3ShutterTop, kF3Ceiling, Finish::Panel),
    // The corridor north: rooms 201 and 202 to the west, the roof door to the east.
    WallZ(-0.3f, -1.3f, 29.4f, kF3Under, kF3Ceiling, Finish::Plaster),
    WallZ(3.0f, 0.8f, 29.4f, kF3Under, kF3Ceiling, Finish::Plaster),
    // The corridor west: room 203 and the guest room to the south, windows to the north.
    WallX(32.9f, -22.5f, 5.1f, kF3Under, kF3Ceiling, Finish::Plaster),
    WallX(29.3f, -17.5f, -0.2f, kF3Under, kF3Ceiling, Finish::Plaster),
    WallX(29.3f, 2.9f, 5.1f, kF3Under, kF3Ceiling, Finish::Plaster),
    WallZ(5.1f, 29.3f, 32.9f, kF3Under, kF3Ceiling, Finish::Plaster),
    WallZ(-22.5f, 23.5f, 32.9f, kF3Under, kF3Ceiling, Finish::Panel),
    // The toilets' alcove.
    WallX(23.5f, -22.5f, -17.5f, kF3Under, kF3Ceiling, Finish::Panel),
    WallZ(-17.5f, 23.5f, 29.4f, kF3Under, kF3Ceiling, Finish::Plaster),
    // Ceilings.
    Ceiling(6.8f, -1.2f, 9.6f, 11.0f, kF3Ceiling, Finish::Ceiling),
    Ceiling(2.9f, -1.2f, 6.8f, 0.8f, kF3Ceiling, Finish::Ceiling),
    Ceiling(-0.2f, -1.2f, 2.9f, 29.4f, kF3Ceiling, Finish::Ceiling),
    Ceiling(-22.4f, 29.4f, 5.0f, 32.8f, kF3Ceiling, Finish::Ceiling),
    Ceiling(-22.4f, 23.6f, -17.6f, 29.4f, kF3Ceiling, Finish::Ceiling),
};

inline constexpr Stair kF3Stairs[] = {
    // Up from the half-landing to the passage, and the first steps of the way down.
    {{6.8f, 0, 0.8f}, {9.6f, kF3Floor, 4.4f}, Rise::South, 12, Finish::Wood},
    {{6.8f, kF3DownFlight, 8.9f}, {9.6f, 0, 11.0f}, Rise::South, 8, Finish::Wood},
};

inline constexpr RoomPlan kF3Plan{"f2.x", kF3Blocks, kF3Stairs};

// The public toilets: three cubicles along the north wall, the wash basins under the mirror on a
// side wall, the door to the corridor in the south wall.
inline constexpr float kRestCeiling = 2.6f;
inline constexpr float kStallHeight = 1.8f;
inline constexpr float kStallFront = 1.8f;  // the cubicles' front line

// A cubicle's front from x0 to x0 + 1.2 either side of its door's 0.8 opening.
constexpr Block StallFrontLeft(float x0) {
    return WallX(kStallFront, x0, x0 + 0.2f, 0, kStallHeight, Finish::Panel);
}
constexpr Block StallFrontRight(float x0) {
    return WallX(kStallFront, x0 + 1.0f, x0 + 1.2f, 0, kStallHeight, Finish::Panel);
}

// A toilet's room with three cubicles along the north wall, the first from x `firstCubicle`: the
// partitions between them stand at the same places in both toilets, their fronts where the
// cubicles are.
constexpr std::array<Block, 15> ToiletBlocks(float firstCubicle) {
    const float second = firstCubicle + 1.2f, third = firstCubicle + 2.4f;
    return {{
        Floor(-2.4f, -2.9f, 2.4f, 3.1f, 0, Finish::Tile),
        WallX(-3.0f, -2.5f, 2.5f, 0, kRestCeiling, Finish::Plaster),
        WallX(3.2f, -2.5f, 2.5f, 0, kRestCeiling, Finish::Tile),
        WallZ(-2.5f, -3.0f, 3.2f, 0, kRestCeiling, Finish::Tile),
        WallZ(2.5f, -3.0f, 3.2f, 0, kRestCeiling, Finish::Tile),
        WallZ(-1.2f, kStallFront, 3.1f, 0, kStallHeight, Finish::Panel),
        WallZ(0, kStallFront, 3.1f, 0, kStallHeight, Finish::Panel),
        WallZ(1.2f, kStallFront, 3.1f, 0, kStallHeight, Finish::Panel),
        StallFrontLeft(firstCubicle),
        StallFrontRight(firstCubicle),
        StallFrontLeft(second),
        StallFrontRight(second),
        StallFrontLeft(third),
        StallFrontRight(third),
        Ceiling(-2.4f, -2.9f, 2.4f, 3.1f, kRestCeiling, Finish::Ceiling),
    }};
}

// The men's cubicles run from x −1.2 to the east wall, the women's from the west wall to x 1.2.
inline constexpr std::array<Block, 15> kRestMenBlocks = ToiletBlocks(-1.2f);
inline constexpr RoomPlan kRestMenPlan{"public_rest.x", kRestMenBlocks};
inline constexpr std::array<Block, 15> kRestWomenBlocks = ToiletBlocks(-2.4f);
inline constexpr RoomPlan kRestWomenPlan{"women_rest.x", kRestWomenBlocks};

// The stair hall to the roof: a switchback stair. From the lower door (west) the first flight
// climbs north to the half-landing, the second climbs back south to the upper landing and the
// roof door (east), both doors side by side in the south wall; a wall with a rail on top
// parts the flights.
inline constexpr float kRoofKaiUpper = 1.95f;
inline constexpr float kRoofKaiHalf = kRoofKaiUpper / 2;
inline constexpr float kRoofKaiCeiling = 4.55f;
inline constexpr float kRoofKaiFlightFoot = 1.2f;  // z where both flights meet the lower levels
inline constexpr float kRoofKaiFlightHead = 3.2f;  // z where both meet the half-landing

inline constexpr Block kRoofKaiBlocks[] = {
    Floor(-2.0f, -2.0f, 0, kRoofKaiFlightFoot, 0, Finish::Concrete),
    {{0, 0, -2.0f}, {2.0f, kRoofKaiUpper, kRoofKaiFlightFoot}, Finish::Concrete},
    {{-2.0f, 0, kRoofKaiFlightHead}, {2.0f, kRoofKaiHalf, 4.2f}, Finish::Concrete},
    WallZ(0, -2.0f, kRoofKaiFlightHead, 0, kRoofKaiUpper + 0.85f, Finish::Panel),
    WallX(-2.1f, -2.1f, 2.1f, 0, kRoofKaiCeiling, Finish::Plaster),
    WallX(4.3f, -2.1f, 2.1f, 0, kRoofKaiCeiling, Finish::Plaster),
    WallZ(-2.1f, -2.1f, 4.3f, 0, kRoofKaiCeiling, Finish::Plaster),
    WallZ(2.1f, -2.1f, 4.3f, 0, kRoofKaiCeiling, Finish::Plaster),
    Ceiling(-2.0f, -2.0f, 2.0f, 4.2f, kRoofKaiCeiling, Finish::Concrete),
};

inline constexpr Stair kRoofKaiStairs[] = {
    {{-2.0f, 0, kRoofKaiFlightFoot},
     {0, kRoofKaiHalf, kRoofKaiFlightHead},
     Rise::North,
     6,
     Finish::Concrete},
    {{0, kRoofKaiHalf, kRoofKaiFlightFoot},
     {2.0f, kRoofKaiUpper, kRoofKaiFlightHead},
     Rise::South,
     6,
     Finish::Concrete},
};

inline constexpr RoomPlan kRoofKaiPlan{"roof_kai.x", kRoofKaiBlocks, kRoofKaiStairs};

// The roof: a flat roof inside a parapet, the stair house with the door back down at its east
// edge, the air units in the south-west and the boiler by the north parapet.
inline constexpr float kParapet = 1.0f;
inline constexpr float kStairHouseTop = 2.8f;

inline constexpr Block kRoofTopBlocks[] = {
    Floor(-9.0f, -7.0f, 5.0f, 7.0f, 0, Finish::Stone),
    WallX(-7.1f, -9.1f, 5.1f, 0, kParapet, Finish::Concrete),
    WallX(7.1f, -9.1f, 5.1f, 0, kParapet, Finish::Concrete),
    WallZ(-9.1f, -7.1f, 7.1f, 0, kParapet, Finish::Concrete),
    WallZ(5.1f, -7.1f, -3.0f, 0, kParapet, Finish::Concrete),
    WallZ(5.1f, 1.0f, 7.1f, 0, kParapet, Finish::Concrete),
    // The stair house and its roof slab.
    {{5.0f, 0, -3.0f}, {8.0f, kStairHouseTop, 1.0f}, Finish::Concrete},
    {{4.8f, kStairHouseTop, -3.2f}, {8.2f, kStairHouseTop + 0.2f, 1.2f}, Finish::Panel, false},
    // The air units: cabinets on a plinth.
    {{-8.6f, 0, -6.6f}, {-5.2f, 0.2f, -4.8f}, Finish::Concrete},
    {{-8.4f, 0.2f, -6.4f}, {-7.0f, 1.3f, -5.0f}, Finish::Panel},
    {{-6.8f, 0.2f, -6.4f}, {-5.4f, 1.3f, -5.0f}, Finish::Panel},
};
inline constexpr RoomPlan kRoofTopPlan{"roof_top.x", kRoofTopBlocks};

}  // namespace level
