// Feeds arbitrary bytes to everything the game parses from the save folder: the input as a
// settings image, as a saved game (whose label is then formatted), and as a format string.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "library/Format.h"
#include "scene/SaveData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);

    ParseSettings(bytes);
    if (const auto record = ParseRecord(bytes)) {
        SlotLabel(*record, u"%04d/%02d/%02d %02d:%02d:%02d  %d:%02d:%02d  %d %d");
    }

    std::u16string format(size / sizeof(char16_t), u'\0');
    std::memcpy(format.data(), data, format.size() * sizeof(char16_t));
    const std::u16string text = u"宿";
    FormatText(format, -7, 42u, 3.25, text, u'A', int64_t{1} << 40);
    return 0;
}
