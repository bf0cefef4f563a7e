// Feeds arbitrary bytes to the achievements file's reader; whatever it accepts must write back to
// the same image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "scene/AchievementFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    const auto ids = ParseAchievements(bytes);
    if (!ids) return 0;
    for (int32_t id : *ids) {
        if (id < 0 || id >= kAchievementCount) std::abort();
    }
    if (std::memcmp(AchievementImage(*ids).data(), data, size) != 0) std::abort();
    return 0;
}
