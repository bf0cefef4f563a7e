#pragma once
// The player's record by name: the state dump prints the item and event flags under these names,
// and `--set` writes any of these integers.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "scene/SaveData.h"

namespace driver {

struct RecordFlag {
    const char* name;
    int32_t SaveRecord::*member;
};

// The item and event flags, in the order the state dump prints them.
std::span<const RecordFlag> ItemFlags();

// The integer called `name` in `record`: an item or event flag, enemyFast, EnemyMode, HitPoint,
// or an entry itemHeld.I or itemTaken.K of the lists; null for any other name.
int32_t* FindRecordInt(SaveRecord& record, std::string_view name);
const int32_t* FindRecordInt(const SaveRecord& record, std::string_view name);

// Every name FindRecordInt knows, for a usage message.
std::string RecordIntNames();

}  // namespace driver
