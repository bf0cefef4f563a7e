#include "library/SteamworksHelper.h"

#include "scene/AchievementFile.h"

void SteamworksHelper::Open() {
    awarded = ReadAchievements();
    enabled = 1;
    kept_ = true;
}

int32_t SteamworksHelper::Award(int32_t id) {
    if (!enabled || id < 0 || id >= kAchievementCount || !awarded.insert(id).second) return 0;
    unannounced_.push_back(id);
    // A failed write is not fatal: the next award writes the whole record again.
    if (kept_) WriteAchievements(awarded);
    return 0;
}

std::optional<int32_t> SteamworksHelper::TakeUnannounced() {
    if (unannounced_.empty()) return std::nullopt;
    const int32_t id = unannounced_.front();
    unannounced_.pop_front();
    return id;
}
