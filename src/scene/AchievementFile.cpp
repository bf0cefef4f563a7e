#include "scene/AchievementFile.h"

#include <cstring>
#include <string_view>

#include "scene/SaveFile.h"

namespace {

constexpr std::string_view kFileName = "Achievements";
constexpr std::array<char, 4> kMark{'H', 'M', 'A', 'W'};
constexpr uint64_t kKnownIds = (uint64_t{1} << kAchievementCount) - 1;

// The file's layout: the mark, the check value of `earned`, then one bit per id (bit i: id i).
struct Image {
    std::array<char, 4> mark;
    uint32_t check;
    uint64_t earned;
};
static_assert(sizeof(Image) == kAchievementFileSize);
static_assert(offsetof(Image, check) == 4);
static_assert(offsetof(Image, earned) == 8);

// FNV-1a over the bits' bytes: any single flipped bit or byte shows.
uint32_t CheckValue(uint64_t earned) {
    uint32_t hash = 2166136261u;
    for (int byte = 0; byte < 8; ++byte) {
        hash ^= static_cast<uint32_t>(earned >> (8 * byte)) & 0xFFu;
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace

std::array<std::byte, kAchievementFileSize> AchievementImage(const AchievementIds& ids) {
    Image image{kMark, 0, 0};
    for (int32_t id : ids) {
        if (id >= 0 && id < kAchievementCount) image.earned |= uint64_t{1} << id;
    }
    image.check = CheckValue(image.earned);
    std::array<std::byte, kAchievementFileSize> bytes;
    std::memcpy(bytes.data(), &image, sizeof image);
    return bytes;
}

std::optional<AchievementIds> ParseAchievements(std::span<const std::byte> bytes) {
    if (bytes.size() != sizeof(Image)) return std::nullopt;
    Image image;
    std::memcpy(&image, bytes.data(), sizeof image);
    if (image.mark != kMark || image.check != CheckValue(image.earned) ||
        (image.earned & ~kKnownIds) != 0) {
        return std::nullopt;
    }
    AchievementIds ids;
    for (int32_t id = 0; id < kAchievementCount; ++id) {
        if (image.earned >> id & 1u) ids.insert(id);
    }
    return ids;
}

AchievementIds ReadAchievements() {
    const auto bytes = ReadFileOfSize(SaveFolder(kFileName), kAchievementFileSize);
    if (!bytes) return {};
    return ParseAchievements(*bytes).value_or(AchievementIds{});
}

bool WriteAchievements(const AchievementIds& ids) {
    return ReplaceFile(SaveFolder(kFileName), AchievementImage(ids));
}
