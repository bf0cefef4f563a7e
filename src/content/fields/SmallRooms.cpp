// The small rooms off the lobby. Each is watched from a high corner across from its door, so a
// player coming in walks towards the camera.
#include "content/fields/SmallRooms.h"

#include "content/events/Blocks.h"
#include "content/events/Decor.h"
#include "content/fields/FieldTable.h"
#include "levels/SmallRooms.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

// A dim room lit from above, its light warm.
constexpr content::RoomLight IndoorLight(uint32_t reverb) {
    return {.sunPosition = {0.5f, 30.0f, -2.0f},
            .sunTarget = {0, 0, 0},
            .sunColour = {0.6f, 0.55f, 0.48f, 0.8f},
            .fogColour = {0.02f, 0.02f, 0.03f},
            .fogStart = 6.0f,
            .fogEnd = 22.0f,
            .shadowFar = 20.0f,
            .lightValue = 40.0f,
            .reverb = reverb};
}

// The dining room is the largest of them, watched from its far corner: its fog closes in later.
constexpr content::RoomLight kDiningLight = [] {
    content::RoomLight light = IndoorLight(27);
    light.fogStart = 12.0f;
    light.fogEnd = 32.0f;
    return light;
}();

// clang-format off
const Placement kRestRoomEvents[] = {
    {Make<drawObj>,    AssetRow("restroom.x"),  {0, 0, 0}},
    {Make<drawObj>,    AssetRow("tpaper.x"),    {1.9f, 0.7f, 2.2f},   {0, 90, 0}},
    {Make<drawObj>,    AssetRow("tdact.x"),     {-1.0f, 2.3f, 2.9f}},
    {Make<drawHitObj>, AssetRow("tsink.x"),     {-1.6f, 0, 1.2f},     {0, -90, 0}},
    {Make<Ev::Toile>, -1,     {1.2f, 0, 2.4f},      {0, 0, 0}},
    {Make<Ev::Denki>, -1,     {0, 2.6f, 0.5f}},
};
const ExitPlacement kRestRoomExits[] = {
    {"door", {0, 0, -1.9f}, {1, 1, 1}, content::kDoor, 180},
};

const Placement kStaffEvents[] = {
    {Make<drawObj>,    AssetRow("staffroom.x"), {0, 0, 0}},
    {Make<drawHitObj>, AssetRow("lack.x"),      {-4.2f, 0, 1.0f},     {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("lack.x"),      {-4.2f, 0, 3.0f},     {0, -90, 0}},
    // The whiteboard by the door, where the camera in the far corner shows it.
    {Make<drawHitObj>, AssetRow("whitebord.x"), {-2.6f, 0, -2.7f},    {0, 180, 0}},
    {Make<Ev::WhiteBord>, -1,  {-2.6f, 0.8f, -2.1f},  {0, 0, 0},   {1.8f, 1.6f, 1.0f}},
    {Make<drawHitObj>, AssetRow("desk.x"),      {-1.0f, 0, 1.0f}},
    {Make<drawHitObj>, AssetRow("desk.x"),      {1.0f, 0, 1.0f}},
    {Make<drawHitObj>, AssetRow("desk.x"),      {-1.0f, 0, 2.6f},     {0, 180, 0}},
    {Make<drawHitObj>, AssetRow("desk.x"),      {1.0f, 0, 2.6f},      {0, 180, 0}},
    {Make<drawHitObj>, AssetRow("desk.x"),      {3.2f, 0, -1.5f},     {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("dining_chair.x"), {-1.0f, 0, 0.35f}, {0, 180, 0}},
    {Make<drawHitObj>, AssetRow("dining_chair.x"), {1.0f, 0, 0.35f}, {0, 180, 0}},
    // The key box on the west wall; the key of room 203 hangs inside, for whoever opens it.
    {Make<drawObj>,    AssetRow("kagidana.x"), {-4.55f, 1.2f, -1.0f}, {0, -90, 0}},
    {Make<Ev::Key203>, AssetRow("key.x"),      {-4.45f, 1.2f, -1.0f}, {0, -90, 0}, {1, 1, 1}, content::KeyNotTaken(6)},
    {Make<Ev::KeyDesk>, -1,    {-3.9f, 0.8f, -1.0f},  {0, 0, 0},   {1.0f, 1.6f, 1.2f}},
    {Make<Ev::MasterDesk>, -1, {3.2f, 0.6f, -1.5f},   {0, 0, 0},   {2.4f, 1.2f, 1.8f}},
    {Make<Ev::Desk>,   -1,     {-1.0f, 0.6f, 0.8f},   {0, 0, 0},   {1.8f, 1.2f, 2.0f}},
    {Make<Ev::Desk>,   -1,     {1.0f, 0.6f, 0.8f},    {0, 0, 0},   {1.8f, 1.2f, 2.0f}},
    {Make<Ev::Desk>,   -1,     {-1.0f, 0.6f, 3.0f},   {0, 0, 0},   {1.8f, 1.2f, 2.0f}},
    {Make<Ev::Desk>,   -1,     {1.0f, 0.6f, 3.0f},    {0, 0, 0},   {1.8f, 1.2f, 2.0f}},
    {Make<Ev::Mado_S>, -1,    {4.38f, 1.5f, 1.5f},   {0, 90, 0}},
    {Make<Ev::Keikou>, -1,    {0, 2.6f, 1.5f}},
};
const ExitPlacement kStaffExits[] = {
    {"door", {0, 0, -2.9f}, {1, 1, 1}, MakeExit<Ev::Lobby_Door>, 180},
};

const Placement kDiningEvents[] = {
    {Make<drawObj>,    AssetRow("dining_room.x"),  {0, 0, 0}},
    {Make<drawHitObj>, AssetRow("dining_table.x"), {1.0f, 0, -2.0f}},
    {Make<drawHitObj>, AssetRow("dining_table.x"), {4.0f, 0, -2.0f}},
    {Make<drawHitObj>, AssetRow("dining_table.x"), {1.0f, 0, 2.0f}},
    {Make<drawHitObj>, AssetRow("dining_table.x"), {4.0f, 0, 2.0f}},
    {Make<drawHitObj>, AssetRow("dining_table.x"), {1.0f, 0, 6.0f}},
    {Make<drawHitObj>, AssetRow("dining_table.x"), {4.0f, 0, 6.0f}},
    {Make<drawHitObj>, AssetRow("dining_chair.x"), {1.0f, 0, -2.6f}, {0, 180, 0}},
    {Make<drawHitObj>, AssetRow("dining_chair.x"), {1.0f, 0, -1.4f},  {0, 0, 0}},
    {Make<drawHitObj>, AssetRow("dining_chair.x"), {4.0f, 0, 1.4f},  {0, 180, 0}},
    {Make<drawHitObj>, AssetRow("dining_chair.x"), {4.0f, 0, 2.6f},   {0, 0, 0}},
    {Make<drawHitObj>, AssetRow("dining_chair.x"), {1.0f, 0, 6.6f},   {0, 0, 0}},
    {Make<Ev::Wood_Chair>, AssetRow("key.x"),      {1.0f, 0.02f, 6.6f}, {0, 60, 0}, {1, 1, 1}, content::KeyNotTaken(4)},
    {Make<Ev::Keikou>, -1,       {2.5f, 3.0f, 0}},
    {Make<Ev::Keikou>, -1,       {2.5f, 3.0f, 5.0f}},
    {Make<Ev::Mado_S>, -1,       {6.88f, 1.6f, 0},    {0, 90, 0}},
    {Make<Ev::Mado_S>, -1,       {6.88f, 1.6f, 5.0f}, {0, 90, 0}},
};
const ExitPlacement kDiningExits[] = {
    {"door",    {-3.9f, 0, -3.0f}, {1, 1, 1}, content::kDoor, -90},
    {"door in", {-3.9f, 0, 6.7f},  {1, 1, 1}, MakeExit<Ev::Dining_Door_In>, -90},
};
// clang-format on

}  // namespace

void LobbyRestRoom::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::LobbyRestRoom,
                               .plan = level::kLobbyRestRoomPlan,
                               .light = IndoorLight(6),
                               .events = kRestRoomEvents,
                               .exits = kRestRoomExits,
                               .boxMin = {-2.2f, -1, -2.2f},
                               .boxMax = {2.2f, 4, 3.2f}});
}

void Staff_Room::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::Staff_Room,
                               .plan = level::kStaffRoomPlan,
                               .light = IndoorLight(25),
                               .events = kStaffEvents,
                               .exits = kStaffExits,
                               .boxMin = {-4.7f, -1, -3.2f},
                               .boxMax = {4.7f, 4, 5.2f}});
}

void Dining_Room::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::Dining_Room,
                               .plan = level::kDiningRoomPlan,
                               .light = kDiningLight,
                               .events = kDiningEvents,
                               .exits = kDiningExits,
                               .boxMin = {-4.2f, -1, -5.2f},
                               .boxMax = {7.2f, 4, 9.2f}});
}

void LobbyRestRoom::Update() {
    content::WatchFrom(*this, {1.75f, 2.35f, 2.75f});
}

void Staff_Room::Update() {
    content::WatchFrom(*this, {4.2f, 2.35f, 4.7f});
}

void Dining_Room::Update() {
    content::WatchFrom(*this, {6.7f, 2.75f, 8.7f});
}

}  // namespace Fld
