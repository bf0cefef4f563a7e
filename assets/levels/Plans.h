#pragma once
// Every room plan whose shell the asset build draws.
#include "levels/Lobby.h"
#include "levels/Outdoor.h"
#include "levels/SmallRooms.h"

namespace level {

// clang-format off
inline constexpr const RoomPlan* kRoomPlans[] = {
    &kLobbyPlan,
    &kLobbyRestRoomPlan,
    &kStaffRoomPlan,
    &kDiningRoomPlan,
    &kHirobaPlan,
};
// clang-format on

}  // namespace level
