#pragma once
// Every room plan whose shell the asset build draws.
#include "levels/Lobby.h"
#include "levels/SmallRooms.h"
#include "levels/Upstairs.h"

namespace level {

inline constexpr const RoomPlan* kRoomPlans[] = {
    &kLobbyPlan,   &kLobbyRestRoomPlan, &kStaffRoomPlan, &kDiningRoomPlan, &kF3Plan,
    &kRestMenPlan, &kRestWomenPlan,     &kRoofKaiPlan,   &kRoofTopPlan,
};

}  // namespace level
