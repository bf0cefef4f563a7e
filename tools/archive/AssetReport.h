#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "AssetChecks.h"

// What `inspect` says about one asset, read with the game's own loader of its kind.
struct AssetReport {
    LoadCheck check;   // as `list` reports it
    std::string text;  // whole lines: what the loader found, or why it refused the bytes
};

// Model: counts, pass, bounds and materials; image: format, size and channels; sound: the format
// record and where the samples lie; text table: one line per key and language; glyph table: one
// line per record; effect: its size. Text of the table is printed with line feeds and backslashes
// escaped, so that every entry stays on its line.
AssetReport InspectAsset(AssetKind kind, std::span<const uint8_t> bytes,
                         std::span<const AssetEntry> catalogue);
