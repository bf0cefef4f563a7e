// Writes arbitrary bytes as an archive file and reads every row of a small catalogue from it: rows
// inside the file must come back byte for byte, rows reaching past its end must fail whole.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <span>

#include "library/Archive.h"
#include "support/TempFolder.h"

namespace {

constexpr AssetEntry kCatalogue[] = {
    {16, 0, u"head.bmp"},       {0, 0, u"empty.x"},     {1, 31, u"edge.wav"},
    {64, 16, u"middle.png"},    {8, 120, u"tail.csv"},  {0xFFFFFFFFu, 4, u"huge.x"},
    {4, 0xFFFFFFF0u, u"far.x"}, {300, 0, u"whole.dat"},
};

// One scratch folder for the whole run, removed at exit.
const std::filesystem::path& ScratchPath() {
    static const TempFolder folder;
    static const std::filesystem::path path = folder.Path() / "data.dat";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteBytes(ScratchPath(), std::span(data, size));

    Archive archive(kCatalogue);
    if (!archive.Open(ScratchPath())) std::abort();
    for (int index = -1; index <= static_cast<int>(std::size(kCatalogue)); ++index) {
        const auto bytes = archive.Read(index);
        const bool inCatalogue = index >= 0 && index < static_cast<int>(std::size(kCatalogue));
        if (!inCatalogue) {
            if (bytes) std::abort();
            continue;
        }
        const AssetEntry& entry = kCatalogue[index];
        const bool inFile = uint64_t{entry.offset} + entry.size <= size;
        if (bytes.has_value() != inFile) std::abort();
        if (bytes && bytes->size() != entry.size) std::abort();
        if (bytes && entry.size > 0 && std::memcmp(bytes->data(), data + entry.offset, entry.size))
            std::abort();
    }
    return 0;
}
