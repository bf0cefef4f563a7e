// The rooms off the guest floor: the two public toilets and the stair hall, each watched from a
// high corner across from its door (the toilets' above the cubicles, facing the mirror), and the
// roof, where the camera follows the player.
#include "content/fields/UpstairsRooms.h"

#include <cstdlib>
#include <iterator>
#include <memory>

#include "content/events/Blocks.h"
#include "content/events/CamChar.h"
#include "content/events/Decor.h"
#include "content/fields/FieldTable.h"
#include "levels/Upstairs.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

// A tiled room under one fluorescent tube: bright and a little cold.
constexpr content::RoomLight kToiletLight{
    .sunPosition = {0.5f, 30.0f, -1.0f},
    .sunTarget = {0, 0, 0},
    .sunColour = {0.62f, 0.64f, 0.66f, 0.8f},
    .fogColour = {0.02f, 0.02f, 0.03f},
    .fogStart = 6.0f,
    .fogEnd = 20.0f,
    .shadowFar = 20.0f,
    .lightValue = 40.0f,
    .reverb = 0,
};

// A bare concrete stairwell lit from one lamp.
constexpr content::RoomLight kStairHallLight{
    .sunPosition = {0.3f, 30.0f, 1.0f},
    .sunTarget = {0, 0, 1.0f},
    .sunColour = {0.52f, 0.5f, 0.47f, 0.75f},
    .fogColour = {0.02f, 0.02f, 0.03f},
    .fogStart = 6.0f,
    .fogEnd = 20.0f,
    .shadowFar = 20.0f,
    .lightValue = 38.0f,
    .reverb = 0,
};

// Moonlight over the roof; the fog closes in short of the sky dome (radius 40), so the night
// beyond the parapet is the fog's blue.
constexpr content::RoomLight kRoofLight{
    .sunPosition = {-10.0f, 60.0f, 20.0f},
    .sunTarget = {0, 0, 0},
    .sunColour = {0.5f, 0.55f, 0.72f, 0.85f},
    .fogColour = {0.1f, 0.11f, 0.24f},
    .fogStart = 10.0f,
    .fogEnd = 38.0f,
    .shadowFar = 40.0f,
    .lightValue = 40.0f,
    .reverb = 0,
};

constexpr float kStallBack = 3.1f - 0.29f;  // a toilet's origin against the cubicles' back wall
constexpr float kHinge = level::kStallFront;
// The men's toilet's three stall doors, their hinges' x.
constexpr float kStallHinges[] = {-0.95f, 0.25f, 1.45f};

// The camera looks down across the parapet from high above the roof: the dome hangs low enough
// that its rim stays below every ray past the roof's edge, so there is sky where the yard below
// would be.
constexpr glm::vec3 kSkyBelowTheRoof{0, -30.0f, 0};
// The yard far below the roof, lost in the fog: what the steepest rays past the edge meet below
// the dome's rim.
constexpr glm::vec3 kYardBelow{0, -25.0f, 0}, kYardSize{400.0f, 1.0f, 400.0f};

// clang-format off
const Placement kRestMenEvents[] = {
    {Make<drawObj>,    AssetRow("public_rest.x"), {0, 0, 0}},
    {Make<Ev::Toile>, -1,       {-0.6f, 0, kStallBack}},
    {Make<Ev::Toile>, -1,       {0.6f, 0, kStallBack}},
    {Make<Ev::Toile>, -1,       {1.8f, 0, kStallBack}},
    {Make<drawHitObj>, AssetRow("tsink.x"),       {-2.23f, 0, -0.7f},   {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("tsink.x"),       {-2.23f, 0, 0.5f},    {0, -90, 0}},
    {Make<drawObj>,    AssetRow("tdact.x"),       {-1.8f, 2.3f, 3.1f}},
    {Make<Ev::Keikou>,    -1,      {0, level::kRestCeiling, -0.5f}},
    // A sheet pinned on the wall beside the mirror, scrawled over.
    {Make<drawObj>,    Ev::kCubeModel,            {-2.58f, 1.3f, -1.45f}, {0, 0, 0},  {0.01f, 0.4f, 0.3f}},
    {Make<Ev::ToileMemo>, -1,      {-2.1f, 0.8f, -1.45f}, {0, 0, 0},   {1.0f, 1.6f, 0.8f}},
};

const Placement kRestWomenEvents[] = {
    {Make<drawObj>,    AssetRow("women_rest.x"),  {0, 0, 0}},
    {Make<Ev::Toile>, -1,       {0.6f, 0, kStallBack}},
    {Make<Ev::Rest_Men_door>, -1,   {-2.15f, 0, kHinge}},
    {Make<Ev::Rest_Men_door>, -1,   {-0.95f, 0, kHinge}},
    {Make<Ev::Rest_Men_door>,    -1,   {0.25f, 0, kHinge},   {0, -70, 0}},
    {Make<drawHitObj>, AssetRow("tsink.x"),       {2.23f, 0, -0.7f},    {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("tsink.x"),       {2.23f, 0, 0.5f},     {0, 90, 0}},
    {Make<drawObj>,    AssetRow("tdact.x"),       {1.8f, 2.3f, 3.1f}},
    {Make<Ev::Keikou>,    -1,      {0, level::kRestCeiling, -0.5f}},
    {Make<Ev::Rest_Women_Key>, AssetRow("key.x"), {0.3f, 0.02f, 2.3f}, {0, 20, 0}, {1, 1, 1}, content::KeyNotTaken(1)},
    {Make<Ev::Rest_Women_Text>, -1, {1.9f, 0.8f, -0.1f},  {0, 0, 0},   {1.0f, 1.6f, 1.8f}},
};

const ExitPlacement kRestExits[] = {
    {"door", {0, 0, -2.9f}, {1, 1, 1}, content::kDoor, 180},
};
const ExitPlacement kRestWomenExits[] = {
    {"door", {0, 0, -2.9f}, {1, 1, 1}, MakeExit<Ev::Rest_Women_Door>, 180},
};

const Placement kRoofKaiEvents[] = {
    {Make<drawObj>,    AssetRow("roof_kai.x"),    {0, 0, 0}},
    {Make<Ev::Mado_S>,    -1,      {1.0f, level::kRoofKaiHalf + 1.5f, 4.3f}},
    {Make<Ev::Denki>,    -1,       {0, level::kRoofKaiCeiling, 1.8f}},
};

const ExitPlacement kRoofKaiExits[] = {
    {"lower door", {-0.87f, 0, -2.0f},                  {1, 1, 1}, content::kDoor, 180},
    {"upper door", {0.84f, level::kRoofKaiUpper, -2.0f}, {1, 1, 1}, content::kDoor, 180},
};

const Placement kRoofTopEvents[] = {
    {Make<Ev::CamChar>, -1,                       {-3.5f, 6.0f, 0}},
    {Make<drawObj>,    AssetRow("roof_top.x"),    {0, 0, 0}},
    {Make<drawObj>,    AssetRow("sky.x"),         kSkyBelowTheRoof,     {0, 0, 0},   {5, 5, 5}, content::kAlways, &content::kUnlitSky},
    {Make<drawObj>,    Ev::kCubeModel,            kYardBelow,           {0, 0, 0},   kYardSize, content::kAlways, &content::kUnlitSky},
    {Make<Ev::Boiler>, -1,                        {-5.0f, 0, 6.4f}},
    {Make<Ev::Mado_S>,    -1,      {5.0f, 1.5f, 0.3f},   {0, 90, 0}},
};

const ExitPlacement kRoofTopExits[] = {
    {"door",   {5.0f, 0, -1.25f},  {1, 1, 1},         MakeExit<Ev::DoorRoofTop>,  90},
    // Walked into once the boiler's loose panel has fallen.
    {"boiler", {-5.0f, 0.5f, 6.05f}, {0.9f, 1.0f, 0.3f}, MakeExit<Ev::BoilerGap>},
};
// clang-format on

// From the corner across from the door; at the cubicles or in one, from above their front line,
// looking down past the partitions that would hide the player from the corner.
void WatchToilet(Scene& field, const glm::vec3& corner) {
    const glm::vec3 at = field.player->Position();
    constexpr float kOverThePartition = level::kRestCeiling - 0.2f;
    constexpr float kAtTheCubicles = kHinge - 0.5f;
    content::WatchFrom(field,
                       at.z > kAtTheCubicles ? glm::vec3(at.x, kOverThePartition, kHinge) : corner);
}

}  // namespace

void Rest_Men::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::Rest_Men,
                               .plan = level::kRestMenPlan,
                               .light = kToiletLight,
                               .events = kRestMenEvents,
                               .exits = kRestExits,
                               .boxMin = {-2.6f, -1, -3.1f},
                               .boxMax = {2.6f, 4, 3.3f}});
    // Which stall holds the key is drawn afresh at every visit.
    const size_t keyStall = static_cast<size_t>(std::rand()) % std::size(kStallHinges);
    for (size_t i = 0; i < std::size(kStallHinges); ++i) {
        auto stall = std::make_unique<Ev::Rest_Men_Toile>(i != keyStall);
        stall->Hang({kStallHinges[i], 0, kHinge});
        AppendChild(std::move(stall));
    }
    content::PlaceMirror(*this, {-2.37f, 1.35f, -0.1f}, 1.7f, 0.7f, -90);
}

void Rest_Women::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::Rest_Women,
                               .plan = level::kRestWomenPlan,
                               .light = kToiletLight,
                               .events = kRestWomenEvents,
                               .exits = kRestWomenExits,
                               .boxMin = {-2.6f, -1, -3.1f},
                               .boxMax = {2.6f, 4, 3.3f}});
    content::PlaceMirror(*this, {2.37f, 1.35f, -0.1f}, 1.7f, 0.7f, 90);
}

void Roof_Kai::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::Roof_Kai,
                               .plan = level::kRoofKaiPlan,
                               .light = kStairHallLight,
                               .events = kRoofKaiEvents,
                               .exits = kRoofKaiExits,
                               .boxMin = {-2.2f, -1, -2.2f},
                               .boxMax = {2.2f, 5, 4.4f}});
}

void Roof_Top::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::Roof_Top,
                               .plan = level::kRoofTopPlan,
                               .light = kRoofLight,
                               .events = kRoofTopEvents,
                               .exits = kRoofTopExits,
                               .boxMin = {-9.2f, -1, -7.2f},
                               .boxMax = {8.2f, 10, 7.2f}});
}

void Rest_Men::Update() {
    WatchToilet(*this, {2.15f, 2.35f, 2.85f});
}

void Rest_Women::Update() {
    WatchToilet(*this, {-2.15f, 2.35f, 2.85f});
}

void Roof_Kai::Update() {
    content::WatchFrom(*this, {-1.75f, 4.3f, 4.0f});
}

}  // namespace Fld
