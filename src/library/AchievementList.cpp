#include "library/AchievementList.h"

#include <string>

#include "library/Utf.h"

namespace {

// The keys, made once: text objects keep pointers to them for as long as the game runs.
struct KeyTable {
    std::array<std::u16string, kAchievementCount> names;
    std::array<std::u16string, kAchievementCount> hints;
};

const KeyTable& Keys() {
    static const KeyTable table = [] {
        KeyTable keys;
        for (int32_t id = 0; id < kAchievementCount; ++id) {
            keys.names[static_cast<size_t>(id)] =
                Utf8ToUtf16("Achievement_name" + std::to_string(id));
            keys.hints[static_cast<size_t>(id)] =
                Utf8ToUtf16("Achievement_hint" + std::to_string(id));
        }
        return keys;
    }();
    return table;
}

}  // namespace

std::array<AchievementEntry, kAchievementCount> AchievementList(const SteamworksHelper& record) {
    std::array<AchievementEntry, kAchievementCount> list;
    for (int32_t id = 0; id < kAchievementCount; ++id) {
        const auto index = static_cast<size_t>(id);
        list[index] = {id, Keys().names[index].c_str(), Keys().hints[index].c_str(),
                       record.awarded.contains(id)};
    }
    return list;
}

const char16_t* AchievementNameKey(int32_t id) {
    if (id < 0 || id >= kAchievementCount) return nullptr;
    return Keys().names[static_cast<size_t>(id)].c_str();
}
