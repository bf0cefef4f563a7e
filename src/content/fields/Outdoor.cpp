// Outside the inn at night: the square (field 1) and the approach path (field 22). Both stand in
// the same night: the sky dome, the moon, the ground with the inn's facade and the wood, the lit
// windows and lanterns; the crickets sing while the player is out of doors.
#include "content/fields/Outdoor.h"

#include <vector>

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/CamChar.h"
#include "content/events/Ending.h"
#include "content/events/FishGhost.h"
#include "content/events/Outdoors.h"
#include "content/events/PhoneBooth.h"
#include "content/fields/FieldTable.h"
#include "levels/Outdoor.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

using content::Shading;
using content::StageFrom;
using content::StageIs;
using Ev::CamChar;
using Ev::HitBox;

// The stages at which the square has its crickets and its way back down the path: neither during
// the opening's first look at the square (0) nor in the ending (24).
constexpr int32_t kFirstOutdoorStage = 1, kLastOutdoorStage = 23, kEndingStage = 24;

// The sky neither casts shadows nor takes the moon's light; the ground and the wood take it but
// cast none: the wood's shadows barely show in the moonlight, and drawing its 44,000 triangles
// into the shadow map cost a frame on this machine a third of its time.
constexpr Shading kGround{.castsShadow = 0};
constexpr Shading kMoon{.castsShadow = 0,
                        .diffuseStrength = 1.0f,
                        .emissive = {0.78f, 0.82f, 0.95f},
                        .emissiveIntensity = 1.0f};
constexpr Shading kLamplight{
    .castsShadow = 0, .emissive = {1.0f, 0.7f, 0.36f}, .emissiveIntensity = 1.0f};

constexpr glm::vec3 kMoonPosition{0, 36.0f, 0}, kMoonSize{1.6f, 1.6f, 1.6f};

// clang-format off
const Placement kSandouEvents[] = {
    // what               model                         position           rotation   scale
    {Make<CamChar>,   -1,                           {0, 3.0f, -7.0f}},
    {Make<drawObj>,   AssetRow("sky.x"),            {0, 0, 0},         {0, 0, 0}, {5, 5, 5},  content::kAlways, &content::kUnlitSky},
    {Make<drawObj>,   AssetRow("hiroba.x"),         {0, 0, 0},         {0, 0, 0}, {1, 1, 1},  content::kAlways, &kGround},
    {Make<drawObj>,   AssetRow("hiroba_kusa.x"),    {0, 0, 0},         {0, 0, 0}, {1, 1, 1},  content::kAlways, &kGround},
    {Make<drawObj>,   AssetRow("sphere.x"),         kMoonPosition,     {0, 0, 0}, kMoonSize,  content::kAlways, &kMoon},
    {Make<Ev::SandouEvent>, -1, {0, 0, 0}},
};
const ExitPlacement kSandouExits[] = {
    // Touched once the player's centre is past z ±14.
    {"square", {0, 0.8f, 14.93f},  {8.6f, 1.6f, 1.14f}},
    {"back",   {0, 0.8f, -14.93f}, {8.6f, 1.6f, 1.14f}},
};

const Placement kSotoEvents[] = {
    {Make<CamChar>,    -1,                           {0, 2.8f, -7.5f}},
    // The path's sides between the trunks, and the wood along the square's south edge.
    {Make<HitBox>,     -1,                           {-4.8f, 1.0f, 5.0f},   {0, 0, 0}, {1, 2, 16}},
    {Make<HitBox>,     -1,                           {4.8f, 1.0f, 5.0f},    {0, 0, 0}, {1, 2, 16}},
    {Make<HitBox>,     -1,                           {-11.15f, 1.0f, 12.5f},{0, 0, 0}, {13.7f, 2, 1}},
    {Make<HitBox>,     -1,                           {11.15f, 1.0f, 12.5f}, {0, 0, 0}, {13.7f, 2, 1}},
    // The opening's first look at the square, and its skip.
    {Make<Ev::IntroSotoCam>, -1,                     {0, 0, 0},             {0, 0, 0}, {1, 1, 1},  StageIs(Ev::kOpeningStage)},
    {Make<Ev::IntroCut>, -1,                         {0, 0, 0},             {0, 0, 0}, {1, 1, 1},  StageIs(Ev::kOpeningStage)},
    // The telephone booth, its door towards the square's south end.
    {Make<Ev::publictel>, -1,                        {-10.0f, 0, 35.0f}},
    // The notice board on the square's west side, cuttings pinned to its face.
    {Make<drawHitObj>, AssetRow("kabe.x"),           {-4.0f, 0, 24.0f},     {0, 90, 0}, {0.7f, 0.75f, 1}, StageFrom(1)},
    {Make<drawObj>,    Ev::kCubeModel,               {-3.93f, 1.3f, 24.0f}, {0, 0, 0}, {0.01f, 0.45f, 0.6f}, StageFrom(1)},
    {Make<Ev::Case>,   -1,                           {-3.4f, 0.8f, 24.0f},  {0, 0, 0}, {1.0f, 1.6f, 1.4f}, StageFrom(1)},
};
// What the square shows and no one touches: the inn's entrance with its glass doors and name
// board, the sky, the ground, the moon, the wood.
const Placement kSquareScenery[] = {
    {Make<drawObj>,    AssetRow("iriguti.x"),        {0, level::kForecourtTop, 41.3f}},
    {Make<drawObj>,    AssetRow("irigutidoor.x"),    {-0.45f, level::kForecourtTop, 41.26f}},
    {Make<drawObj>,    AssetRow("irigutidoor.x"),    {0.45f, level::kForecourtTop, 41.34f}},
    {Make<drawObj>,    AssetRow("innmora.x"),        {0, 4.95f, 41.1f}},
    {Make<drawObj>,    AssetRow("sky.x"),            {0, 0, 20.0f},         {0, 0, 0}, {8, 8, 8},  content::kAlways, &content::kUnlitSky},
    {Make<drawObj>,    AssetRow("hiroba.x"),         {0, 0, 0},             {0, 0, 0}, {1, 1, 1},  content::kAlways, &kGround},
    {Make<drawObj>,    AssetRow("sphere.x"),         kMoonPosition,         {0, 0, 0}, kMoonSize,  content::kAlways, &kMoon},
    {Make<drawObj>,    AssetRow("hiroba_kusa.x"),    {0, 0, 0},             {0, 0, 0}, {1, 1, 1},  content::kAlways, &kGround},
};
const ExitPlacement kSotoExits[] = {
    {"entrance", {0, 0.4f, 40.3f}, {5.2f, 6.6f, 1.6f}},
};
const ExitPlacement kSotoPathExits[] = {
    {"path",     {0, 0.8f, -2.0f}, {8.6f, 1.6f, 1.6f}},
};
// clang-format on

// Moonlight from high in the south, under a blue night fog.
constexpr content::RoomLight Moonlight(float fogStart, float fogEnd, float shadowFar,
                                       const glm::vec3& target) {
    return {.sunPosition = {0.1f, 70.1f, -30.1f},
            .sunTarget = target,
            .sunColour = {0.45f, 0.5f, 0.68f, 0.45f},
            .fogColour = {0.14f, 0.14f, 0.29f},
            .fogStart = fogStart,
            .fogEnd = fogEnd,
            .shadowFar = shadowFar,
            .lightValue = 43.6f,
            .reverb = 1};  // forest
}

// The ground and the wood: the walls of the shell and the trunks that stand where the player
// walks.
void AddOutdoorColliders(Scene& field) {
    content::AddRoomColliders(field, level::kHirobaPlan);
    std::vector<level::Block> trunks;
    for (const level::Plant& plant : level::kHirobaGrove.plants) {
        if (!plant.solid) continue;
        const float r = level::TrunkRadius(plant);
        trunks.push_back({{plant.x - r, 0, plant.z - r},
                          {plant.x + r, level::kBroadleafCrownBase, plant.z + r},
                          level::Finish::Bark});
    }
    content::AddRoomColliders(field, {.shell = level::kHirobaGrove.shell, .blocks = trunks});
}

// The lit windows, the entrance hall and the lanterns' fire boxes, each a glowing box.
void PlaceLamps(Scene& field) {
    std::vector<Placement> lamps;
    for (const level::outdoor::LampBox& lamp : level::kHirobaLamps) {
        const glm::vec3 min{lamp.min.x, lamp.min.y, lamp.min.z};
        const glm::vec3 max{lamp.max.x, lamp.max.y, lamp.max.z};
        lamps.push_back({Make<drawObj>, Ev::kCubeModel, (min + max) * 0.5f, glm::vec3(0.0f),
                         max - min, content::kAlways, &kLamplight});
    }
    content::PlaceEvents(field, lamps);
}

}  // namespace

void PlaceSquareAtNight(Scene& field) {
    content::PlaceEvents(field, kSquareScenery);
    PlaceLamps(field);
    content::ApplyLight(field, Moonlight(4.0f, 55.0f, 90.0f, {0, 0, 20.0f}));
}

void Soto::Init(Personal* player, MyLibrary* library) {
    player->record.currentField = static_cast<int32_t>(FieldId::Soto);
    content::Services(*library).Counters().pathVisits = 0;
    AddOutdoorColliders(*this);
    content::PlaceEvents(*this, kSotoEvents);
    PlaceSquareAtNight(*this);
    content::PlaceExits(*this, FieldId::Soto, kSotoExits);
    const int32_t stage = player->record.storyStage;
    if (stage >= kFirstOutdoorStage && stage <= kLastOutdoorStage) {
        AppendChild(std::make_unique<Ev::SotoEvent>());
        AppendChild(std::make_unique<Ev::TenYen>());
        content::PlaceExits(*this, FieldId::Soto, kSotoPathExits);
    }
    if (stage == kEndingStage) AppendChild(std::make_unique<Ev::Ending>());
    SetRoomBox({-level::kSquareHalfWidth, -1, -3}, {level::kSquareHalfWidth, 20, level::kFacade});
}

void Sandou::Init(Personal* player, MyLibrary*) {
    player->record.currentField = static_cast<int32_t>(FieldId::Sandou);
    AddOutdoorColliders(*this);
    content::PlaceEvents(*this, kSandouEvents);
    PlaceLamps(*this);
    content::PlaceExits(*this, FieldId::Sandou, kSandouExits);
    content::ApplyLight(*this, Moonlight(-0.1f, 36.1f, 75.4f, {0, 0, 0}));
    SetRoomBox({-level::kPathHalfWidth, 0, -15}, {level::kPathHalfWidth, 10, 15});
}

}  // namespace Fld
