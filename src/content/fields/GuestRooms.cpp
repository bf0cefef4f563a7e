// The tatami rooms of the upper floor, all built on one plan: the player's room, furnished and
// lit warm; rooms 201 to 203, left half-empty in a cold, dim light; and the hidden room.
#include "content/fields/GuestRooms.h"

#include <memory>

#include "content/events/Blocks.h"
#include "content/events/Darts.h"
#include "content/events/Decor.h"
#include "content/events/Doors.h"
#include "content/events/Furniture.h"
#include "content/events/HitPuzzles.h"
#include "content/fields/FieldTable.h"
#include "levels/GuestRooms.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

using level::kAlcoveTop;
using level::kTatamiTop;

// The low table: the catalogue's table cut down to knee height and widened.
constexpr glm::vec3 kLowTable{1.5f, 0.62f, 1.5f};
constexpr float kLowTableTop = 0.55f * 0.62f;
// The medicine bottle at the size the guest's hand holds it (its model is in the body's units,
// its origin in the middle of its body, 1.5 above its foot).
constexpr float kBottleScale = 0.045f;
constexpr float kBottleOriginAboveFoot = 1.5f * kBottleScale;

// Where the bathroom's door is examined from: the mats in front of it.
constexpr glm::vec3 kBathroomDoorReach{-2.0f, kTatamiTop + 1.0f, -2.55f};
constexpr glm::vec3 kBathroomDoorSize{0.9f, 2.0f, 0.4f};
// The dartboard's nail, on the face of the east wall.
constexpr glm::vec3 kDartboardNail{3.595f, 1.45f, 1.3f};
// A sheet of paper pinned to a wall.
constexpr glm::vec3 kNotice{0.35f, 0.45f, 0.01f};

// clang-format off
// What every room of the plan shows: its shell, its bathroom's door (frame and leaf, against the
// wall south of the sill) and its window.
const Placement kRoomShell[] = {
    {Make<drawObj>,    AssetRow("room.x"),          {0, 0, 0}},
    {Make<drawObj>,    AssetRow("bathdoorwaku.x"),  {-2.0f, kTatamiTop, -2.715f},   {0, 180, 0}},
    {Make<Ev::bathdoor>, -1,                        {-1.625f, kTatamiTop, -2.695f}, {0, 180, 0}},
    {Make<Ev::Mado_S>,    -1,        {3.58f, 1.45f, 0.2f},           {0, -90, 0}},
};

const Placement kGuestRoomEvents[] = {
    {Make<Ev::Denki>,    -1,         {1.0f, 2.6f, 0.2f}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, -0.3f},   {0, -90, 0}},
    // The closet's middle panel, in the front track: it slides open over its neighbour.
    {Make<Ev::Memo>,     -1,                        {-4.05f, kTatamiTop + 0.5f, 0.6f}, {0, -90, 0}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, 1.5f},    {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("tv.x"),            {3.15f, kTatamiTop, -3.65f},    {0, 135, 0}},
    {Make<drawHitObj>, AssetRow("table.x"),         {1.0f, kTatamiTop, 0.2f},       {0, 0, 0}, kLowTable},
    {Make<drawHitObj>, AssetRow("table.x"),         {-4.15f, kTatamiTop, 2.45f},    {0, 90, 0},
                                                                                    {0.7f, 0.62f, 0.8f}},
    {Make<drawHitObj>, AssetRow("zaisu.x"),         {-0.15f, kTatamiTop, 0.2f},     {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("zaisu.x"),         {2.15f, kTatamiTop, 0.2f},      {0, 90, 0}},
    // Against the east wall, clear of the television's reach: its door opens towards the room.
    {Make<Ev::Reizouko>, -1,                        {3.38f, kTatamiTop, -1.5f},     {0, 90, 0}},
    // The dartboard on the east wall between the window and the alcove, the darts on a shelf
    // beside it; thrown at from the middle of the mats. Both hang from the board's nail.
    {Make<Ev::Darts>,    -1,                        kDartboardNail,                 {0, 90, 0}},
    {Make<Ev::Dartsbord>, -1,                       kDartboardNail,                 {0, 90, 0},  {1, 1, 1},
                                                    content::FlagClear(&SaveRecord::dartsboardTaken)},
    {Make<drawObj>,    AssetRow("tel.x"),           {-4.15f, kTatamiTop + kLowTableTop, 2.45f},
                                                                                    {0, -90, 0}},
    {Make<Ev::Kinko>,    -1,                        {0.1f, kTatamiTop, -3.87f},     {0, 180, 0}},
    {Make<drawObj>,    AssetRow("kaiga.x"),         {2.6f, 1.45f, 3.7f}},
    {Make<drawObj>,    AssetRow("pot.x"),           {2.0f, kAlcoveTop, 3.35f}},
    {Make<Ev::TV>,       -1,                        {2.6f, 0.6f, -3.1f},            {0, 135, 0}, {1.2f, 1.2f, 1.2f}},
    {Make<Ev::Tel>,      -1,                        {-3.6f, 0.6f, 2.45f},           {0, 0, 0},   {1.4f, 1.2f, 1.2f}},
    // The medicine left out on the low table.
    {Make<Ev::Drug>,     -1,                        {1.35f, kTatamiTop + kLowTableTop + kBottleOriginAboveFoot, 0.45f},
                                                                                    {0, 0, 0},   glm::vec3(kBottleScale)},
    // Notices on the entry's walls, clear of the door's reach: the inn's guide, and the night's
    // rule until it is broken.
    {Make<drawObj>,    Ev::kCubeModel,              {-5.2f, 1.5f, -2.84f},          {0, 0, 0},   kNotice},
    {Make<Ev::Tutorial>, -1,                        {-5.2f, 0.8f, -2.5f},           {0, 0, 0},   {0.8f, 1.6f, 0.6f}},
    {Make<drawObj>,    Ev::kCubeModel,              {-5.4f, 1.5f, -1.37f},          {0, 0, 0},   kNotice, content::StageBelow(4)},
    {Make<Ev::DoorText>, -1,                        {-5.4f, 0.8f, -1.6f},           {0, 0, 0},   {0.8f, 1.6f, 0.6f}, content::StageBelow(4)},
    // The door post where a charm was torn off: a strip of its paper is left.
    {Make<drawObj>,    Ev::kCubeModel,              {-6.3f, 1.7f, -1.37f},          {0, 0, 0},   {0.07f, 0.22f, 0.01f}},
    {Make<Ev::F2_DoorText>, -1,                     {-6.0f, 0.8f, -1.52f},          {0, 0, 0},   {0.5f, 1.6f, 0.45f}},
    // The ghost out of the bathroom, once its scare has begun.
    {Make<Ev::EnemyGuestBath>, -1,                  {0, 0, 0},                      {0, 0, 0},   {1, 1, 1},   content::StageIs(7)},
    {Make<Ev::ActiveEnemy>, -1,                     {0, 0, 0},                      {0, 0, 0},   {1, 1, 1},   content::StageIs(7)},
    // The opening's end: the guest shown in, then left alone; and its skip.
    {Make<Ev::IntroGuest>, -1,                      {0, 0, 0},                      {0, 0, 0},   {1, 1, 1},   content::StageIs(Ev::kCorridorSeenStage)},
    {Make<Ev::IntroCut>,   -1,                      {0, 0, 0},                      {0, 0, 0},   {1, 1, 1},   content::StageIs(Ev::kCorridorSeenStage)},
};

// Room 201: the table overturned, a paper door fallen, the key left in the alcove.
const Placement kRoom201Events[] = {
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, -0.3f},   {0, -90, 0}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, 1.5f},    {0, -90, 0}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-3.6f, kTatamiTop + 0.015f, 0.2f}, {90, 70, 0}},
    {Make<drawHitObj>, AssetRow("table.x"),         {0.6f, kTatamiTop + kLowTableTop, -0.6f},
                                                                                    {0, 25, 180}, kLowTable},
    {Make<drawObj>,    AssetRow("key.x"),           {2.9f, kAlcoveTop, 3.3f},       {0, 30, 0}},
    // The fire spreading at the back of the room, clear of the alcove and the doors.
    {Make<Fld::Fire>,    -1,                        {-0.6f, kTatamiTop + 0.02f, 1.6f},  {0, 0, 0}, {1.2f, 0.04f, 1.2f}},
};

// Room 202: a table and one floor chair; the lamp hangs over the open mats, the hand light tied
// to its string.
const Placement kRoom202Events[] = {
    {Make<Ev::Denki202>, -1,         {-1.2f, 2.6f, 0.2f},           {0, 45, 0}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, -0.3f},   {0, -90, 0}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, 0.6f},    {0, -90, 0}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, 1.5f},    {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("table.x"),         {1.0f, kTatamiTop, 0.2f},       {0, 0, 0}, kLowTable},
    {Make<drawHitObj>, AssetRow("zaisu.x"),         {2.15f, kTatamiTop, 0.2f},      {0, 90, 0}},
    {Make<Ev::BathDoor202>, -1,                     kBathroomDoorReach,             {0, 0, 0},   kBathroomDoorSize},
};

// Room 203: the closet half open, a floor chair on its side.
const Placement kRoom203Events[] = {
    {Make<Ev::Denki>,    -1,         {1.0f, 2.6f, 0.2f}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.585f, kTatamiTop, -0.3f},   {0, -90, 0}},
    {Make<drawObj>,    AssetRow("husuma.x"),        {-4.555f, kTatamiTop, 0.3f},    {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("zaisu.x"),         {0.4f, kTatamiTop + 0.2f, 1.2f}, {0, 40, 90}},
    {Make<Ev::BathDoor202>, -1,                     kBathroomDoorReach,             {0, 0, 0},   kBathroomDoorSize},
    // The front-door key in the alcove, in the shadow of its vase.
    {Make<drawObj>,    AssetRow("pot.x"),           {2.4f, kAlcoveTop, 3.35f}},
    {Make<Ev::GenkanKey>, AssetRow("key.x"),        {2.9f, kAlcoveTop, 3.3f},       {0, 30, 0},  {1, 1, 1}, content::KeyNotTaken(7)},
};

// The corridor door stands against the entry's west wall.
constexpr ExitPlacement CorridorDoor(content::ExitMaker door) {
    constexpr level::Point kAt = level::kGuestRoomCorridorDoor;
    return {"door", {kAt.x, kAt.y, kAt.z}, {1, 1, 1}, door, -90};
}
constexpr ExitPlacement kCorridorDoor = CorridorDoor(content::kDoor);
constexpr ExitPlacement kBathroomDoor{"bathroom door", kBathroomDoorReach, kBathroomDoorSize};

// The guest room's bathroom opens after its door has swung open by itself.
constexpr ExitPlacement kGuestBathroomDoor{"bathroom door", kBathroomDoorReach, kBathroomDoorSize,
                                           MakeExit<Ev::ExitFromStage<Ev::kBathroomReachableStage>>};
const ExitPlacement kGuestRoomExits[] = {CorridorDoor(MakeExit<Ev::GuestRoomDoor>), kGuestBathroomDoor};
const ExitPlacement kRoom201Exits[] = {
    kBathroomDoor,
    {"key", {2.6f, kTatamiTop + 0.6f, 2.55f}, {1.6f, 1.2f, 0.6f}},
};
const ExitPlacement kCorridorExits[] = {kCorridorDoor};
const ExitPlacement kRoom203Exits[] = {CorridorDoor(MakeExit<Ev::Door203Exit>)};
const ExitPlacement kHiddenRoomExits[] = {CorridorDoor(MakeExit<Ev::ScDoor>)};
// clang-format on

// The sun stands above the room; the ambient weight in w keeps its corners readable.
constexpr content::RoomLight Light(const glm::vec4& sun, float lightValue) {
    return {.sunPosition = {0.5f, 30.0f, -1.0f},
            .sunTarget = {0, 0, 0},
            .sunColour = sun,
            .fogColour = {0.02f, 0.02f, 0.03f},
            .fogStart = 6.0f,
            .fogEnd = 22.0f,
            .shadowFar = 20.0f,
            .lightValue = lightValue,
            .reverb = 6};
}
constexpr content::RoomLight kEveningLight = Light({0.76f, 0.67f, 0.52f, 0.85f}, 40.0f);
// The guest room later in the night: colder and dimmer.
constexpr content::RoomLight kLateLight = Light({0.46f, 0.46f, 0.52f, 0.7f}, 36.0f);
constexpr int32_t kLateStage = 6;
constexpr content::RoomLight kDisusedLight = Light({0.46f, 0.48f, 0.56f, 0.72f}, 36.0f);
constexpr content::RoomLight kGlaringLight = Light({0.95f, 0.95f, 1.0f, 1.0f}, 50.0f);

constexpr glm::vec3 kRoomBoxMin{-6.8f, -1.0f, -4.3f}, kRoomBoxMax{3.8f, 4.0f, 3.9f};
// The entry, the closet and the bathroom's door are watched from high on the east wall; past the
// table, from the corner by the bathroom's nook, whence the alcove and the window are in view.
constexpr glm::vec3 kEastEye{3.35f, 2.35f, -1.0f}, kCornerEye{-0.35f, 2.35f, -3.85f};
constexpr float kCornerEyeFrom = 0.5f;  // the player's x

// A room of the plan: its own things, its ways out, then its shell and fittings. What stands by
// a door answers before the door when both are in reach.
void BuildTatamiRoom(Scene& field, FieldId id, const content::RoomLight& light,
                     std::span<const Placement> shell, std::span<const ExitPlacement> exits,
                     std::span<const Placement> events) {
    content::BuildRoom(field, {.id = id,
                               .plan = level::kGuestRoomPlan,
                               .light = light,
                               .events = events,
                               .exits = exits,
                               .boxMin = kRoomBoxMin,
                               .boxMax = kRoomBoxMax});
    content::PlaceEvents(field, shell);
}

}  // namespace

void TatamiRoom::Update() {
    content::WatchFrom(*this, player->Position().x > kCornerEyeFrom ? kCornerEye : kEastEye);
}

void Guest_Room::Init(Personal* player, MyLibrary*) {
    const bool late = player->record.storyStage >= kLateStage;
    BuildTatamiRoom(*this, FieldId::Guest_Room, late ? kLateLight : kEveningLight, kRoomShell,
                    kGuestRoomExits, kGuestRoomEvents);
}

void Fld_201::Init(Personal*, MyLibrary*) {
    BuildTatamiRoom(*this, FieldId::Fld_201, kDisusedLight, kRoomShell, kRoom201Exits,
                    kRoom201Events);
    auto door = std::make_unique<Ev::LockedFromOutside>();
    door->Stand(kCorridorDoor.position, kCorridorDoor.yaw);
    AppendChild(std::move(door));
}

void Fld_202::Init(Personal*, MyLibrary*) {
    BuildTatamiRoom(*this, FieldId::Fld_202, kDisusedLight, kRoomShell, kCorridorExits,
                    kRoom202Events);
}

void Fld_203::Init(Personal*, MyLibrary*) {
    BuildTatamiRoom(*this, FieldId::Fld_203, kDisusedLight, kRoomShell, kRoom203Exits,
                    kRoom203Events);
}

void SecretRoom::Init(Personal*, MyLibrary*) {
    BuildTatamiRoom(*this, FieldId::SecretRoom, kGlaringLight, {}, kHiddenRoomExits, {});
    auto shell = std::make_unique<drawObj>();
    shell->mesh.modelIndex = AssetRow("room.x");
    shell->mesh.castsShadow = 0;
    shell->mesh.power = 50.0f;
    AppendChild(std::move(shell));
}

}  // namespace Fld
