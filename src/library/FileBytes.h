#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// The whole of a file, or nullopt when it is not a readable regular file (missing, a folder, or a
// read error part way).
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path);
