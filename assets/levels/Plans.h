#pragma once
// Every room plan whose shell the asset build draws.
#include "levels/Lobby.h"
#include "levels/SmallRooms.h"

namespace level {

inline constexpr const RoomPlan* kRoomPlans[] = {
    &kLobbyPlan,
    &kLobbyRestRoomPlan,
    &kStaffRoomPlan,
    &kDiningRoomPlan,
};

}  // namespace level
