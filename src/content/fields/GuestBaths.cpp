// The unit bathrooms of the guest room and of room 201, built on one plan: the door back to the
// room in the north wall, the toilet and the basin either side of it, the tub in the south-east
// corner and a duct's mouth low in the west wall, grilled in the guest room's and open in 201's.
#include "content/events/Blocks.h"
#include "content/events/Decor.h"
#include "content/fields/FieldTable.h"
#include "content/fields/GuestRooms.h"
#include "levels/GuestRooms.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

// clang-format off
const Placement kBathFittings[] = {
    {Make<drawObj>,    AssetRow("guestbath.x"),    {0, 0, 0}},
    {Make<drawObj>,    AssetRow("bathdoorwaku.x"), {0, 0, 2.215f}},
    {Make<Ev::bathdoor>, -1,                      {-0.375f, 0, 2.195f}},
    {Make<Ev::Toile>, -1,        {-1.61f, 0, 1.2f},    {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("tsink.x"),        {1.54f, 0, 1.3f},     {0, 90, 0}},
    {Make<Ev::Keikou>,    -1,       {-0.2f, level::kGuestBathCeiling, 0.2f},
                                                                         {0, 90, 0}, {0.7f, 1, 1}},
    // The fan's switch on the wall beside the door, and the duct it draws through.
    {Make<drawObj>,    Ev::kCubeModel, {0.8f, 1.3f, 2.2f},  {0, 0, 0}, {0.08f, 0.12f, 0.02f}},
    {Make<Ev::AirSwitch>, -1,       {0.8f, 0.8f, 1.8f},  {0, 0, 0}, {0.9f, 1.6f, 0.8f}},
    {Make<Ev::Air>,    -1,          {-1.8f, 0.5f, -1.0f}},
    {Make<Ev::EnemyGuestBath>, -1,   {0, 0, 0},  {0, 0, 0}, {1, 1, 1}, content::StageBelow(8)},
    {Make<Ev::ActiveEnemy>, -1,      {0, 0, 0},  {0, 0, 0}, {1, 1, 1}, content::StageBelow(8)},
};

// The duct's grille, screwed over its mouth.
const Placement kGrilledDuct[] = {
    {Make<drawObj>,    AssetRow("tdact.x"),        {-1.885f, 0.47f, -1.0f}, {0, -90, 0}, {2.8f, 2.33f, 1}},
};
// The grille kicked out, lying below the open mouth.
const Placement kOpenDuct[] = {
    {Make<drawObj>,    AssetRow("tdact.x"),        {-1.45f, 0.03f, -1.55f}, {90, 20, 0}, {2.8f, 2.33f, 1}},
};

const ExitPlacement kExits[] = {
    {"door", {0, 1.0f, 2.0f}, {0.9f, 2.0f, 0.4f}},
};
// clang-format on

constexpr content::RoomLight kLight{.sunPosition = {0.2f, 30.0f, -0.5f},
                                    .sunTarget = {0, 0, 0},
                                    .sunColour = {0.7f, 0.7f, 0.68f, 0.85f},
                                    .fogColour = {0.02f, 0.02f, 0.03f},
                                    .fogStart = 6.0f,
                                    .fogEnd = 18.0f,
                                    .shadowFar = 16.0f,
                                    .lightValue = 40.0f,
                                    .reverb = 5};

// Near the door the bathroom is watched from its south wall, the door, the toilet and the basin in
// view; further in, from above the basin, the tub and the duct in view.
constexpr glm::vec3 kSouthEye{-0.6f, 2.05f, -1.95f}, kNorthEye{1.5f, 2.05f, 2.1f};
constexpr float kSouthEyeFrom = 0.3f;  // the player's z

void BuildBath(Scene& field, FieldId id, std::span<const Placement> duct) {
    content::BuildRoom(field, {.id = id,
                               .plan = level::kGuestBathPlan,
                               .light = kLight,
                               .events = kBathFittings,
                               .exits = kExits,
                               .boxMin = {-2.1f, -1.0f, -2.3f},
                               .boxMax = {1.9f, 3.5f, 2.5f}});
    content::PlaceEvents(field, duct);
}

}  // namespace

void UnitBath::Update() {
    content::WatchFrom(*this, player->Position().z > kSouthEyeFrom ? kSouthEye : kNorthEye);
}

void Guest_Bath::Init(Personal*, MyLibrary*) {
    BuildBath(*this, FieldId::Guest_Bath, kGrilledDuct);
}

void Fld_201_Bath::Init(Personal*, MyLibrary*) {
    BuildBath(*this, FieldId::Fld_201_Bath, kOpenDuct);
}

}  // namespace Fld
