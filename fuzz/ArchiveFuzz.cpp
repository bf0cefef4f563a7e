// Writes arbitrary bytes as an archive file and reads every row of a small catalogue from it: rows
// inside the file must come back byte for byte, rows reaching past its end must fail whole.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "library/Archive.h"

namespace {

constexpr AssetEntry kCatalogue[] = {
    {16, 0, u"head.bmp"},       {0, 0, u"empty.x"},     {1, 31, u"edge.wav"},
    {64, 16, u"middle.png"},    {8, 120, u"tail.csv"},  {0xFFFFFFFFu, 4, u"huge.x"},
    {4, 0xFFFFFFF0u, u"far.x"}, {300, 0, u"whole.dat"},
};

// One scratch file for the whole run, removed at exit.
class ScratchFile {
  public:
    ScratchFile() {
        path_ = (std::filesystem::temp_directory_path() / "hm_fuzz_archive_XXXXXX").string();
        const int fd = mkstemp(path_.data());
        if (fd < 0) std::abort();
        close(fd);
    }
    ~ScratchFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

const std::string& ScratchPath() {
    static const ScratchFile file;
    return file.Path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(ScratchPath().c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);

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
