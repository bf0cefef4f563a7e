#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "AssetNames.h"

// Whether an asset's bytes are something the game can load.
enum class LoadCheck {
    Loads,
    Fails,
    Unchecked,  // no check for this kind yet
};

// One check per kind of asset. Each looks as deep as the game's loaders available to the tools
// allow: WAV files through the game's RIFF walk, the text table and the glyph table through their
// parsers, images and models by their file signatures until the texture and model loaders join.
LoadCheck CheckPng(std::span<const uint8_t> bytes);
LoadCheck CheckBmp(std::span<const uint8_t> bytes);
LoadCheck CheckModel(std::span<const uint8_t> bytes);
LoadCheck CheckWave(std::span<const uint8_t> bytes);
LoadCheck CheckTextTable(std::span<const uint8_t> bytes);
LoadCheck CheckGlyphTable(std::span<const uint8_t> bytes);
LoadCheck CheckEffect(std::span<const uint8_t> bytes);

// The short name of a kind as `list` prints it ("png", "x", "glyphs", ...).
std::string_view KindLabel(AssetKind kind);
// The check of `kind`.
LoadCheck CheckAsset(AssetKind kind, std::span<const uint8_t> bytes);
