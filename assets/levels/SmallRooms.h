#pragma once
// The small rooms off the lobby: its toilet (field 3), the staff room (4) and the dining room (5).
// Each door of a room stands in a wall with the spawn point of that door a step inside.
#include "levels/RoomPlan.h"

namespace level {

inline constexpr float kSmallRoomCeiling = 2.6f;

// The lobby's toilet: a tiled cubicle room, the door to the lobby in the south wall.
inline constexpr Block kLobbyRestRoomBlocks[] = {
    Floor(-2, -2, 2, 3, 0, Finish::Tile),
    WallX(-2, -2, 2, 0, kSmallRoomCeiling, Finish::Plaster),
    WallX(3, -2, 2, 0, kSmallRoomCeiling, Finish::Tile),
    WallZ(-2, -2, 3, 0, kSmallRoomCeiling, Finish::Tile),
    WallZ(2, -2, 3, 0, kSmallRoomCeiling, Finish::Tile),
    // The partition of the cubicle in the north-east corner.
    WallZ(0.4f, 1.2f, 3, 0, 1.9f, Finish::Panel),
    Ceiling(-2, -2, 2, 3, kSmallRoomCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kLobbyRestRoomPlan{"restroom.x", kLobbyRestRoomBlocks};

// The staff room: desks in rows, shelves along the walls, the door to the lobby in the south.
inline constexpr Block kStaffRoomBlocks[] = {
    Floor(-4.5f, -3, 4.5f, 5, 0, Finish::Wood),
    WallX(-3, -4.5f, 4.5f, 0, kSmallRoomCeiling, Finish::Plaster),
    WallX(5, -4.5f, 4.5f, 0, kSmallRoomCeiling, Finish::Plaster),
    WallZ(-4.5f, -3, 5, 0, kSmallRoomCeiling, Finish::Plaster),
    WallZ(4.5f, -3, 5, 0, kSmallRoomCeiling, Finish::Plaster),
    Ceiling(-4.5f, -3, 4.5f, 5, kSmallRoomCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kStaffRoomPlan{"staffroom.x", kStaffRoomBlocks};

// The dining room: a long hall of tables, two doors to the lobby's corridor in its west wall.
inline constexpr Block kDiningRoomBlocks[] = {
    Floor(-4, -5, 7, 9, 0, Finish::Wood),
    WallX(-5, -4, 7, 0, kSmallRoomCeiling + 0.4f, Finish::Plaster),
    WallX(9, -4, 7, 0, kSmallRoomCeiling + 0.4f, Finish::Plaster),
    WallZ(-4, -5, 9, 0, kSmallRoomCeiling + 0.4f, Finish::Plaster),
    WallZ(7, -5, 9, 0, kSmallRoomCeiling + 0.4f, Finish::Plaster),
    Ceiling(-4, -5, 7, 9, kSmallRoomCeiling + 0.4f, Finish::Ceiling),
};
inline constexpr RoomPlan kDiningRoomPlan{"dining_room.x", kDiningRoomBlocks};

}  // namespace level
