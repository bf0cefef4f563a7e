#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One catalogue row as packing lays it out.
struct PackedRow {
    uint32_t size;    // bytes
    uint32_t offset;  // bytes from the start of the archive
    std::string_view name;
};

// Packs the files of the names table, read from `inputFolder` in catalogue order, back to back
// into `archivePath` and returns the rows. The archive is replaced only when packing succeeds.
// Throws std::runtime_error naming a missing or unreadable file, or when the assets do not fit the
// catalogue's 32-bit offsets.
std::vector<PackedRow> PackArchive(const std::filesystem::path& inputFolder,
                                   const std::filesystem::path& archivePath);

// C++ source defining AssetCatalogue() (library/Catalogue.h) as a constant table of `rows`.
std::string CatalogueSource(std::span<const PackedRow> rows);

// Writes `text` to `path`. Throws std::runtime_error when the file cannot be written.
void WriteTextFile(const std::filesystem::path& path, std::string_view text);
