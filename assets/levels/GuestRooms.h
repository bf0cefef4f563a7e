#pragma once
// The guest rooms of the upper floor: one tatami room plan for the player's room (field 11), rooms
// 201 to 203 (18, 20, 21) and the hidden room (23), and one unit bathroom plan for the bathrooms of
// the player's room (12) and of room 201 (19).
#include "levels/RoomPlan.h"

namespace level {

inline constexpr float kGuestRoomCeiling = 2.6f;
inline constexpr float kTatamiTop = 0.05f;  // the mats lie a sill above the entry's stone
inline constexpr float kGuestRoomLintel = 1.9f;
inline constexpr float kAlcoveTop = 0.25f;  // the alcove's raised board
// Where the corridor door stands: the foot of the entry's west wall.
inline constexpr Point kGuestRoomCorridorDoor{-6.6f, 0, -2.2f};

// The room, from west to east: the entry (a stone floor, the corridor door in its west wall), a
// wooden sill between two posts, then the mats. The bathroom's door is in the wall south of the
// sill, whose nook takes the room's south-west corner; the alcove is in the north wall's east end.
// The entry spans x -6.6..-4.6, z -2.8..-1.4; the mats x -4.6..3.6, z -4.1..2.9.
inline constexpr Block kGuestRoomBlocks[] = {
    // Floors: the entry's stone, the sill, the mats (west of the nook, north of it, east of it).
    Floor(-6.8f, -3.0f, -4.7f, -1.2f, 0, Finish::Stone),
    Floor(-4.7f, -2.9f, -4.45f, -1.4f, kTatamiTop, Finish::Panel),
    Floor(-4.8f, -1.4f, -4.45f, 3.1f, kTatamiTop, Finish::Tatami),
    Floor(-4.45f, -2.9f, 3.8f, 3.1f, kTatamiTop, Finish::Tatami),
    Floor(-0.7f, -4.3f, 3.8f, -2.9f, kTatamiTop, Finish::Tatami),
    // The entry: the corridor door's wall to the west, the bathroom's wall along its south.
    WallZ(-6.7f, -3.0f, -1.2f, 0, kGuestRoomCeiling, Finish::Plaster),
    WallX(-1.3f, -6.8f, -4.8f, 0, kGuestRoomCeiling, Finish::Plaster),
    WallX(-2.9f, -6.8f, -0.8f, 0, kGuestRoomCeiling, Finish::Plaster),
    // The sill's posts and the beam over it.
    {{-4.73f, 0, -2.85f}, {-4.47f, kGuestRoomCeiling, -2.72f}, Finish::Panel},
    {{-4.73f, 0, -1.48f}, {-4.47f, kGuestRoomCeiling, -1.35f}, Finish::Panel},
    {{-4.7f, kGuestRoomLintel, -2.8f}, {-4.5f, kGuestRoomCeiling, -1.4f}, Finish::Panel, false},
    // The room's walls: west (behind the closet's paper doors), the nook's east side, south, east
    // and north, the north one stopping at the alcove.
    WallZ(-4.7f, -1.4f, 3.1f, 0, kGuestRoomCeiling, Finish::Plaster),
    WallZ(-0.7f, -4.3f, -2.8f, 0, kGuestRoomCeiling, Finish::Plaster),
    WallX(-4.2f, -0.8f, 3.8f, 0, kGuestRoomCeiling, Finish::Plaster),
    WallZ(3.7f, -4.3f, 3.9f, 0, kGuestRoomCeiling, Finish::Plaster),
    WallX(3.0f, -4.8f, 1.4f, 0, kGuestRoomCeiling, Finish::Plaster),
    // The alcove: its side and back walls, raised board, post and the beam across its mouth.
    WallZ(1.5f, 2.9f, 3.9f, 0, kGuestRoomCeiling, Finish::Plaster),
    WallX(3.8f, 1.6f, 3.6f, 0, kGuestRoomCeiling, Finish::Plaster),
    {{1.6f, kTatamiTop, 2.9f}, {3.6f, kAlcoveTop, 3.7f}, Finish::Wood},
    {{1.56f, 0, 2.82f}, {1.7f, kGuestRoomCeiling, 2.96f}, Finish::Panel},
    {{1.7f, kGuestRoomLintel + 0.2f, 2.9f}, {3.6f, kGuestRoomCeiling, 3.1f}, Finish::Panel, false},
    // The lintel rail along the walls at the head of the doors, and the corner posts.
    {{-4.6f, kGuestRoomLintel - 0.08f, 2.86f},
     {1.4f, kGuestRoomLintel, 2.9f},
     Finish::Panel,
     false},
    {{-4.6f, kGuestRoomLintel - 0.08f, -1.35f},
     {-4.56f, kGuestRoomLintel, 2.86f},
     Finish::Panel,
     false},
    {{-0.6f, kGuestRoomLintel - 0.08f, -4.1f},
     {3.6f, kGuestRoomLintel, -4.06f},
     Finish::Panel,
     false},
    {{3.56f, kGuestRoomLintel - 0.08f, -4.06f},
     {3.6f, kGuestRoomLintel, 2.9f},
     Finish::Panel,
     false},
    {{-4.47f, kGuestRoomLintel - 0.08f, -2.8f},
     {-0.8f, kGuestRoomLintel, -2.76f},
     Finish::Panel,
     false},
    {{-0.6f, 0, -4.1f}, {-0.5f, kGuestRoomCeiling, -4.0f}, Finish::Panel},
    {{3.5f, 0, -4.1f}, {3.6f, kGuestRoomCeiling, -4.0f}, Finish::Panel},
    {{-4.6f, 0, 2.8f}, {-4.5f, kGuestRoomCeiling, 2.9f}, Finish::Panel},
    {{-0.6f, 0, -2.8f}, {-0.5f, kGuestRoomCeiling, -2.7f}, Finish::Panel},
    Ceiling(-6.8f, -4.3f, 3.8f, 3.9f, kGuestRoomCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kGuestRoomPlan{"room.x", kGuestRoomBlocks};

inline constexpr float kGuestBathCeiling = 2.3f;

// The unit bathroom: tiled all round, the door in the north wall, the tub in the south-east
// corner, the duct's mouth low in the west wall (a black opening the boiler's duct ends in).
// Inside x -1.9..1.7, z -2.1..2.3.
inline constexpr Block kGuestBathBlocks[] = {
    Floor(-2.0f, -2.2f, 1.8f, 2.4f, 0, Finish::BathTile),
    WallZ(-2.0f, -2.3f, 2.5f, 0, kGuestBathCeiling, Finish::Tile),
    WallZ(1.8f, -2.3f, 2.5f, 0, kGuestBathCeiling, Finish::Tile),
    WallX(-2.2f, -1.9f, 1.7f, 0, kGuestBathCeiling, Finish::Tile),
    WallX(2.4f, -1.9f, 1.7f, 0, kGuestBathCeiling, Finish::Plaster),
    // The tub: its rim on four sides round a shallow bottom.
    {{0.2f, 0, -2.1f}, {0.32f, 0.55f, -0.6f}, Finish::Plaster},
    {{0.32f, 0, -0.72f}, {1.7f, 0.55f, -0.6f}, Finish::Plaster},
    {{0.32f, 0, -2.1f}, {1.7f, 0.55f, -1.98f}, Finish::Plaster},
    {{0.32f, 0, -1.98f}, {1.7f, 0.12f, -0.72f}, Finish::Plaster},
    // The duct's mouth and its frame.
    {{-1.95f, 0.12f, -1.42f}, {-1.89f, 0.82f, -0.58f}, Finish::Night, false},
    {{-1.93f, 0.08f, -1.46f}, {-1.87f, 0.12f, -0.54f}, Finish::Panel, false},
    {{-1.93f, 0.82f, -1.46f}, {-1.87f, 0.86f, -0.54f}, Finish::Panel, false},
    {{-1.93f, 0.12f, -1.46f}, {-1.87f, 0.82f, -1.42f}, Finish::Panel, false},
    {{-1.93f, 0.12f, -0.58f}, {-1.87f, 0.82f, -0.54f}, Finish::Panel, false},
    Ceiling(-2.1f, -2.3f, 1.9f, 2.5f, kGuestBathCeiling, Finish::Ceiling),
};
inline constexpr RoomPlan kGuestBathPlan{"guestbath.x", kGuestBathBlocks};

}  // namespace level
