#pragma once
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "Bytes.h"
#include "Image.h"
#include "library/GlyphTable.h"

// The glyph atlas the game draws its texts with: one picture holding a cell per character, and
// the glyph table that locates each cell.
//
// Every cell has the same height, the tallest rise of ink above the baseline plus the deepest drop
// below it among the characters held, with the baseline at the same row; a glyph's `height` is that
// cell height. A cell is as wide as the character's pen advance, which is its `width`; ink that
// overhangs the advance is moved inside it where it fits and cut off where it does not. `rect` is
// (left, top, right, bottom) of the cell in texture coordinates 0..1, with v = 0 at the top row of
// the picture. Pixels are white; alpha is the glyph's coverage. The table starts with the line-feed
// record (code 10, empty rect, width 0) whose height, the em size kGlyphSize, is the line step;
// the other records follow in ascending code order.
struct FontAtlas {
    Image image;
    std::vector<Glyph> glyphs;
};

inline constexpr int kGlyphSize = 24;  // pixels to the em: the font size and the line step
inline constexpr int kAtlasWidth =
    1024;  // pixels; the height is the smallest power of two that fits
// The face of the font collection the atlas is drawn with.
inline constexpr std::string_view kAtlasFamily = "Noto Sans CJK JP";

// The characters the atlas must hold: every character of the UTF-8 text table except control
// characters and the byte-order mark, and all of printable ASCII; ascending, each once. Throws
// std::runtime_error when the table is not valid UTF-8 or uses a character outside the Basic
// Multilingual Plane, which one UTF-16 glyph code cannot name.
std::vector<char16_t> AtlasCharacters(std::span<const uint8_t> textTableUtf8);

// Renders `characters` (ascending, unique, no line feed) from the face kAtlasFamily of the font
// file. Throws std::runtime_error when the font cannot be read, lacks that face, or has no glyph
// for one of the characters.
FontAtlas RenderFontAtlas(const std::filesystem::path& fontFile,
                          std::span<const char16_t> characters);

// The glyph table file: the records back to back, 28 bytes each, little-endian.
Bytes EncodeGlyphTable(std::span<const Glyph> glyphs);
