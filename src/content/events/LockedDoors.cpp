#include "content/events/LockedDoors.h"

#include <algorithm>
#include <type_traits>

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

constexpr int32_t kNoKey = -1;
constexpr int32_t kExtinguisherKey = 2, kRoom203Key = 6;
constexpr int32_t kRoom201Stage = 11;       // its key has been found inside
constexpr int32_t kRoom203Stage = 17;       // the player has gone into room 203
constexpr int32_t kFrontDoorKeyStage = 18;  // the front-door key has been found in room 203
constexpr int32_t kRoofStage = 9;           // the player has been on the roof
constexpr int32_t kHiddenRoomStage = 22;    // the ghost by the corridor has shown itself twice

void AddLines(TextBox& box, const NoteLines& lines) {
    for (const char16_t* key : lines) {
        if (key) box.AddLine(key);
    }
}

}  // namespace

namespace lock {
// clang-format off
const LockRow kDining_Door{u"Dining_Door", 3, {u"Ev_Lobby_4"}, {u"Ev_Lobby_2"}, {}, true, u"Ev_Lobby_0"};
const LockRow kStaff_Door{u"Staff_Door", 4, {u"Ev_Lobby_4"}, {u"Ev_Lobby_7"}, {}, true, u"Plate_Staff"};
const LockRow kDoor202{u"Door202", 0, {u"Ev_F3_4"}, {u"Ev_F3_5"}, {}, true, u"Ev_F3_3"};
const LockRow kDoorRoof{u"DoorRoof", 1, {u"Ev_F3_4"}, {u"Ev_F3_7"}, {}, true, u"Plate_Roof"};
const LockRow kLobbyIriguti{u"LobbyIriguti", 7, {u"Ev_Lobby1_0"}, {u"Ev_Lobby1_1", u"Ev_Lobby1_2"}, {}, true};
const LockRow kLobby_Door{u"Lobby_Door", kNoKey, {}, {}, {}, false};
const LockRow kDining_Door2{u"Dining_Door2", kNoKey, {u"Ev_Lobby_4"}, {}, {}, true, u"Ev_Lobby_3"};
const LockRow kDining_Door_In{u"Dining_Door_In", kNoKey, {}, {}, {u"Ev_Dining_Room_0"}, false};
const LockRow kDoor201{u"Door201", kNoKey, {u"Ev_F3_4"}, {}, {u"Ev_F3_2"}, true, u"Ev_F3_0"};
const LockRow kDoor203{u"Door203", kNoKey, {u"Ev_F3_4"}, {}, {u"Ev_F31_4"}, true, u"Plate_203"};
const LockRow kDoor203Exit{u"Door203Exit", kRoom203Key, {u"Ev_203_0"}, {u"Ev_203_1"}, {}, true};
const LockRow kDoorRoofTop{u"DoorRoofTop", kNoKey, {}, {}, {u"Ev_203_2"}, false};
const LockRow kSecret_Door{u"Secret_Door", kNoKey, {u"Ev_Secret_Door_0"}, {},
    {u"Ev_Secret_Door_0", u"Ev_Secret_Door_1", u"Ev_Secret_Door_2"}, false};
const LockRow kScDoor{u"ScDoor", kNoKey, {}, {}, {u"Ev_SecretRoom_0", u"Ev_SecretRoom_1", u"Ev_SecretRoom_2"}, false};
const LockRow kDatui_Door{u"Datui_Door", kNoKey, {}, {}, {}, false};
const LockRow kDatui_Harigami{u"Datui_Harigami", kNoKey, {}, {},
    {u"Ev_Bath_Datui_Woman_1", u"Ev_Bath_Datui_Woman_2"}, false};
const LockRow kLockedFromOutside{u"Door", kNoKey, {u"Ev_203_0"}, {}, {}, true};
const LockRow kRest_Women_Door{u"Rest_Women_Door", kNoKey, {u"Ev_Rest_Women_Door_0"}, {}, {}, true};
const LockRow kGuestRoomDoor{u"Door", kNoKey, {u"Ev_Guest_Room_Door_0"}, {}, {}, true};
// clang-format on
}  // namespace lock

template <typename Look>
Locked<Look>::Locked(int32_t exitIndex, const LockRow& row)
    : Look(exitIndex),
      row_(row),
      lockSound_(AssetRow("keylock.wav")),
      openSound_(AssetRow("dooropen.wav")) {
    this->sounds.push_back(&lockSound_);
    this->sounds.push_back(&openSound_);
    for (auto [box, lines] : {std::pair{&locked_, &row.locked},
                              {&unlocking_, &row.unlocking},
                              {&passing_, &row.passing}}) {
        AddLines(*box, *lines);
        if (!box->lines.empty()) box->Register(*this);
    }
    if constexpr (std::is_base_of_v<Door, Look>) {
        if (row.plate) this->ShowPlate(row.plate);
    }
}

template <typename Look>
const SaveRecord& Locked<Look>::Record() const {
    return this->player->record;
}

template <typename Look>
bool Locked<Look>::Open() const {
    return row_.key == kNoKey || content::KeyUsedUp(Record(), row_.key);
}

template <typename Look>
bool Locked<Look>::TellsFirst() const {
    return !passing_.lines.empty();
}

template <typename Look>
void Locked<Look>::Update() {
    Personal& player = *this->player;
    const glm::vec3& at = this->trigger.position;
    if (Examined(this->trigger, player)) {
        SaveRecord& record = player.record;
        if (Open()) {
            if (TellsFirst()) {
                Show(passing_, player);
            } else {
                Pass();
            }
        } else if (row_.key != kNoKey && KeyHeld(record, row_.key) && CanUnlock()) {
            content::SetKeyHeld(record, row_.key, false);
            Show(unlocking_, player);
            PlayAt(openSound_, at);
        } else {
            Show(ShutBox(), player);
            if (row_.rattles) PlayAt(lockSound_, at);
        }
    }
    for (TextBox* box : {&locked_, &unlocking_}) {
        if (!box->lines.empty()) Finished(*box, *this);
    }
    if (!passing_.lines.empty() && Finished(passing_, *this)) Pass();
}

template <typename Look>
void Locked<Look>::Pass() {
    Passed();
    this->Leave();
}

template class Locked<Door>;
template class Locked<ExitBase>;

bool Dining_Door2::Open() const {
    return Record().flagDiningInside != 0;
}

bool Dining_Door_In::TellsFirst() const {
    return Record().flagDiningInside == 0;
}

Door201::Door201(int32_t exitIndex)
    : LockedDoor(exitIndex, lock::kDoor201), fire_(AssetRow("fire.wav")) {
    sounds.push_back(&fire_);
}

bool Door201::Open() const {
    return Record().storyStage >= kRoom201Stage;
}

void Door201::Update() {
    const SaveRecord& record = Record();
    if (!KeyTaken(record, kExtinguisherKey) || KeyHeld(record, kExtinguisherKey)) {
        fire_.loop = 1;
        PlayAt(fire_, trigger.position);
    } else {
        fire_.FadeOutAndRewind(0);
    }
    LockedDoor::Update();
}

bool Door203::Open() const {
    return KeyTaken(Record(), kRoom203Key);
}

bool Door203::TellsFirst() const {
    return Record().storyStage < kRoom203Stage;
}

void Door203::Passed() {
    player->record.storyStage = std::max(player->record.storyStage, kRoom203Stage);
}

Door203Exit::Door203Exit(int32_t exitIndex) : LockedDoor(exitIndex, lock::kDoor203Exit) {
    watched_.AddLine(u"Ev_203_2");
    watched_.Register(*this);
}

void Door203Exit::Update() {
    LockedDoor::Update();
    Finished(watched_, *this);
}

bool Door203Exit::CanUnlock() const {
    return Record().storyStage >= kFrontDoorKeyStage;
}

TextBox& Door203Exit::ShutBox() {
    return CanUnlock() ? LockedDoor::ShutBox() : watched_;
}

bool Rest_Women_Door::Open() const {
    return Record().EnemyMode != kEnemyChasing;
}

void Rest_Women_Door::Passed() {
    player->record.EnemyMode = kEnemyAbsent;
}

bool DoorRoofTop::TellsFirst() const {
    return Record().storyStage < kRoofStage;
}

ScDoor::ScDoor(int32_t exitIndex)
    : LockedDoor(exitIndex, lock::kScDoor), hum_(AssetRow("room.wav")) {
    hum_.loop = 1;
    sounds.push_back(&hum_);
}

void ScDoor::Update() {
    PlayAt(hum_, trigger.position);
    LockedDoor::Update();
}

bool GuestRoomDoor::Open() const {
    constexpr size_t kCharmItem = 4;
    return Record().safeOpened != 0 && Record().itemHeld[kCharmItem] == 0;
}

void GuestRoomDoor::Passed() {
    constexpr int32_t kOutOfTheRoomAward = 13;
    content::Services(*library).Award(kOutOfTheRoomAward);
}

bool Datui_Harigami::TellsFirst() const {
    constexpr int32_t kLostInTheBath = 3;  // the dining room's key
    return !KeyTaken(Record(), kLostInTheBath);
}

bool Secret_Door::Open() const {
    return Record().storyStage >= kHiddenRoomStage;
}

}  // namespace Ev
