#include "library/Archive.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

int FindAsset(std::span<const AssetEntry> catalogue, std::u16string_view name) {
    const auto row = std::find_if(catalogue.begin(), catalogue.end(),
                                  [name](const AssetEntry& entry) { return entry.name == name; });
    return row == catalogue.end() ? -1 : static_cast<int>(row - catalogue.begin());
}

bool Archive::Open(const std::filesystem::path& path) {
    file_.reset();
    fileSize_ = 0;

    std::error_code ignored;
    const std::filesystem::path fullPath = std::filesystem::absolute(path, ignored);
    const auto fail = [&](const std::string& reason) {
        openError_ = "cannot open archive \"" + fullPath.string() + "\": " + reason;
        return false;
    };

    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fullPath.c_str(), "rb"));
    if (!file) return fail(std::strerror(errno));
    // fopen accepts a directory on POSIX systems; only a regular file can hold the assets.
    std::error_code error;
    if (!std::filesystem::is_regular_file(fullPath, error)) return fail("not a regular file");
    const uintmax_t size = std::filesystem::file_size(fullPath, error);
    if (error) return fail(error.message());

    file_ = std::move(file);
    fileSize_ = size;
    openError_.clear();
    return true;
}

std::optional<std::vector<uint8_t>> Archive::Read(int index) {
    if (!file_ || index < 0 || static_cast<size_t>(index) >= catalogue_.size()) return std::nullopt;
    const AssetEntry& entry = catalogue_[static_cast<size_t>(index)];
    // Checked before allocating, so a row past the end never costs its size in memory.
    if (uint64_t{entry.offset} + entry.size > fileSize_) return std::nullopt;

    std::vector<uint8_t> bytes(entry.size);
    std::FILE* file = file_.get();
    std::clearerr(file);  // a failed earlier read must not fail this one
    if (std::fseek(file, static_cast<long>(entry.offset), SEEK_SET) != 0) return std::nullopt;
    // The file may have shrunk since it was opened: a short read is a failed read.
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) return std::nullopt;
    return bytes;
}
