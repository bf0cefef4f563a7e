#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One catalogue row: where an asset lies in the archive. The catalogue is a constant table compiled
// into the game (generated together with the archive), so a row is a literal type that a constexpr
// array can hold; `name` views a string literal with static storage.
struct AssetEntry {
    uint32_t size;    // bytes
    uint32_t offset;  // bytes from the start of the archive
    std::u16string_view name;
};

// Index of the first row whose name equals `name` (whole name, case-sensitive), or -1 when none.
int FindAsset(std::span<const AssetEntry> catalogue, std::u16string_view name);

// The open archive file and the catalogue that locates the assets inside it. The file stays open
// from Open until the archive is destroyed; reads are one seek and one read each.
class Archive {
  public:
    // `catalogue` must outlive the archive.
    explicit Archive(std::span<const AssetEntry> catalogue) : catalogue_(catalogue) {}

    // Opens the archive file for reading. On failure returns false and OpenError() names the
    // absolute path tried and the reason.
    bool Open(const std::filesystem::path& path);
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& OpenError() const { return openError_; }

    std::span<const AssetEntry> Catalogue() const { return catalogue_; }

    // The bytes of catalogue row `index`, exactly its `size` of them. Fails (nullopt) when the
    // archive is not open, the index is out of range, or the row does not lie wholly inside the
    // file; never returns a partly filled buffer.
    std::optional<std::vector<uint8_t>> Read(int index);

  private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::span<const AssetEntry> catalogue_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    uint64_t fileSize_ = 0;  // bytes, when opened
    std::string openError_;
};
