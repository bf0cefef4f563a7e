#pragma once
// The keys in the player's record: key k (0..7) is inventory entry 5 + k, and `itemTaken[k]` its
// one-time pickup flag. A key is used up when it has been taken and is no longer held.
#include <cstddef>
#include <cstdint>

#include "scene/SaveData.h"

namespace content {

inline constexpr int32_t kFirstKeyItem = 5;

inline bool KeyTaken(const SaveRecord& record, int32_t key) {
    return record.itemTaken[static_cast<size_t>(key)] != 0;
}

inline bool KeyHeld(const SaveRecord& record, int32_t key) {
    return record.itemHeld[static_cast<size_t>(kFirstKeyItem + key)] != 0;
}

inline void SetKeyHeld(SaveRecord& record, int32_t key, bool held) {
    record.itemHeld[static_cast<size_t>(kFirstKeyItem + key)] = held ? 1 : 0;
}

inline bool KeyUsedUp(const SaveRecord& record, int32_t key) {
    return KeyTaken(record, key) && !KeyHeld(record, key);
}

}  // namespace content
