#include "library/FileBytes.h"

#include <fstream>
#include <iterator>

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) return std::nullopt;
    return bytes;
}
