#pragma once
#include <array>
#include <cstdint>

#include "library/SteamworksHelper.h"
#include "scene/AchievementFile.h"

// One achievement as a player sees it: its name, and the hint shown in place of the name while
// it is not yet earned (both keys of the text table, "Achievement_name<id>" and
// "Achievement_hint<id>").
struct AchievementEntry {
    int32_t id = 0;
    const char16_t* nameKey = nullptr;  // static storage
    const char16_t* hintKey = nullptr;  // static storage
    bool earned = false;
};

// Every achievement of the game in id order, each marked earned when the record holds it.
std::array<AchievementEntry, kAchievementCount> AchievementList(const SteamworksHelper& record);

// The text key of achievement `id`'s name; null for an id the game does not have.
const char16_t* AchievementNameKey(int32_t id);
