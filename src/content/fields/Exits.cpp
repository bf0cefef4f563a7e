#include "content/fields/Exits.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "content/Services.h"
#include "content/fields/FieldFactory.h"
#include "scene/Personal.h"

namespace {

using F = FieldId;
using E = ExitEffect;
constexpr bool kWalk = true, kAction = false, kSilent = true, kSound = false;
constexpr int32_t kBoilerAward = 20;

// clang-format off
constexpr ExitRow kExits[] = {
    {F::Soto,             "entrance",      F::Lobby,            {0, 0.35f, -12.0f},     0,   kWalk,   kSilent, E::LeaveOutdoors},
    {F::Soto,             "path",          F::Sandou,           {0, 0.35f, 13.0f},      180, kWalk,   kSilent},
    {F::Lobby,            "front door",    F::Soto,             {0, 0.7f, 37.0f},       180, kAction, kSound},
    {F::Lobby,            "toilet door",   F::LobbyRestRoom,    {0, 0.35f, -1.0f},      0,   kAction, kSound},
    {F::Lobby,            "stairs",        F::F3,               {8.0f, 0.35f, 7.0f},    180, kWalk,   kSilent},
    {F::Lobby,            "bath passage",  F::Bath_Pass,        {5.1f, 0.95f, 0},       -90, kWalk,   kSilent},
    {F::Lobby,            "staff door",    F::Staff_Room,       {0, 0.35f, -2.3f},      0,   kAction, kSound},
    {F::Lobby,            "dining door",   F::Dining_Room,      {-3.3f, 0, -3.0f},      90,  kAction, kSound},
    {F::Lobby,            "dining door 2", F::Dining_Room,      {-3.3f, 0, 6.7f},       90,  kAction, kSound},
    {F::LobbyRestRoom,    "door",          F::Lobby,            {-10.0f, 0.5f, 13.0f},  180, kAction, kSound},
    {F::Staff_Room,       "door",          F::Lobby,            {12.0f, 0, 13.2f},      270, kAction, kSound},
    {F::Dining_Room,      "door",          F::Lobby,            {2.3f, 0, 32.0f},       270, kAction, kSilent},
    {F::Dining_Room,      "door in",       F::Lobby,            {2.3f, 0, 41.7f},       270, kAction, kSound, E::DiningEnteredInside},
    {F::Bath_Pass,        "lobby",         F::Lobby,            {1.0f, 0, 42.3f},       90,  kWalk,   kSilent},
    {F::Bath_Pass,        "men's bath",    F::Bath_Datui_Man,   {-1.95f, 0, -1.8f},     0,   kAction, kSound},
    {F::Bath_Pass,        "women's bath",  F::Bath_Datui_Woman, {-3.17f, 0, -1.8f},     0,   kAction, kSound},
    {F::Bath_Datui_Man,   "entrance",      F::Bath_Pass,        {-0.85f, 0, 0.8f},      180, kAction, kSound},
    {F::Bath_Datui_Man,   "bath door",     F::Bath_Room_Man,    {0, 0, -4.2f},          0,   kAction, kSound},
    {F::Bath_Datui_Woman, "entrance",      F::Bath_Pass,        {-3.0f, 0, 0.8f},       180, kAction, kSound},
    {F::Bath_Datui_Woman, "bath door",     F::Bath_Room_Woman,  {-10.0f, 0, -4.2f},     0,   kAction, kSound},
    {F::Bath_Room_Man,    "door",          F::Bath_Datui_Man,   {1.1f, 0, 1.8f},        180, kAction, kSound},
    {F::Bath_Room_Woman,  "door",          F::Bath_Datui_Woman, {-6.1f, 0, 1.8f},       180, kAction, kSound},
    {F::F3,               "stairs",        F::Lobby,            {8.72f, 3.14f, 26.0f},  0,   kWalk,   kSilent},
    {F::F3,               "guest room",    F::Guest_Room,       {-3.95f, 0.4f, -2.27f}, 90,  kAction, kSound},
    {F::F3,               "men's toilet",  F::Rest_Men,         {0, 0, -2.3f},          0,   kAction, kSound},
    {F::F3,               "women's toilet",F::Rest_Women,       {0, 0, -2.3f},          0,   kAction, kSound},
    {F::F3,               "room 201",      F::Fld_201,          {-3.95f, 0.4f, -2.27f}, 90,  kAction, kSound},
    {F::F3,               "room 202",      F::Fld_202,          {-3.95f, 0.4f, -2.27f}, 90,  kAction, kSound},
    {F::F3,               "room 203",      F::Fld_203,          {-3.95f, 0.4f, -2.27f}, 90,  kAction, kSound},
    {F::F3,               "roof door",     F::Roof_Kai,         {-0.87f, 0, -1.3f},     0,   kAction, kSound},
    {F::F3,               "secret door",   F::SecretRoom,       {-5.6f, 0.35f, -2.2f},  90,  kAction, kSound, E::Stage23},
    {F::Guest_Room,       "door",          F::F3,               {-13.0f, 2.55f, 30.2f}, 0,   kAction, kSound},
    {F::Guest_Room,       "bathroom door", F::Guest_Bath,       {0, 0.35f, 1.3f},       -180,kAction, kSound},
    {F::Guest_Bath,       "door",          F::Guest_Room,       {-2.0f, 0.42f, -1.9f},  0,   kAction, kSound},
    {F::Rest_Men,         "door",          F::F3,               {-18.9f, 2.55f, 24.42f},0,   kAction, kSound},
    {F::Rest_Women,       "door",          F::F3,               {-21.0f, 2.55f, 24.42f},0,   kAction, kSound},
    {F::Roof_Kai,         "lower door",    F::F3,               {2.1f, 2.55f, 11.5f},   -90, kAction, kSound},
    {F::Roof_Kai,         "upper door",    F::Roof_Top,         {4.2f, 0, -1.25f},      270, kAction, kSound},
    {F::Roof_Top,         "door",          F::Roof_Kai,         {0.84f, 2.3f, -1.3f},   0,   kAction, kSound, E::LeaveRoof},
    {F::Roof_Top,         "boiler",        F::Fld_201_Bath,     {-1.4f, 0.35f, -1.0f},  90,  kWalk,   kSilent, E::IntoTheBoiler},
    {F::Fld_201,          "bathroom door", F::Fld_201_Bath,     {0, 0.35f, 1.3f},       -180,kAction, kSound},
    {F::Fld_201_Bath,     "door",          F::Fld_201,          {-2.0f, 0.42f, -1.9f},  0,   kAction, kSound},
    {F::Fld_201,          "key",           F::F3,               {0.5f, 2.55f, 7.0f},    90,  kAction, kSound, E::Stage11},
    {F::Fld_202,          "door",          F::F3,               {0.5f, 2.55f, 18.0f},   90,  kAction, kSound},
    {F::Fld_203,          "door",          F::F3,               {-4.0f, 2.55f, 30.5f},  0,   kAction, kSound, E::EnemyStill},
    {F::Sandou,           "square",        F::Soto,             {0, 0.35f, 2.0f},       0,   kWalk,   kSilent},
    {F::Sandou,           "back",          F::Sandou,           {0, 0.35f, 13.0f},      180, kWalk,   kSilent},
    {F::SecretRoom,       "door",          F::Soto,             {0, 0, 0},              0,   kAction, kSilent, E::Stage24},
};
// clang-format on

void Apply(ExitEffect effect, Personal& player) {
    SaveRecord& record = player.record;
    switch (effect) {
        case E::None:
            break;
        case E::LeaveOutdoors:
            player.ambientSound.reset();
            break;
        case E::DiningEnteredInside:
            record.flagDiningInside = 1;
            break;
        case E::LeaveRoof:
            record.storyStage = std::max(record.storyStage, 9);
            record.EnemyMode = 0;
            break;
        case E::Stage11:
            record.storyStage = 11;
            break;
        case E::Stage23:
            record.storyStage = 23;
            break;
        case E::Stage24:
            record.storyStage = 24;
            break;
        case E::EnemyStill:
            record.EnemyMode = 0;
            break;
        case E::IntoTheBoiler:
            record.EnemyMode = 0;
            content::Services(*player.library).Award(kBoilerAward);
            break;
    }
}

}  // namespace

std::span<const ExitRow> ExitTable() {
    return kExits;
}

int ExitIndex(FieldId from, const char* trigger) {
    for (size_t i = 0; i < std::size(kExits); ++i) {
        if (kExits[i].from == from && std::strcmp(kExits[i].trigger, trigger) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TakeExit(Scene& field, const ExitRow& exit) {
    std::unique_ptr<Scene> next = MakeFieldOf(exit.to);
    if (!next) return;
    Personal& player = *field.player;
    if (!exit.silent) {
        player.doorSound.position.x = player.Position().x;
        player.doorSound.position.z = player.Position().z;
        player.doorSound.volume = 1.0f;
        player.doorSound.filter = VoiceFilter{};  // clear of the pickup cue's muffle
        player.doorSound.Play();
    }
    Apply(exit.effect, player);
    ChangeField(field, std::move(next), exit.yaw, exit.spawn);
}
