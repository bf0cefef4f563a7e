// The baths: the corridor, the two changing rooms and the two baths. The corridor is seen along
// its length from above the lobby's end; the rooms are each watched from a high corner.
#include "content/fields/Baths.h"

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/Decor.h"
#include "content/events/HitPuzzles.h"
#include "content/fields/FieldTable.h"
#include "levels/Baths.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

constexpr uint32_t kBathroomReverb = 5;
constexpr uint32_t kLivingRoomReverb = 6;

// A room lit warm from above with `ambient` light everywhere, its fog `fog` closing in from
// `fogStart` to `fogEnd`.
constexpr content::RoomLight RoomLightOf(float ambient, const glm::vec3& fog, float fogStart,
                                         float fogEnd, uint32_t reverb) {
    return {.sunPosition = {0.5f, 30.0f, -2.0f},
            .sunTarget = {0, 0, 0},
            .sunColour = {0.62f, 0.58f, 0.52f, ambient},
            .fogColour = fog,
            .fogStart = fogStart,
            .fogEnd = fogEnd,
            .shadowFar = 20.0f,
            .lightValue = 40.0f,
            .reverb = reverb};
}

// The corridor (whose reverb is the lobby's) and the changing rooms are dim; the baths are
// bright and hazed with pale steam.
constexpr uint32_t kLobbyReverb = 0;
constexpr content::RoomLight kPassLight =
    RoomLightOf(0.95f, {0.02f, 0.02f, 0.03f}, 8.0f, 26.0f, kLobbyReverb);
constexpr content::RoomLight kDatuiLight =
    RoomLightOf(0.9f, {0.02f, 0.02f, 0.03f}, 6.0f, 22.0f, kLivingRoomReverb);
constexpr content::RoomLight kBathLight =
    RoomLightOf(1.15f, {0.45f, 0.47f, 0.48f}, 1.0f, 20.0f, kBathroomReverb);

// A mirror's glass: centre, size and the way it faces (degrees, 0 towards +z).
struct MirrorPlacement {
    glm::vec3 centre;
    float width, height, yaw;
};

// A room of the baths: the room, its mirror and the corner it is watched from.
struct BathRoom {
    content::Room room;
    MirrorPlacement mirror;
    glm::vec3 eye;
};

void Build(Scene& field, const BathRoom& bath) {
    content::BuildRoom(field, bath.room);
    content::PlaceMirror(field, bath.mirror.centre, bath.mirror.width, bath.mirror.height,
                         bath.mirror.yaw);
}

// clang-format off
// ---- The corridor ----
const Placement kPassEvents[] = {
    {Make<drawObj>,    AssetRow("bath_pass.x"),      {0, 0, 0}},
    {Make<drawHitObj>, AssetRow("bath_bench.x"),     {-4.3f, 0, -0.97f},   {0, 180, 0}},
    {Make<drawObj>,    AssetRow("exit_door_waku.x"), {-5.42f, 0, 0.2f},    {0, -90, 0}},
    {Make<drawObj>,    AssetRow("exit_door.x"),      {-5.44f, 0, -0.21f},  {0, -90, 0}},
    {Make<drawObj>,    AssetRow("exit.x"),           {-5.5f, 2.12f, 0.2f}, {0, -90, 0}},
    {Make<Ev::F3_EXIT>,   -1,                        {-5.0f, 0.8f, 0},     {0, 0, 0},   {0.8f, 1.6f, 1.2f}},
    {Make<Ev::Zihanki>, -1,        {0.6f, 0, 1.35f}},
    {Make<Ev::Keikou>,    -1,         {-2.0f, 3.0f, 0.2f}},
};
const ExitPlacement kPassExits[] = {
    // trigger         position                size
    {"lobby",        {7.3f, 1.4f, 0.2f},     {1.0f, 1.6f, 2.8f}},
    {"men's bath",   {-0.85f, 0.8f, 2.0f},   {0.9f, 1.6f, 1.0f}},
    {"women's bath", {-3.0f, 0.8f, 2.0f},    {0.9f, 1.6f, 1.0f}},
};

// ---- The changing rooms: the glazed door to the bath stands against the north wall, its panel
// stretched to fill the frame ----
const Placement kDatuiManEvents[] = {
    {Make<drawObj>,    AssetRow("bath_datui_man.x"), {0, 0, 0}},
    {Make<drawObj>,    AssetRow("bathdoorwaku.x"),   {1.1f, 0, 2.52f}},
    {Make<drawObj>,    AssetRow("bathdoor.x"),       {0.65f, 0, 2.5f},    {0, 0, 0},    {1.2f, 1, 1}},
    {Make<drawHitObj>, AssetRow("kagidana.x"),       {2.94f, 0, 0.9f},    {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("kagidana.x"),       {2.94f, 0, 1.8f},    {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("bath_bench.x"),     {0, 0, -0.3f}},
    {Make<drawHitObj>, AssetRow("taijukei.x"),       {-2.6f, 0, 1.2f}},
    {Make<Ev::Senpu>,    -1,          {-3.2f, 0, 1.75f},   {0, -45, 0}},
    {Make<Ev::Keikou>,    -1,         {0, level::kDatuiCeiling, 0}},
};
const ExitPlacement kDatuiManExits[] = {
    {"entrance",  {-1.95f, 0.8f, -2.95f}, {0.9f, 1.6f, 0.9f}},
    {"bath door", {1.1f, 0.8f, 2.4f},     {0.9f, 1.6f, 0.4f}},
};

const Placement kDatuiWomanEvents[] = {
    {Make<drawObj>,    AssetRow("bath_datui_woman.x"), {0, 0, 0}},
    {Make<drawObj>,    AssetRow("bathdoorwaku.x"),     {-6.1f, 0, 2.52f}},
    {Make<drawObj>,    AssetRow("bathdoor.x"),         {-6.55f, 0, 2.5f},   {0, 0, 0},   {1.2f, 1, 1}},
    {Make<drawHitObj>, AssetRow("kagidana.x"),         {-7.34f, 0, 0.9f},   {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("kagidana.x"),         {-7.34f, 0, 1.8f},   {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("bath_bench.x"),       {-4.6f, 0, -0.3f}},
    {Make<drawHitObj>, AssetRow("taijukei.x"),         {-2.3f, 0, 1.2f}},
    {Make<Ev::Senpu>,    -1,            {-1.6f, 0, 1.75f},   {0, 45, 0}},
    {Make<Ev::Keikou>,    -1,           {-4.4f, level::kDatuiCeiling, 0}},
    // On the east wall beside the mirror, its head level with the mirror's top: it has stopped at one.
    {Make<Ev::Clock>,     -1,           {-1.3f, 1.84f, -2.05f}, {0, 90, 0}},
    {Make<Ev::Datui_Enemy>, -1,         {0, 0, 0},           {0, 0, 0},   {1, 1, 1},   content::StageBelow(15)},
};
const ExitPlacement kDatuiWomanExits[] = {
    {"entrance",  {-3.17f, 0.8f, -2.95f}, {0.9f, 1.6f, 0.9f}, MakeExit<Ev::Datui_Door>},
    {"bath door", {-6.1f, 0.8f, 2.4f},    {0.9f, 1.6f, 0.4f}, MakeExit<Ev::Datui_Harigami>},
};

// ---- The baths: the door back stands against the south wall ----
const Placement kBathMenEvents[] = {
    {Make<drawObj>,    AssetRow("bath_room_men.x"), {0, 0, 0}},
    {Make<drawObj>,    AssetRow("bathdoorwaku.x"),  {0, 0, -4.92f},       {0, 180, 0}},
    {Make<drawObj>,    AssetRow("bathdoor.x"),      {0.45f, 0, -4.9f},    {0, 180, 0},  {1.2f, 1, 1}},
    {Make<drawObj>,    AssetRow("bath_shower.x"),   {-4.4f, 0, -2.6f},    {0, -90, 0}},
    {Make<drawObj>,    AssetRow("bath_shower.x"),   {-4.4f, 0, -1.2f},    {0, -90, 0}},
    {Make<drawObj>,    AssetRow("bath_shower.x"),   {-4.4f, 0, 0.2f},     {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("bath_chair.x"),    {-3.75f, 0, -2.6f},   {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("bath_chair.x"),    {-3.75f, 0, -1.2f},   {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("bath_chair.x"),    {-3.75f, 0, 0.2f},    {0, -90, 0}},
    {Make<drawHitObj>, AssetRow("bath_oke.x"),      {-4.0f, 0, -2.25f}},
    {Make<drawHitObj>, AssetRow("bath_oke.x"),      {-4.0f, 0, -0.85f}},
    {Make<drawHitObj>, AssetRow("bath_oke.x"),      {-3.75f, 0.17f, 0.2f}},
    {Make<Ev::Razikase>, AssetRow("razikase.x"),    {-4.1f, 0, 1.2f},     {0, -90, 0}},
    {Make<Ev::Mado_S>,    -1,        {0.5f, 1.6f, 4.95f}},
    {Make<Ev::Mado_S>,    -1,        {3.0f, 1.6f, 4.95f}},
};
const ExitPlacement kBathMenExits[] = {
    {"door", {0, 0.8f, -4.81f}, {0.9f, 1.6f, 0.38f}},
};

const Placement kBathWomenEvents[] = {
    {Make<drawObj>,    AssetRow("bath_room_women.x"), {0, 0, 0}},
    {Make<drawObj>,    AssetRow("bathdoorwaku.x"),    {-10.0f, 0, -4.92f}, {0, 180, 0}},
    {Make<drawObj>,    AssetRow("bathdoor.x"),        {-9.55f, 0, -4.9f},  {0, 180, 0}, {1.2f, 1, 1}},
    {Make<drawObj>,    AssetRow("bath_shower.x"),     {-5.6f, 0, -2.6f},   {0, 90, 0}},
    {Make<drawObj>,    AssetRow("bath_shower.x"),     {-5.6f, 0, -1.2f},   {0, 90, 0}},
    {Make<drawObj>,    AssetRow("bath_shower.x"),     {-5.6f, 0, 0.2f},    {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("bath_chair.x"),      {-6.25f, 0, -2.6f},  {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("bath_chair.x"),      {-6.25f, 0, -1.2f},  {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("bath_chair.x"),      {-6.25f, 0, 0.2f},   {0, 90, 0}},
    {Make<drawHitObj>, AssetRow("bath_oke.x"),        {-6.0f, 0, -2.25f}},
    {Make<drawHitObj>, AssetRow("bath_oke.x"),        {-6.25f, 0.17f, -1.2f}},
    {Make<drawHitObj>, AssetRow("bath_oke.x"),        {-6.0f, 0, 0.55f}},
    // Lost on the tub's rim, half in the water.
    {Make<Ev::Dining_Key>, AssetRow("key.x"),         {-10.2f, 0.56f, 2.12f}, {0, 30, 0}, {1, 1, 1}, content::KeyNotTaken(3)},
    {Make<Ev::Mado_S>,    -1,          {-13.0f, 1.6f, 4.95f}},
    {Make<Ev::Mado_S>,    -1,          {-10.5f, 1.6f, 4.95f}},
};
const ExitPlacement kBathWomenExits[] = {
    {"door", {-10.0f, 0.8f, -4.81f}, {0.9f, 1.6f, 0.38f}},
};
// clang-format on

const BathRoom kDatuiMan{.room = {.id = FieldId::Bath_Datui_Man,
                                  .plan = level::kDatuiManPlan,
                                  .light = kDatuiLight,
                                  .events = kDatuiManEvents,
                                  .exits = kDatuiManExits,
                                  .boxMin = {-3.8f, -1, -3.9f},
                                  .boxMax = {3.4f, 4, 2.9f}},
                         .mirror = {{-3.475f, 1.6f, -0.3f}, 1.9f, 0.8f, 90},
                         .eye = {2.9f, 2.35f, -1.2f}};
const BathRoom kDatuiWoman{.room = {.id = FieldId::Bath_Datui_Woman,
                                    .plan = level::kDatuiWomanPlan,
                                    .light = kDatuiLight,
                                    .events = kDatuiWomanEvents,
                                    .exits = kDatuiWomanExits,
                                    .boxMin = {-7.8f, -1, -3.9f},
                                    .boxMax = {-1.0f, 4, 2.9f}},
                           .mirror = {{-1.325f, 1.6f, -0.3f}, 1.9f, 0.8f, -90},
                           .eye = {-7.2f, 2.35f, -1.2f}};
const BathRoom kBathMen{.room = {.id = FieldId::Bath_Room_Man,
                                 .plan = level::kBathRoomMenPlan,
                                 .light = kBathLight,
                                 .events = kBathMenEvents,
                                 .exits = kBathMenExits,
                                 .boxMin = {-4.7f, -1, -5.3f},
                                 .boxMax = {4.7f, 4, 5.3f}},
                        .mirror = {{-4.375f, 1.6f, -1.2f}, 4.0f, 0.5f, 90},
                        .eye = {4.2f, 2.9f, -2.5f}};
const BathRoom kBathWomen{.room = {.id = FieldId::Bath_Room_Woman,
                                   .plan = level::kBathRoomWomenPlan,
                                   .light = kBathLight,
                                   .events = kBathWomenEvents,
                                   .exits = kBathWomenExits,
                                   .boxMin = {-14.7f, -1, -5.3f},
                                   .boxMax = {-5.3f, 4, 5.3f}},
                          .mirror = {{-5.625f, 1.6f, -1.2f}, 4.0f, 0.5f, -90},
                          .eye = {-14.2f, 2.9f, -2.5f}};

// The corridor's camera: above the landing, looking down its length. The passages behind the
// curtains lie out of its sight; a player in one is watched from across the corridor.
constexpr glm::vec3 kPassEye{7.74f, 2.45f, -1.06f}, kPassTarget{6.79f, 2.23f, -0.87f};
constexpr float kPassageStart = level::kBathPassNorth - level::kWallThickness / 2;
constexpr float kAcrossPassageZ = -1.0f, kAcrossPassageY = 2.4f;

}  // namespace

void Bath_Pass::Init(Personal*, MyLibrary*) {
    content::BuildRoom(*this, {.id = FieldId::Bath_Pass,
                               .plan = level::kBathPassPlan,
                               .light = kPassLight,
                               .events = kPassEvents,
                               .exits = kPassExits,
                               .boxMin = {-5.8f, -1, -1.5f},
                               .boxMax = {8.6f, 4, 2.9f}});
}

void Bath_Pass::Update() {
    const glm::vec3 at = player->Position();
    if (at.z > kPassageStart) {
        content::WatchFrom(*this, {at.x, kAcrossPassageY, kAcrossPassageZ});
        return;
    }
    Camera& camera = content::Services(*library).LiveCamera();
    camera.eye = kPassEye;
    camera.at = kPassTarget;
}

void Bath_Datui_Man::Init(Personal*, MyLibrary*) {
    Build(*this, kDatuiMan);
}
void Bath_Datui_Man::Update() {
    content::WatchFrom(*this, kDatuiMan.eye);
}

void Bath_Datui_Woman::Init(Personal*, MyLibrary*) {
    Build(*this, kDatuiWoman);
}
void Bath_Datui_Woman::Update() {
    content::WatchFrom(*this, kDatuiWoman.eye);
}

void Bath_Room_Man::Init(Personal*, MyLibrary*) {
    Build(*this, kBathMen);
}
void Bath_Room_Man::Update() {
    content::WatchFrom(*this, kBathMen.eye);
}

void Bath_Room_Woman::Init(Personal*, MyLibrary*) {
    Build(*this, kBathWomen);
}
void Bath_Room_Woman::Update() {
    content::WatchFrom(*this, kBathWomen.eye);
}

}  // namespace Fld
