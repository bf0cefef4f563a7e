#pragma once
// The lobby (field 2): the entrance hall behind the front door, the reception hall with its
// counter, sofas and television, the corridor north to the dining room and the baths, and the
// stair hall whose gallery leads up to the guest floor.
#include "levels/RoomPlan.h"

namespace level {

inline constexpr float kLobbyCeiling = 3.0f;
inline constexpr float kLobbyStairHallCeiling = 5.6f;
inline constexpr float kLobbyGallery = 2.8f;  // the gallery's floor, the head of the stairs

inline constexpr Block kLobbyBlocks[] = {
    // Floors: stone in the entrance, boards elsewhere, the gallery above the stair hall.
    Floor(-3, -14.5f, 3, -10, 0, Finish::Stone),
    Floor(-11.5f, -10, 13.5f, 14.5f, 0, Finish::Wood),
    Floor(-2.5f, 14.5f, 3.5f, 44.5f, 0, Finish::Wood),
    Floor(-4.6f, 41.2f, -2.5f, 43.4f, 0, Finish::Wood),
    Floor(3.5f, 22, 10.5f, 30, 0, Finish::Wood),
    Floor(8, 22, 10.5f, 30, kLobbyGallery, Finish::Wood),
    // The entrance: the front door's wall to the south.
    WallX(-14.5f, -3, 3, 0, kLobbyCeiling, Finish::Panel),
    WallZ(-3, -14.5f, -10, 0, kLobbyCeiling, Finish::Plaster),
    WallZ(3, -14.5f, -10, 0, kLobbyCeiling, Finish::Plaster),
    // The hall: the toilet door in the north-west, the staff door in the north-east.
    WallX(-10, -11.5f, -3, 0, kLobbyCeiling, Finish::Plaster),
    WallX(-10, 3, 13.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallZ(-11.5f, -10, 14.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallZ(13.5f, -10, 14.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallX(14.5f, -11.5f, -2.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallX(14.5f, 3.5f, 13.5f, 0, kLobbyCeiling, Finish::Plaster),
    // The corridor: the bath passage opens west, the stair hall east, the dining room's two
    // doors further along the east wall.
    WallZ(-2.5f, 14.5f, 41.2f, 0, kLobbyCeiling, Finish::Plaster),
    WallZ(-2.5f, 43.4f, 44.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallX(41.2f, -4.6f, -2.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallX(43.4f, -4.6f, -2.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallZ(-4.6f, 41.2f, 43.4f, 0, kLobbyCeiling, Finish::Night),
    WallZ(3.5f, 14.5f, 22, 0, kLobbyCeiling, Finish::Plaster),
    LintelZ(3.5f, 22, 30, kLobbyCeiling, kLobbyStairHallCeiling, Finish::Plaster),
    WallZ(3.5f, 30, 44.5f, 0, kLobbyCeiling, Finish::Plaster),
    WallX(44.5f, -2.5f, 3.5f, 0, kLobbyCeiling, Finish::Plaster),
    // The stair hall, with a rail along the gallery's open side.
    WallX(22, 3.5f, 10.5f, 0, kLobbyStairHallCeiling, Finish::Plaster),
    WallX(30, 3.5f, 10.5f, 0, kLobbyStairHallCeiling, Finish::Plaster),
    WallZ(10.5f, 22, 30, 0, kLobbyStairHallCeiling, Finish::Panel),
    WallZ(8, 22, 27.4f, kLobbyGallery, kLobbyGallery + 0.8f, Finish::Panel),
    // The reception counter along the hall's east side, and the pillars of the hall.
    {{8.5f, 0, -2}, {9.3f, 0.9f, 6}, Finish::Panel},
    {{-6.2f, 0, 4.8f}, {-5.8f, kLobbyCeiling, 5.2f}, Finish::Panel},
    {{5.8f, 0, 4.8f}, {6.2f, kLobbyCeiling, 5.2f}, Finish::Panel},
    // A rug under the hall's sitting corner.
    {{-8, 0, -5.5f}, {-2, 0.01f, 1.5f}, Finish::Carpet, false},
    // Ceilings.
    Ceiling(-3, -14.5f, 3, -10, kLobbyCeiling, Finish::Ceiling),
    Ceiling(-11.5f, -10, 13.5f, 14.5f, kLobbyCeiling, Finish::Ceiling),
    Ceiling(-4.6f, 14.5f, 3.5f, 44.5f, kLobbyCeiling, Finish::Ceiling),
    Ceiling(3.5f, 22, 10.5f, 30, kLobbyStairHallCeiling, Finish::Ceiling),
};

// Up to the gallery, climbing east along the stair hall's north wall.
inline constexpr Stair kLobbyStairs[] = {
    {{4, 0, 27.4f}, {8, kLobbyGallery, 30}, Rise::East, 14, Finish::Wood},
};

inline constexpr RoomPlan kLobbyPlan{"lobby.x", kLobbyBlocks, kLobbyStairs};

}  // namespace level
