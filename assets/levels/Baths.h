#pragma once
// The baths: the corridor from the lobby (field 6), the men's and women's changing rooms (7, 8)
// and the two baths (9, 10). Curtained doorways lead from the corridor into the changing rooms;
// glazed sliding doors, standing against the changing rooms' north walls and the baths' south
// walls, lead on into the baths.
#include "levels/RoomPlan.h"

namespace level {

inline constexpr float kBathDoorTop = 1.95f;  // the curtained doorways' heads
inline constexpr float kNorenBottom = 1.2f;   // the curtain hangs from the head down to here

// A curtain across a doorway in a wall along x, from x0 to x1, hanging in the wall's middle
// plane; kept off the doorway's jambs and head so no faces meet.
constexpr Block NorenX(float z, float x0, float x1, Finish print) {
    constexpr float kGap = 0.01f;
    return {{x0 + kGap, kNorenBottom, z - 0.01f},
            {x1 - kGap, kBathDoorTop - kGap, z + 0.01f},
            print,
            false};
}

// The corridor: boards at the lobby's level in the east (the lobby's bath passage opens there),
// four steps down west to the corridor proper, whose north wall has the curtained doorways to the
// changing rooms, each into a short dark passage; an emergency exit at the west end.
inline constexpr float kBathPassCeiling = 3.0f;
inline constexpr float kBathPassLanding = 0.6f;
inline constexpr float kBathPassNorth = 1.7f;  // the wall with the doorways

inline constexpr Block kBathPassBlocks[] = {
    Floor(-5.7f, -1.4f, 3.0f, 1.8f, 0, Finish::Wood),
    {{3.0f, 0, -1.4f}, {8.5f, kBathPassLanding, 1.8f}, Finish::Wood},
    WallX(-1.3f, -5.7f, 8.5f, 0, kBathPassCeiling, Finish::Plaster),
    WallZ(-5.6f, -1.4f, 1.8f, 0, kBathPassCeiling, Finish::Plaster),
    WallZ(8.4f, -1.4f, 1.8f, 0, kBathPassCeiling, Finish::Plaster),
    // The north wall: the women's doorway at x -3.5..-2.5, the men's at -1.35..-0.35.
    WallX(kBathPassNorth, -5.7f, -3.5f, 0, kBathPassCeiling, Finish::Plaster),
    WallX(kBathPassNorth, -2.5f, -1.35f, 0, kBathPassCeiling, Finish::Plaster),
    WallX(kBathPassNorth, -0.35f, 8.5f, 0, kBathPassCeiling, Finish::Plaster),
    LintelX(kBathPassNorth, -3.5f, -2.5f, kBathDoorTop, kBathPassCeiling, Finish::Plaster),
    LintelX(kBathPassNorth, -1.35f, -0.35f, kBathDoorTop, kBathPassCeiling, Finish::Plaster),
    NorenX(kBathPassNorth, -3.5f, -2.5f, Finish::NorenW),
    NorenX(kBathPassNorth, -1.35f, -0.35f, Finish::NorenM),
    // The dark passages behind the curtains.
    Floor(-3.7f, 1.8f, -2.3f, 2.8f, 0, Finish::Wood),
    WallZ(-3.6f, 1.8f, 2.8f, 0, kBathDoorTop, Finish::Night),
    WallZ(-2.4f, 1.8f, 2.8f, 0, kBathDoorTop, Finish::Night),
    WallX(2.7f, -3.7f, -2.3f, 0, kBathDoorTop, Finish::Night),
    Ceiling(-3.7f, 1.8f, -2.3f, 2.8f, kBathDoorTop, Finish::Night),
    Floor(-1.55f, 1.8f, -0.15f, 2.8f, 0, Finish::Wood),
    WallZ(-1.45f, 1.8f, 2.8f, 0, kBathDoorTop, Finish::Night),
    WallZ(-0.25f, 1.8f, 2.8f, 0, kBathDoorTop, Finish::Night),
    WallX(2.7f, -1.55f, -0.15f, 0, kBathDoorTop, Finish::Night),
    Ceiling(-1.55f, 1.8f, -0.15f, 2.8f, kBathDoorTop, Finish::Night),
    Ceiling(-5.7f, -1.4f, 8.5f, 1.8f, kBathPassCeiling, Finish::Ceiling),
};

// Down from the landing to the corridor, westwards.
inline constexpr Stair kBathPassStairs[] = {
    {{1.4f, 0, -1.2f}, {3.0f, kBathPassLanding, 1.6f}, Rise::East, 4, Finish::Panel},
};

inline constexpr RoomPlan kBathPassPlan{"bath_pass.x", kBathPassBlocks, kBathPassStairs};

// A changing room: boards underfoot, the curtained doorway from the corridor in the south wall
// (its dark passage behind), the bath's door and a wall of lockers along the north wall, and a
// marble counter under the mirror; the women's room mirrors the men's.
inline constexpr float kDatuiCeiling = 2.6f;
inline constexpr float kDatuiSouth = -2.7f, kDatuiNorth = 2.7f;
inline constexpr float kLockerTop = 1.8f;

inline constexpr Block kDatuiManBlocks[] = {
    Floor(-3.7f, -2.8f, 3.3f, 2.8f, 0, Finish::Wood),
    WallZ(-3.6f, -2.8f, 2.8f, 0, kDatuiCeiling, Finish::Plaster),
    WallZ(3.2f, -2.8f, 2.8f, 0, kDatuiCeiling, Finish::Plaster),
    WallX(kDatuiNorth, -3.7f, 3.3f, 0, kDatuiCeiling, Finish::Plaster),
    // The doorway from the corridor at x -2.45..-1.45.
    WallX(kDatuiSouth, -3.7f, -2.45f, 0, kDatuiCeiling, Finish::Plaster),
    WallX(kDatuiSouth, -1.45f, 3.3f, 0, kDatuiCeiling, Finish::Plaster),
    LintelX(kDatuiSouth, -2.45f, -1.45f, kBathDoorTop, kDatuiCeiling, Finish::Plaster),
    NorenX(kDatuiSouth, -2.45f, -1.45f, Finish::NorenM),
    Floor(-2.65f, -3.8f, -1.25f, -2.8f, 0, Finish::Wood),
    WallZ(-2.55f, -3.8f, -2.8f, 0, kBathDoorTop, Finish::Night),
    WallZ(-1.35f, -3.8f, -2.8f, 0, kBathDoorTop, Finish::Night),
    WallX(-3.7f, -2.65f, -1.25f, 0, kBathDoorTop, Finish::Night),
    Ceiling(-2.65f, -3.8f, -1.25f, -2.8f, kBathDoorTop, Finish::Night),
    // Lockers along the north wall west of the bath's door, boarded on top.
    {{-3.5f, 0, 2.15f}, {0.2f, kLockerTop, 2.6f}, Finish::Lockers},
    {{-3.5f, kLockerTop, 2.15f}, {0.2f, kLockerTop + 0.03f, 2.6f}, Finish::Wood},
    // The counter under the mirror on the west wall, and the mirror's backing board.
    {{-3.5f, 0, -1.4f}, {-3.0f, 0.8f, 0.8f}, Finish::Marble},
    {{-3.5f, 1.15f, -1.3f}, {-3.48f, 2.05f, 0.7f}, Finish::Panel, false},
    Ceiling(-3.7f, -2.8f, 3.3f, 2.8f, kDatuiCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kDatuiManPlan{"bath_datui_man.x", kDatuiManBlocks};

inline constexpr Block kDatuiWomanBlocks[] = {
    Floor(-7.7f, -2.8f, -1.1f, 2.8f, 0, Finish::Wood),
    WallZ(-7.6f, -2.8f, 2.8f, 0, kDatuiCeiling, Finish::Plaster),
    WallZ(-1.2f, -2.8f, 2.8f, 0, kDatuiCeiling, Finish::Plaster),
    WallX(kDatuiNorth, -7.7f, -1.1f, 0, kDatuiCeiling, Finish::Plaster),
    // The doorway from the corridor at x -3.67..-2.67.
    WallX(kDatuiSouth, -7.7f, -3.67f, 0, kDatuiCeiling, Finish::Plaster),
    WallX(kDatuiSouth, -2.67f, -1.1f, 0, kDatuiCeiling, Finish::Plaster),
    LintelX(kDatuiSouth, -3.67f, -2.67f, kBathDoorTop, kDatuiCeiling, Finish::Plaster),
    NorenX(kDatuiSouth, -3.67f, -2.67f, Finish::NorenW),
    Floor(-3.87f, -3.8f, -2.47f, -2.8f, 0, Finish::Wood),
    WallZ(-3.77f, -3.8f, -2.8f, 0, kBathDoorTop, Finish::Night),
    WallZ(-2.57f, -3.8f, -2.8f, 0, kBathDoorTop, Finish::Night),
    WallX(-3.7f, -3.87f, -2.47f, 0, kBathDoorTop, Finish::Night),
    Ceiling(-3.87f, -3.8f, -2.47f, -2.8f, kBathDoorTop, Finish::Night),
    // Lockers along the north wall east of the bath's door, boarded on top.
    {{-5.4f, 0, 2.15f}, {-1.3f, kLockerTop, 2.6f}, Finish::Lockers},
    {{-5.4f, kLockerTop, 2.15f}, {-1.3f, kLockerTop + 0.03f, 2.6f}, Finish::Wood},
    // The counter under the mirror on the east wall, and the mirror's backing board.
    {{-1.8f, 0, -1.4f}, {-1.3f, 0.8f, 0.8f}, Finish::Marble},
    {{-1.32f, 1.15f, -1.3f}, {-1.3f, 2.05f, 0.7f}, Finish::Panel, false},
    Ceiling(-7.7f, -2.8f, -1.1f, 2.8f, kDatuiCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kDatuiWomanPlan{"bath_datui_woman.x", kDatuiWomanBlocks};

// A bath: tiled floor and glazed white walls, the door from the changing room against the south
// wall, a marble-rimmed tub of hot water along the north wall under two windows, and the washing
// places along a side wall under one long mirror.
inline constexpr float kBathCeiling = 3.2f;
inline constexpr float kTubRim = 0.55f, kTubWater = 0.45f;
inline constexpr float kBathSouth = -5.1f, kBathNorth = 5.1f;

inline constexpr Block kBathRoomMenBlocks[] = {
    Floor(-4.6f, -5.2f, 4.6f, 5.2f, 0, Finish::BathTile),
    WallX(kBathSouth, -4.6f, 4.6f, 0, kBathCeiling, Finish::BathWall),
    WallX(kBathNorth, -4.6f, 4.6f, 0, kBathCeiling, Finish::BathWall),
    WallZ(-4.5f, -5.2f, 5.2f, 0, kBathCeiling, Finish::BathWall),
    WallZ(4.5f, -5.2f, 5.2f, 0, kBathCeiling, Finish::BathWall),
    // The tub in the north-east, its rim round the water on the open sides.
    {{-1.6f, 0, 2.0f}, {4.4f, kTubRim, 2.25f}, Finish::Marble},
    {{-1.6f, 0, 2.25f}, {-1.35f, kTubRim, 5.0f}, Finish::Marble},
    {{-1.35f, 0, 2.25f}, {4.4f, kTubWater, 5.0f}, Finish::Water, false},
    // The night behind the windows over the tub, and the mirror's backing on the west wall.
    {{0.2f, 1.35f, 4.99f}, {0.8f, 1.85f, 5.0f}, Finish::Night, false},
    {{2.7f, 1.35f, 4.99f}, {3.3f, 1.85f, 5.0f}, Finish::Night, false},
    {{-4.4f, 1.3f, -3.3f}, {-4.38f, 1.9f, 0.9f}, Finish::Marble, false},
    Ceiling(-4.6f, -5.2f, 4.6f, 5.2f, kBathCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kBathRoomMenPlan{"bath_room_men.x", kBathRoomMenBlocks};

inline constexpr Block kBathRoomWomenBlocks[] = {
    Floor(-14.6f, -5.2f, -5.4f, 5.2f, 0, Finish::BathTile),
    WallX(kBathSouth, -14.6f, -5.4f, 0, kBathCeiling, Finish::BathWall),
    WallX(kBathNorth, -14.6f, -5.4f, 0, kBathCeiling, Finish::BathWall),
    WallZ(-14.5f, -5.2f, 5.2f, 0, kBathCeiling, Finish::BathWall),
    WallZ(-5.5f, -5.2f, 5.2f, 0, kBathCeiling, Finish::BathWall),
    // The tub in the north-west.
    {{-14.4f, 0, 2.0f}, {-8.4f, kTubRim, 2.25f}, Finish::Marble},
    {{-8.65f, 0, 2.25f}, {-8.4f, kTubRim, 5.0f}, Finish::Marble},
    {{-14.4f, 0, 2.25f}, {-8.65f, kTubWater, 5.0f}, Finish::Water, false},
    {{-13.3f, 1.35f, 4.99f}, {-12.7f, 1.85f, 5.0f}, Finish::Night, false},
    {{-10.8f, 1.35f, 4.99f}, {-10.2f, 1.85f, 5.0f}, Finish::Night, false},
    {{-5.62f, 1.3f, -3.3f}, {-5.6f, 1.9f, 0.9f}, Finish::Marble, false},
    Ceiling(-14.6f, -5.2f, -5.4f, 5.2f, kBathCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kBathRoomWomenPlan{"bath_room_women.x", kBathRoomWomenBlocks};

}  // namespace level
