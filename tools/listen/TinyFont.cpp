#include "TinyFont.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace tinyfont {
namespace {

constexpr int kGlyphWidth = 3;

// Rows top to bottom; in each row bit 2 is the left pixel.
struct Glyph {
    char character;
    std::array<uint8_t, kGlyphHeight> rows;
};

constexpr Glyph kGlyphs[] = {
    {'0', {0b111, 0b101, 0b101, 0b101, 0b111}}, {'1', {0b010, 0b110, 0b010, 0b010, 0b111}},
    {'2', {0b111, 0b001, 0b111, 0b100, 0b111}}, {'3', {0b111, 0b001, 0b011, 0b001, 0b111}},
    {'4', {0b101, 0b101, 0b111, 0b001, 0b001}}, {'5', {0b111, 0b100, 0b111, 0b001, 0b111}},
    {'6', {0b111, 0b100, 0b111, 0b101, 0b111}}, {'7', {0b111, 0b001, 0b010, 0b010, 0b010}},
    {'8', {0b111, 0b101, 0b111, 0b101, 0b111}}, {'9', {0b111, 0b101, 0b111, 0b001, 0b111}},
    {'A', {0b010, 0b101, 0b111, 0b101, 0b101}}, {'B', {0b110, 0b101, 0b110, 0b101, 0b110}},
    {'C', {0b011, 0b100, 0b100, 0b100, 0b011}}, {'D', {0b110, 0b101, 0b101, 0b101, 0b110}},
    {'E', {0b111, 0b100, 0b110, 0b100, 0b111}}, {'F', {0b111, 0b100, 0b110, 0b100, 0b100}},
    {'G', {0b011, 0b100, 0b101, 0b101, 0b011}}, {'H', {0b101, 0b101, 0b111, 0b101, 0b101}},
    {'I', {0b111, 0b010, 0b010, 0b010, 0b111}}, {'J', {0b001, 0b001, 0b001, 0b101, 0b010}},
    {'K', {0b101, 0b101, 0b110, 0b101, 0b101}}, {'L', {0b100, 0b100, 0b100, 0b100, 0b111}},
    {'M', {0b101, 0b111, 0b111, 0b101, 0b101}}, {'N', {0b110, 0b101, 0b101, 0b101, 0b101}},
    {'O', {0b010, 0b101, 0b101, 0b101, 0b010}}, {'P', {0b110, 0b101, 0b110, 0b100, 0b100}},
    {'Q', {0b010, 0b101, 0b101, 0b110, 0b011}}, {'R', {0b110, 0b101, 0b110, 0b101, 0b101}},
    {'S', {0b011, 0b100, 0b010, 0b001, 0b110}}, {'T', {0b111, 0b010, 0b010, 0b010, 0b010}},
    {'U', {0b101, 0b101, 0b101, 0b101, 0b111}}, {'V', {0b101, 0b101, 0b101, 0b101, 0b010}},
    {'W', {0b101, 0b101, 0b111, 0b111, 0b101}}, {'X', {0b101, 0b101, 0b010, 0b101, 0b101}},
    {'Y', {0b101, 0b101, 0b010, 0b010, 0b010}}, {'Z', {0b111, 0b001, 0b010, 0b100, 0b111}},
    {'.', {0b000, 0b000, 0b000, 0b000, 0b010}}, {':', {0b000, 0b010, 0b000, 0b010, 0b000}},
    {'-', {0b000, 0b000, 0b111, 0b000, 0b000}}, {'_', {0b000, 0b000, 0b000, 0b000, 0b111}},
    {'/', {0b001, 0b001, 0b010, 0b100, 0b100}},
};

const Glyph* FindGlyph(char character) {
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    const auto found =
        std::find_if(std::begin(kGlyphs), std::end(kGlyphs),
                     [upper](const Glyph& glyph) { return glyph.character == upper; });
    return found == std::end(kGlyphs) ? nullptr : found;
}

}  // namespace

void DrawText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb colour) {
    for (char character : text) {
        if (const Glyph* glyph = FindGlyph(character)) {
            for (int row = 0; row < kGlyphHeight; ++row) {
                for (int column = 0; column < kGlyphWidth; ++column) {
                    if (glyph->rows[row] >> (kGlyphWidth - 1 - column) & 1) {
                        canvas.FillRect(x + column * scale, y + row * scale, scale, scale, colour);
                    }
                }
            }
        }
        x += kAdvance * scale;
    }
}

}  // namespace tinyfont
