#include "content/events/Pickups.h"

#include <algorithm>

#include "content/Inventory.h"
#include "content/Services.h"
#include "content/events/Examine.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"
#include "world/EnemyState.h"

namespace Ev {
namespace {

using content::KeyHeld;
using content::KeyTaken;
using content::KeyUsedUp;
using content::SetKeyHeld;

constexpr int32_t kNone = -1;
constexpr int32_t kKeyBoxKey = 5;
// Within this box around the item a player reaches it, standing on the floor below it.
constexpr glm::vec3 kReach{1.2f, 2.4f, 1.2f};

constexpr bool kGlints = true;
constexpr glm::vec3 kGlint{1.0f, 0.85f, 0.55f};
constexpr float kGlintStrength = 1.0f;

constexpr int32_t kFrontDoorStage = 18;  // the front-door key has been found

}  // namespace

namespace pickup {
// clang-format off
const PickupRow kDining_Key{u"noname", 3, {u"Ev_Dining_Key_0"}, kNone, false, kGlints, nullptr, nullptr};
// It hangs in the key box, which key 5 opens.
const PickupRow kKey203{u"Key203", 6, {u"Ev_Key203_0"}, kNone, false, kGlints, nullptr,
    [](const SaveRecord& record) { return KeyUsedUp(record, kKeyBoxKey); }};
const PickupRow kGenkanKey{u"GenkanKey", 7, {u"Ev_GenkanKey_0"}, kNone, false, kGlints,
    [](SaveRecord& record) {
        record.storyStage = std::max(record.storyStage, kFrontDoorStage);
        record.EnemyMode = kEnemyChasing;
    }, nullptr};
const PickupRow kRest_Women_Key{u"Rest_Women_Key", 1, {u"Ev_Rest_Women_Key_0"}, kNone, false, kGlints,
    [](SaveRecord& record) { record.EnemyMode = kEnemyChasing; }, nullptr};
const PickupRow kSyoukaki{u"Syoukaki", 2, {u"Ev_Syoukaki_0"}, 15, true, false, nullptr, nullptr};
// Taking it wakes the ghost at the far side of the dining room, still for now.
const PickupRow kWood_Chair{u"Wood_Chair", 4, {u"Ev_Dining_Room_1"}, kNone, false, kGlints,
    [](SaveRecord& record) {
        record.enemyPos = {0, 0.35f, 2.0f};
        record.enemyYaw = 90;
        record.EnemyMode = kEnemyAbsent;
    }, nullptr};
const PickupRow kRazikase{u"Razikase", kKeyBoxKey, {u"Ev_Bath_Room_Man_0"}, 19, false, false, nullptr, nullptr};
// clang-format on
}  // namespace pickup

Pickup::Pickup(const PickupRow& row) : row_(row) {
    MakeTrigger(trigger);
    trigger.parent = &item.world;
    trigger.scale = kReach;
    if (row.glints) {
        item.emissive = kGlint;
        item.emissiveIntensity = kGlintStrength;
    }
    meshes.push_back(&item);
    meshes.push_back(&trigger);
    for (const char16_t* key : row.lines) {
        if (key) box_.AddLine(key);
    }
    box_.Register(*this);
}

bool Pickup::Taken() const {
    return KeyTaken(player->record, row_.key);
}

void Pickup::Take() {
    SaveRecord& record = player->record;
    record.itemTaken[static_cast<size_t>(row_.key)] = 1;
    SetKeyHeld(record, row_.key, true);
    if (row_.alsoTaken) row_.alsoTaken(record);
    if (row_.achievement != kNone) content::Services(*library).Award(row_.achievement);
}

void Pickup::Update() {
    const bool offered = !row_.offered || row_.offered(player->record);
    if (!Taken() && offered && Examined(trigger, *player)) {
        Show(box_, *player);
        PlayPickupCue(*player);
        if (row_.takenOnExamine) Take();
    }
    if (Finished(box_, *this) && !Taken()) Take();
    item.hidden = Taken() && !box_.IsOpen() ? 1 : 0;
}

Razikase::Razikase() : Pickup(pickup::kRazikase), music_(AssetRow("suzumusi.wav")) {
    constexpr float kVolume = 0.7f;
    constexpr VoiceFilter kThroughTheSteam{.frequency = 0.25f, .oneOverQ = 1.0f};
    music_.loop = 1;
    music_.volume = kVolume;
    music_.filter = kThroughTheSteam;
    sounds.push_back(&music_);
}

void Razikase::Update() {
    Pickup::Update();
    if (Taken()) {
        music_.FadeOutAndRewind(0);
    } else {
        PlayAt(music_, item.position);
    }
}

KeyDesk::KeyDesk() : openSound_(AssetRow("dooropen.wav")) {
    MakeTrigger(trigger);
    meshes.push_back(&trigger);
    sounds.push_back(&openSound_);
    locked_.AddLine(u"Ev_Staff_Room_1");
    unlocking_.AddLine(u"Ev_Staff_Room_2");
    open_.AddLine(u"Ev_Staff_Room_3");
    for (TextBox* box : {&locked_, &unlocking_, &open_}) box->Register(*this);
}

void KeyDesk::Update() {
    SaveRecord& record = player->record;
    if (Examined(trigger, *player)) {
        if (!KeyTaken(record, kKeyBoxKey)) {
            Show(locked_, *player);
        } else if (KeyHeld(record, kKeyBoxKey)) {
            SetKeyHeld(record, kKeyBoxKey, false);
            Show(unlocking_, *player);
            PlayAt(openSound_, trigger.position);
        } else {
            Show(open_, *player);
        }
    }
    for (TextBox* box : {&locked_, &unlocking_, &open_}) Finished(*box, *this);
}

}  // namespace Ev
