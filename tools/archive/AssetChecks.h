#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "library/Archive.h"
#include "library/AssetNames.h"

// Whether an asset's bytes are something the game can load.
enum class LoadCheck {
    Loads,
    Fails,
    Unchecked,  // a row of no known kind
};

// The text table must hold the text of this key in this language, the one the game reads; every
// table the game ships has it.
inline constexpr std::u16string_view kTextTableProbeKey = u"FlagManager_0";
inline constexpr std::u16string_view kGameLanguage = u"Japanese";

// One check per kind of asset, each through the game's own loader: images through the texture
// decoder, models through the model builder (their materials resolved against `catalogue`), WAV
// files through the RIFF walk, the text table, the glyph table and the effect file through their
// parsers (an effect's shaders are compiled only by a graphics device).
LoadCheck CheckImage(std::span<const uint8_t> bytes);
LoadCheck CheckModel(std::span<const uint8_t> bytes, std::span<const AssetEntry> catalogue);
LoadCheck CheckWave(std::span<const uint8_t> bytes);
LoadCheck CheckTextTable(std::span<const uint8_t> bytes);
LoadCheck CheckGlyphTable(std::span<const uint8_t> bytes);
LoadCheck CheckEffect(std::span<const uint8_t> bytes);

// The short name of a kind as `list` prints it ("png", "x", "glyphs", ...).
std::string_view KindLabel(AssetKind kind);
// The check of `kind`.
LoadCheck CheckAsset(AssetKind kind, std::span<const uint8_t> bytes,
                     std::span<const AssetEntry> catalogue);
