#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// One record of the glyph table file: a character of the font atlas.
struct Glyph {
    uint32_t code;              // UTF-16 code unit of the character
    std::array<float, 4> rect;  // the glyph's rectangle in the atlas, as the text shader reads it
    int32_t width;              // pixels; the pen advance
    int32_t height;             // pixels
};

// The glyph table file: a bare little-endian array of 28-byte records, no header, in file order.
class GlyphTable {
  public:
    static constexpr size_t kRecordSize = 28;  // bytes per record in the file

    GlyphTable() = default;
    // Parses every whole record of `bytes`; trailing bytes that do not fill a record are ignored.
    explicit GlyphTable(std::span<const uint8_t> bytes);

    // The first glyph whose code is `code` (file order), or null when the atlas lacks it.
    const Glyph* Find(char16_t code) const;
    // The line-feed glyph, whose height is the line step; null when the table has none, in which
    // case text ignores line feeds.
    const Glyph* LineFeed() const { return Find(u'\n'); }

    std::span<const Glyph> Glyphs() const { return glyphs_; }

  private:
    std::vector<Glyph> glyphs_;
};
