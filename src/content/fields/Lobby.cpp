#include "content/fields/Lobby.h"

#include <algorithm>

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/Decor.h"
#include "content/fields/FieldTable.h"
#include "levels/Lobby.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

// clang-format off
const Placement kEvents[] = {
    // what                model                        position                 rotation       scale
    {Make<drawObj>,    AssetRow("lobby.x"),       {0, 0, 0}},
    {Make<drawObj>,    AssetRow("kaiga.x"),       {-11.35f, 1.6f, 2.0f},   {0, -90, 0}},
    {Make<drawObj>,    AssetRow("rezi.x"),        {8.9f, 0.9f, 1.0f},      {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("kagidana.x"),    {13.2f, 0, 2.0f},        {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("tv.x"),          {-5.0f, 0, 0.8f},        {0, 0, 0}},
    {Make<Ev::TV>,     -1,                        {-5.0f, 0.6f, 0.1f},     {0, 0, 0},   {1.4f, 1.2f, 1.0f}},
    {Make<drawHitObj>, AssetRow("table.x"),       {-5.0f, 0, -3.0f}},
    {Make<Ev::Chair>, -1,{-6.3f, 0, -3.0f},       {0, -90, 0}},
    {Make<Ev::Chair>, -1,{-3.7f, 0, -3.0f},       {0, 90, 0}},
    {Make<Ev::LobbyChair>, -1,{-5.0f, 0, -4.3f},  {0, 180, 0}},
    {Make<drawHitObj>, AssetRow("table.x"),       {4.0f, 0, -5.0f}},
    {Make<drawHitObj>, AssetRow("chair.x"),       {2.8f, 0, -5.0f},        {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("chair.x"),       {5.2f, 0, -5.0f},        {0, 90, 0}},
    {Make<Ev::Ueki>, -1,     {-2.4f, 0, -9.6f}},
    {Make<Ev::Ueki>, -1,     {2.4f, 0, -9.6f}},
    {Make<drawHitObj>, AssetRow("pot.x"),         {-11.0f, 0, 14.0f}},
    {Make<Ev::LobbyWindow>, -1,        {-11.35f, 1.5f, -5.0f},  {0, -90, 0}},
    {Make<Ev::LobbyWindow>, -1,        {-11.35f, 1.5f, 9.0f},   {0, -90, 0}},
    {Make<Ev::Denki>, -1,       {0, 3.0f, 2.0f}},
    {Make<Ev::Denki>, -1,       {-5.0f, 3.0f, -3.0f}},
    {Make<Ev::Light>, -1,       {-6.0f, 3.0f, 9.0f}},
    {Make<Ev::Light>, -1,       {6.0f, 3.0f, -5.0f}},
    {Make<Ev::Light>, -1,       {9.5f, 3.0f, 2.0f}},
    {Make<Ev::Light>, -1,       {7.0f, 5.6f, 26.0f}},
    {Make<Ev::Ueki>, -1,        {3.0f, 0, 14.0f}},
    {Make<drawObj>, AssetRow("kaiga.x"), {13.35f, 1.7f, 2.0f}, {0, 90, 0}},
    {Make<Ev::Keikou>, -1,      {0.5f, 3.0f, 25.0f}},
    {Make<Ev::Keikou>, -1,      {0.5f, 3.0f, 37.0f}},
    {Make<drawObj>,    AssetRow("kaiga.x"),       {-2.35f, 1.6f, 30.0f},   {0, -90, 0}},
    {Make<Ev::EnemyWalk>, -1,   {0, 0, 0},  {0, 0, 0}, {1, 1, 1}, content::StageBelow(13)},
};

const ExitPlacement kExits[] = {
    // trigger           position                 size                 door   yaw
    {"front door",    {0, 0, -14.4f},           {1, 1, 1},            MakeExit<Ev::LobbyIriguti>, 180},
    {"toilet door",   {-10.0f, 0, 14.4f},       {1, 1, 1},            content::kDoor, 0},
    {"staff door",    {13.4f, 0, 13.2f},        {1, 1, 1},            MakeExit<Ev::Staff_Door>, 90},
    {"dining door",   {3.4f, 0, 32.0f},         {1, 1, 1},            MakeExit<Ev::Dining_Door>, 90},
    {"dining door 2", {3.4f, 0, 41.7f},         {1, 1, 1},            MakeExit<Ev::Dining_Door2>, 90},
    {"stairs",        {9.25f, 3.6f, 22.6f},      {2.5f, 1.6f, 0.8f}},
    {"bath passage",  {-4.2f, 0.8f, 42.3f},      {0.6f, 1.6f, 2.2f}},
};
// clang-format on

constexpr content::RoomLight kLight{
    .sunPosition = {0, 40.3f, 1.0f},
    .sunTarget = {0, 0, 0},
    .sunColour = {0.62f, 0.56f, 0.48f, 0.8f},
    .fogColour = {0.02f, 0.02f, 0.035f},
    .fogStart = 14.0f,
    .fogEnd = 48.0f,
    .shadowFar = 42.5f,
    .lightValue = 34.5f,
    .reverb = 0,
};

// The stair hall's camera zone.
constexpr glm::vec3 kStairZone{7.0f, 2.8f, 26.0f}, kStairZoneSize{7.0f, 5.6f, 8.0f};
constexpr float kCorridorStart = 19.0f;  // past this z the corridor's view takes over

// In the hall the camera stands a few steps from the player towards the hall's middle, above
// head height: open floor lies between them wherever the player goes, and the player keeps
// their size on screen.
constexpr glm::vec3 kHallMiddle{1.0f, 0, 2.0f};
constexpr float kStandOff = 4.5f, kEyeHeight = 2.4f;
// In the corridor it follows this far behind, along the corridor, never back into the hall.
constexpr float kCorridorLag = 6.0f, kCorridorEyeFrom = 16.0f;

glm::vec3 HallEye(const glm::vec3& at) {
    glm::vec3 toMiddle = kHallMiddle - glm::vec3(at.x, 0, at.z);
    const float distance = glm::length(toMiddle);
    toMiddle = distance > 0.5f ? toMiddle / distance : glm::vec3(0, 0, -1);
    return glm::vec3(at.x, 0, at.z) + toMiddle * kStandOff + glm::vec3(0, kEyeHeight, 0);
}

CObjMesh* AddZone(Scene& field, const glm::vec3& centre, const glm::vec3& size) {
    auto zone = std::make_unique<Ev::HitFlag>();
    zone->mesh.position = centre;
    zone->mesh.scale = size;
    CObjMesh* mesh = &zone->mesh;
    field.AppendChild(std::move(zone));
    return mesh;
}

}  // namespace

void Lobby::Init(Personal*, MyLibrary*) {
    stairZone_ = AddZone(*this, kStairZone, kStairZoneSize);
    content::BuildRoom(*this, {.id = FieldId::Lobby,
                               .plan = level::kLobbyPlan,
                               .light = kLight,
                               .events = kEvents,
                               .exits = kExits,
                               .boxMin = {-12, -1, -15},
                               .boxMax = {14, 8, 45}});
}

// The rules in order, each later one overriding the earlier: in the hall the camera follows a
// few steps off; the corridor is seen along its length from behind (with its own light); the
// stair hall from across the corridor.
void Lobby::Update() {
    FieldLighting& lighting = content::Services(*library).Lighting();
    lighting.fieldLightValue = 34.5f;
    lighting.shadowFar = 42.5f;
    lighting.sunPosition = {0, 40.3f, 1.0f};
    lighting.sunTarget = {0, 0, 0};
    const glm::vec3 at = player->Position();
    glm::vec3 eye = HallEye(at);
    glm::vec3 target = at;
    if (at.z > kCorridorStart) {
        eye = {0.5f, 2.5f, std::max(kCorridorEyeFrom, at.z - kCorridorLag)};
        target = {0, 0, std::max(21.5f, at.z)};
        lighting.fieldLightValue = 37.1f;
        lighting.shadowFar = 42.0f;
        lighting.sunPosition = {0, 40.3f, 28.9f};
        lighting.sunTarget = {0, 0, 28.5f};
    }
    if (stairZone_->collider.hitState == HIT_BY_PLAYER) {
        eye = {-1.9f, 1.0f, 25.5f};
        target = {at.x, at.y, 25.5f};
    }
    Camera& camera = content::Services(*library).LiveCamera();
    camera.eye = eye;
    camera.at = target;
}

}  // namespace Fld
