#include "content/fields/Retries.h"

#include "content/Inventory.h"
#include "scene/SaveData.h"

namespace {

using F = FieldId;
using R = EnemyRetry;
constexpr bool kTitle = true, kField = false;
constexpr int32_t kAnyOther = -1;

// clang-format off
constexpr RetryRow kRetries[] = {
    // caught in  rebuilt         title   spawn                    yaw  stage enemy      key given, taken back
    {0,           F::TestRoom,    kField, {0, 0, 0},               90,  -1,   R::Still},
    {1,           F::Soto,        kField, {2.5f, 0.35f, 13.5f},    90},
    {4,           F::Lobby,       kField, {12.0f, 0, 13.2f},       90,  15,   R::Keep,   5},
    {8,           F::Bath_Pass,   kField, {-3.0f, 0, 0.8f},        0,   13,   R::Reset},
    {11,          F::Guest_Room,  kField, {-2.0f, 0.42f, -1.9f},   180, 6,    R::Reset},
    {12,          F::Guest_Room,  kField, {-2.0f, 0.42f, -1.9f},   180, 6,    R::Reset},
    {13,          F::F3,          kField, {-18.9f, 2.55f, 24.42f}, 180},
    {14,          F::F3,          kField, {-21.0f, 2.55f, 24.42f}, 180, -1,   R::Reset,  -1, 1},
    {17,          F::Roof_Kai,    kField, {0.84f, 2.3f, -1.3f},    180, 8,    R::Reset},
    {21,          F::F3,          kField, {-4.0f, 2.55f, 30.5f},   180, -1,   R::Reset,  6,  7},
    {kAnyOther,   F::TestRoom,    kTitle, {0, 0, 0},               90,  -1,   R::Reset},
};
// clang-format on

void SetKey(SaveRecord& record, int key, int32_t value) {
    if (key < 0 || key >= SaveRecord::kKeyCount) return;
    record.itemTaken[static_cast<size_t>(key)] = value;
    content::SetKeyHeld(record, key, value != 0);
}

}  // namespace

std::span<const RetryRow> RetryTable() {
    return kRetries;
}

const RetryRow& RetryFor(int32_t currentField) {
    for (const RetryRow& row : kRetries) {
        if (row.caughtIn == currentField) return row;
    }
    return kRetries[std::size(kRetries) - 1];
}

void ApplyRetry(const RetryRow& row, SaveRecord& record) {
    if (row.stage >= 0) record.storyStage = row.stage;
    if (row.enemy != EnemyRetry::Keep) record.EnemyMode = 0;
    if (row.enemy == EnemyRetry::Reset) record.HitPoint = SaveRecord{}.HitPoint;
    SetKey(record, row.keyGiven, 1);
    SetKey(record, row.keyTakenBack, 0);
}
