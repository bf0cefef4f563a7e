#include "RecordFields.h"

#include <charconv>

namespace driver {
namespace {

constexpr RecordFlag kItemFlags[] = {
    {"hasDarts", &SaveRecord::hasDarts},
    {"hasLight", &SaveRecord::hasLight},
    {"dartsboardTaken", &SaveRecord::dartsboardTaken},
    {"dartsFinished", &SaveRecord::dartsFinished},
    {"safeOpened", &SaveRecord::safeOpened},
    {"flagLobbyChair", &SaveRecord::flagLobbyChair},
    {"flagDiningInside", &SaveRecord::flagDiningInside},
    {"dartsState", &SaveRecord::dartsState},
    {"dartsboardState", &SaveRecord::dartsboardState},
    {"lobbyRestRoomState", &SaveRecord::lobbyRestRoomState},
};

constexpr RecordFlag kEnemyInts[] = {
    {"enemyFast", &SaveRecord::enemyFast},
    {"EnemyMode", &SaveRecord::EnemyMode},
    {"HitPoint", &SaveRecord::HitPoint},
};

constexpr std::span<const RecordFlag> kNamedInts[] = {kItemFlags, kEnemyInts};

// The entry of `list` at `index`, a number inside it.
int32_t* ListEntry(std::span<int32_t> list, std::string_view index) {
    size_t i = 0;
    const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), i);
    if (index.empty() || ec != std::errc() || end != index.data() + index.size()) return nullptr;
    return i < list.size() ? &list[i] : nullptr;
}

}  // namespace

std::span<const RecordFlag> ItemFlags() {
    return kItemFlags;
}

int32_t* FindRecordInt(SaveRecord& record, std::string_view name) {
    for (const std::span<const RecordFlag> table : kNamedInts) {
        for (const RecordFlag& flag : table) {
            if (name == flag.name) return &(record.*flag.member);
        }
    }
    const size_t dot = name.find('.');
    if (dot == std::string_view::npos) return nullptr;
    const std::string_view list = name.substr(0, dot);
    const std::string_view index = name.substr(dot + 1);
    if (list == "itemHeld") return ListEntry(record.itemHeld, index);
    if (list == "itemTaken") return ListEntry(record.itemTaken, index);
    return nullptr;
}

const int32_t* FindRecordInt(const SaveRecord& record, std::string_view name) {
    return FindRecordInt(const_cast<SaveRecord&>(record), name);
}

std::string RecordIntNames() {
    std::string names;
    for (const std::span<const RecordFlag> table : kNamedInts) {
        for (const RecordFlag& flag : table) names += std::string(flag.name) + " ";
    }
    return names + "itemHeld.0-" + std::to_string(SaveRecord::kItemCount - 1) + " itemTaken.0-" +
           std::to_string(SaveRecord::kKeyCount - 1);
}

}  // namespace driver
