#pragma once
// Every room plan whose shell the asset build draws.
#include "levels/Baths.h"
#include "levels/GuestRooms.h"
#include "levels/Lobby.h"
#include "levels/Outdoor.h"
#include "levels/SmallRooms.h"
#include "levels/Upstairs.h"

namespace level {

// One plan a line, so that rooms added side by side merge cleanly.
// clang-format off
inline constexpr const RoomPlan* kRoomPlans[] = {
    &kLobbyPlan,
    &kLobbyRestRoomPlan,
    &kStaffRoomPlan,
    &kDiningRoomPlan,
    &kF3Plan,
    &kRestMenPlan,
    &kRestWomenPlan,
    &kRoofKaiPlan,
    &kRoofTopPlan,
    &kHirobaPlan,
    &kGuestRoomPlan,
    &kGuestBathPlan,
    &kBathPassPlan,
    &kDatuiManPlan,
    &kDatuiWomanPlan,
    &kBathRoomMenPlan,
    &kBathRoomWomenPlan,
};
// clang-format on

}  // namespace level
