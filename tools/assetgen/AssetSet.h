#pragma once
#include <filesystem>
#include <vector>

#include "Bytes.h"

// What the generators read: the hand-written sources under assets/ and the font.
struct AssetSources {
    Bytes textTable;                 // assets/text/TextData.csv, UTF-8
    Bytes effect;                    // assets/effect/main.cfx, the shaders of every pass
    std::filesystem::path fontFile;  // the font collection the glyph atlas is drawn from
};

// Reads the sources from the asset source folder (the repository's assets/). Throws
// std::runtime_error naming a file that cannot be read.
AssetSources ReadAssetSources(const std::filesystem::path& assetFolder,
                              const std::filesystem::path& fontFile);

// Every asset of the archive, in catalogue order (kAssetCount of them). The same sources give
// the same bytes, run after run. Throws std::runtime_error when a generator fails or the effect
// file does not parse.
std::vector<Bytes> GenerateAssets(const AssetSources& sources);

// Writes each asset into `folder` under its catalogue name, creating the folder if needed.
// Throws std::runtime_error naming a file that cannot be written.
void WriteAssets(const std::filesystem::path& folder, const std::vector<Bytes>& assets);
