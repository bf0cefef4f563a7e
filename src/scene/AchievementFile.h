#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <span>

// The achievements file "Achievements.sav" in the save folder: which achievements a player has
// earned, kept across runs and across saved games. Unlike the settings and the saves it carries a
// mark and a check value, so that a damaged file is told from a real record and read as empty.

inline constexpr int32_t kAchievementCount = 39;  // ids 0..38
inline constexpr size_t kAchievementFileSize = 16;

using AchievementIds = std::set<int32_t>;

// The file image of `ids`; ids outside 0..kAchievementCount-1 are left out.
std::array<std::byte, kAchievementFileSize> AchievementImage(const AchievementIds& ids);

// The ids an image holds; nullopt when it is not exactly one image long, its mark or check value
// is wrong, or it names an id the game does not have.
std::optional<AchievementIds> ParseAchievements(std::span<const std::byte> bytes);

// The ids of the file; none when the file is missing, unreadable or damaged.
AchievementIds ReadAchievements();

// Replaces the file whole or not at all; false on failure.
bool WriteAchievements(const AchievementIds& ids);
