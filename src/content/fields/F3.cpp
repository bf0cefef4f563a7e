#include "content/fields/F3.h"

#include <algorithm>

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/Decor.h"
#include "content/fields/FieldTable.h"
#include "levels/Upstairs.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

using content::StageBelow;

constexpr float kFloor = level::kF3Floor;
constexpr float kLamp = level::kF3Ceiling;
constexpr float kWindow = kFloor + 1.5f;
constexpr content::Shading kAlarmLamp{.emissive = {1.0f, 0.12f, 0.08f}, .emissiveIntensity = 1.0f};

// clang-format off
const Placement kEvents[] = {
    // what                model                           position                      rotation
    {Make<drawObj>,    AssetRow("f2.x"),             {0, 0, 0}},
    {Make<Ev::Shutter>, -1,                          {3.0f, kFloor, -0.2f},        {0, 90, 0}},
    // The shutter's control panel on the corridor wall beside it, its lamp burning red.
    {Make<drawObj>,    Ev::kCubeModel,               {2.93f, kFloor + 1.3f, 1.3f}, {0, 0, 0},   {0.06f, 0.36f, 0.26f}},
    {Make<drawObj>,    Ev::kCubeModel,               {2.89f, kFloor + 1.42f, 1.3f}, {0, 0, 0},  {0.03f, 0.04f, 0.04f}, content::kAlways, &kAlarmLamp},
    {Make<Ev::BoukaSwitch>, -1,                      {2.45f, kFloor + 0.8f, 1.3f}, {0, 0, 0},   {0.9f, 1.6f, 0.9f}, StageBelow(Ev::kShutterRaisedStage)},
    {Make<Ev::Keikou>,    -1,         {8.2f, kLamp, 6.0f},          {0, 90, 0}},
    {Make<Ev::Keikou>,    -1,         {1.35f, kLamp, 3.0f},         {0, 90, 0}},
    {Make<Ev::Keikou>,    -1,         {1.35f, kLamp, 14.5f},        {0, 90, 0}},
    {Make<Ev::Keikou>,    -1,         {1.35f, kLamp, 25.0f},        {0, 90, 0}},
    {Make<Ev::Keikou>,    -1,         {-8.0f, kLamp, 31.1f}},
    {Make<Ev::Denki>,    -1,          {-19.9f, kLamp, 26.5f}},
    {Make<Ev::Mado_S>,    -1,         {-20.0f, kWindow, 32.9f}},
    {Make<Ev::Mado_S>,    -1,         {-15.0f, kWindow, 32.9f}},
    {Make<Ev::Mado_S>,    -1,         {-11.0f, kWindow, 32.9f}},
    {Make<Ev::Mado_S>,    -1,         {-2.0f, kWindow, 32.9f}},
    // The lounge nook: two vending machines, a waste bin.
    {Make<Ev::Zihanki>, -1,        {3.45f, kFloor, 32.5f}},
    {Make<Ev::Zihanki>, -1,        {4.3f, kFloor, 32.5f}},
    {Make<drawHitObj>, AssetRow("trashbox.x"),       {4.7f, kFloor, 29.75f}},
    {Make<Ev::F3_Zihanki>, -1,                      {3.45f, kFloor + 0.8f, 31.9f}, {0, 0, 0},  {0.8f, 1.6f, 1.0f}},
    {Make<Ev::F3_Zihanki>, -1,                      {4.3f, kFloor + 0.8f, 31.9f},  {0, 0, 0},  {0.8f, 1.6f, 1.0f}},
    {Make<Ev::Syoukaki>,   AssetRow("syoukaki.x"),  {2.85f, kFloor, 32.55f},       {0, 0, 0},  {1, 1, 1},  content::KeyNotTaken(2)},
    {Make<Ev::DustMemo>,   -1,                      {4.2f, kFloor + 0.6f, 29.75f}, {0, 0, 0},  {1.2f, 1.2f, 1.0f}},
    // Tables with chairs: one in the west corridor, one in the north corridor.
    {Make<drawHitObj>, AssetRow("table.x"),          {-8.0f, kFloor, 32.4f}},
    {Make<drawHitObj>, AssetRow("chair.x"),          {-8.85f, kFloor, 32.4f},      {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("chair.x"),          {-7.15f, kFloor, 32.4f},      {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("table.x"),          {0.15f, kFloor, 12.5f},       {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("chair.x"),          {0.15f, kFloor, 11.65f},      {0, 180, 0}},
    {Make<drawHitObj>, AssetRow("chair.x"),          {0.15f, kFloor, 13.35f}},
    // The emergency exit at the south end of the north corridor.
    {Make<drawObj>,    AssetRow("exit_door_waku.x"), {1.35f, kFloor, -1.12f},      {0, 180, 0}},
    {Make<drawObj>,    AssetRow("exit_door.x"),      {1.76f, kFloor, -1.12f},      {0, 180, 0}},
    {Make<drawObj>,    AssetRow("exit.x"),           {1.35f, kFloor + 2.15f, -1.2f}, {0, 180, 0}},
    {Make<Ev::F3_EXIT>,    -1,                       {1.55f, kFloor + 0.8f, -0.7f},  {0, 0, 0},  {1.2f, 1.6f, 0.8f}},
    {Make<Ev::FishGhost>,  -1,                       {0, 0, 0},                      {0, 0, 0},  {1, 1, 1},  content::StageFrom(20)},
    // The opening's walk to the guest room, and its skip.
    {Make<Ev::IntroF2Cam>, -1,                       {0, 0, 0},                      {0, 0, 0},  {1, 1, 1},  content::StageIs(Ev::kSquareSeenStage)},
    {Make<Ev::IntroCut>,   -1,                       {0, 0, 0},                      {0, 0, 0},  {1, 1, 1},  content::StageIs(Ev::kSquareSeenStage)},
};

const ExitPlacement kExits[] = {
    // trigger            position                   size                  door   yaw
    {"stairs",         {8.2f, 0.8f, 8.3f},         {2.8f, 1.6f, 0.9f}},
    {"room 201",       {-0.2f, kFloor, 7.0f},      {1, 1, 1},            MakeExit<Ev::Door201>, -90},
    {"room 202",       {-0.2f, kFloor, 18.0f},     {1, 1, 1},            MakeExit<Ev::Door202>, -90},
    {"roof door",      {2.9f, kFloor, 11.5f},      {1, 1, 1},            MakeExit<Ev::DoorRoof>, 90},
    {"room 203",       {-4.0f, kFloor, 29.4f},     {1, 1, 1},            MakeExit<Ev::Door203>, 180},
    {"guest room",     {-13.0f, kFloor, 29.4f},    {1, 1, 1},            content::kDoor, 180},
    {"men's toilet",   {-18.9f, kFloor, 23.6f},    {1, 1, 1},            content::kDoor, 180},
    {"women's toilet", {-21.0f, kFloor, 23.6f},    {1, 1, 1},            content::kDoor, 180},
    {"secret door",    {-22.4f, kFloor, 31.1f},    {1, 1, 1},            MakeExit<Ev::Secret_Door>, -90},
};
// clang-format on

// Dim and cold: a few tubes along a long corridor at night.
constexpr content::RoomLight kLight{
    .sunPosition = {1.0f, 40.0f, 15.0f},
    .sunTarget = {1.0f, 0, 14.0f},
    .sunColour = {0.5f, 0.52f, 0.55f, 0.75f},
    .fogColour = {0.015f, 0.015f, 0.025f},
    .fogStart = 8.0f,
    .fogEnd = 30.0f,
    .shadowFar = 45.0f,
    .lightValue = 36.0f,
    .reverb = 0,
};

// Where the parts of the floor meet: the camera rules read the player's place against these.
constexpr float kCorridorEast = 2.9f;   // the north corridor's east wall; the passage beyond
constexpr float kStairwellWest = 6.7f;  // the stairwell from here east
constexpr float kPassageNorth = 0.8f;   // the passage's north wall
constexpr float kWestCorridor = 29.4f;  // the west corridor from here north
constexpr float kAlcoveEast = -17.6f;   // the toilets' alcove from here west, south of the corridor
constexpr float kCameraHeight = kFloor + 2.2f;
constexpr float kCameraLead = 3.5f;  // the corridors' camera stands this far ahead

}  // namespace

void F3::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::F3,
                               .plan = level::kF3Plan,
                               .light = kLight,
                               .events = kEvents,
                               .exits = kExits,
                               .boxMin = {-23, -2, -2},
                               .boxMax = {10, 6, 33}});
}

// The rules in order, each later one overriding the earlier: the north corridor seen from ahead
// along its axis; the west corridor likewise along its own; the alcove from the corridor across
// it; the passage from the corridor's south-west corner; the stairwell from above its foot.
void F3::Update() {
    const glm::vec3 at = player->Position();
    glm::vec3 eye{1.35f, kCameraHeight, std::clamp(at.z + kCameraLead, 2.0f, 32.4f)};
    if (at.z > kWestCorridor)
        eye = {std::clamp(at.x + kCameraLead, -21.0f, 4.6f), kCameraHeight, 31.1f};
    if (at.x < kAlcoveEast && at.z < kWestCorridor) eye = {-20.0f, kCameraHeight, 32.5f};
    if (at.x > kCorridorEast && at.z < kPassageNorth) eye = {0.1f, kCameraHeight, -1.0f};
    // On the landing at the top of the flight the passage's view holds, so that the way on shows.
    if (at.x > kStairwellWest && at.z > kPassageNorth) eye = {8.2f, kCameraHeight, 10.7f};
    content::WatchFrom(*this, eye);
}

}  // namespace Fld
