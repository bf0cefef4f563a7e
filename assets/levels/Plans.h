#pragma once
// Every room plan whose shell the asset build draws.
#include "levels/Baths.h"
#include "levels/Lobby.h"
#include "levels/SmallRooms.h"

namespace level {

// clang-format off
inline constexpr const RoomPlan* kRoomPlans[] = {
    &kLobbyPlan,
    &kLobbyRestRoomPlan,
    &kStaffRoomPlan,
    &kDiningRoomPlan,
    &kBathPassPlan,
    &kDatuiManPlan,
    &kDatuiWomanPlan,
    &kBathRoomMenPlan,
    &kBathRoomWomenPlan,
};
// clang-format on

}  // namespace level
