#include "FontAtlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <bit>
#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "library/Utf.h"

namespace {

constexpr int kCellGap = 1;  // transparent pixels between cells, so filtering never bleeds

struct LibraryCloser {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FontLibrary = std::unique_ptr<FT_LibraryRec_, LibraryCloser>;
using FontFace = std::unique_ptr<FT_FaceRec_, FaceCloser>;

std::string CodeName(char16_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

FontFace OpenFace(FT_Library library, const std::filesystem::path& file, FT_Long index) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.c_str(), index, &face) != 0) {
        throw std::runtime_error("cannot read the font file " + file.string());
    }
    return FontFace(face);
}

// The face of the collection named kAtlasFamily, sized to kGlyphSize pixels to the em.
FontFace OpenAtlasFace(FT_Library library, const std::filesystem::path& file) {
    const FT_Long faceCount = OpenFace(library, file, 0)->num_faces;
    for (FT_Long index = 0; index < faceCount; ++index) {
        FontFace face = OpenFace(library, file, index);
        if (face->family_name == nullptr || face->family_name != kAtlasFamily) continue;
        if (FT_Set_Pixel_Sizes(face.get(), 0, kGlyphSize) != 0) break;
        return face;
    }
    throw std::runtime_error("the font file " + file.string() + " has no usable face \"" +
                             std::string(kAtlasFamily) + "\"");
}

// One character as FreeType draws it: coverage rows from the top.
struct RenderedGlyph {
    char16_t code;
    int advance;  // pixels
    int left;     // pixels from the pen to the first column of ink
    int top;      // pixels from the baseline up to the first row of ink
    Image ink;    // alpha is the coverage
};

RenderedGlyph Render(FT_Face face, char16_t code) {
    if (FT_Get_Char_Index(face, code) == 0) {
        throw std::runtime_error("the font has no glyph for " + CodeName(code));
    }
    // Outlines only: an embedded bitmap strike could be one bit deep.
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0 ||
        face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        throw std::runtime_error("cannot render " + CodeName(code) + " in 8-bit grey");
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    RenderedGlyph glyph{
        code, static_cast<int>((slot->advance.x + 32) >> 6),  // 26.6 fixed point
        slot->bitmap_left, slot->bitmap_top,
        Image(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), {255, 255, 255, 0})};
    for (int y = 0; y < glyph.ink.Height(); ++y) {
        for (int x = 0; x < glyph.ink.Width(); ++x) {
            glyph.ink.At(x, y).a = bitmap.buffer[y * bitmap.pitch + x];
        }
    }
    return glyph;
}

// The rows of a cell above and below the baseline that hold the ink of every glyph.
struct CellRows {
    int above;
    int below;
    int Height() const { return above + below; }
};

CellRows RowsHolding(std::span<const RenderedGlyph> glyphs) {
    CellRows rows{0, 0};
    for (const RenderedGlyph& glyph : glyphs) {
        if (glyph.ink.Height() == 0) continue;
        rows.above = std::max(rows.above, glyph.top);
        rows.below = std::max(rows.below, glyph.ink.Height() - glyph.top);
    }
    return rows;
}

// Copies a glyph's ink into its cell at (cellX, cellY) of the atlas.
void DrawCell(Image& atlas, int cellX, int cellY, const RenderedGlyph& glyph, CellRows rows) {
    const int inkX = std::clamp(glyph.left, 0, std::max(0, glyph.advance - glyph.ink.Width()));
    const int inkY = rows.above - glyph.top;
    for (int y = 0; y < glyph.ink.Height(); ++y) {
        for (int x = 0; x < glyph.ink.Width() && inkX + x < glyph.advance; ++x) {
            atlas.At(cellX + inkX + x, cellY + inkY + y).a = glyph.ink.At(x, y).a;
        }
    }
}

struct Placement {
    int x, y;  // the cell's top-left pixel in the atlas
};

// Shelf packing: cells left to right in rows, kCellGap apart; `usedHeight` gets the pixels used.
std::vector<Placement> PlaceCells(std::span<const RenderedGlyph> glyphs, int cellHeight,
                                  int& usedHeight) {
    std::vector<Placement> placements;
    Placement next{kCellGap, kCellGap};
    for (const RenderedGlyph& glyph : glyphs) {
        if (next.x + glyph.advance + kCellGap > kAtlasWidth) {
            next = {kCellGap, next.y + cellHeight + kCellGap};
        }
        placements.push_back(next);
        next.x += glyph.advance + kCellGap;
    }
    usedHeight = next.y + cellHeight + kCellGap;
    return placements;
}

}  // namespace

std::vector<char16_t> AtlasCharacters(std::span<const uint8_t> textTableUtf8) {
    const std::u16string text =
        Utf8ToUtf16({reinterpret_cast<const char*>(textTableUtf8.data()), textTableUtf8.size()});
    std::set<char16_t> characters;
    for (char16_t c = u' '; c <= u'~'; ++c) characters.insert(c);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\uFFFD') {
            throw std::runtime_error("the text table is not valid UTF-8 (character " +
                                     std::to_string(i) + ")");
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            throw std::runtime_error("the text table uses a character beyond U+FFFF (character " +
                                     std::to_string(i) + "), which has no glyph code");
        }
        if (c < u' ' || c == u'\x7F' || c == u'\uFEFF') continue;  // never drawn
        characters.insert(c);
    }
    return {characters.begin(), characters.end()};
}

FontAtlas RenderFontAtlas(const std::filesystem::path& fontFile,
                          std::span<const char16_t> characters) {
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) throw std::runtime_error("FreeType did not start");
    const FontLibrary library(rawLibrary);
    const FontFace face = OpenAtlasFace(library.get(), fontFile);

    std::vector<RenderedGlyph> glyphs;
    for (char16_t code : characters) glyphs.push_back(Render(face.get(), code));
    const CellRows rows = RowsHolding(glyphs);
    int usedHeight = 0;
    const std::vector<Placement> placements = PlaceCells(glyphs, rows.Height(), usedHeight);
    const int height = static_cast<int>(std::bit_ceil(static_cast<unsigned>(usedHeight)));

    FontAtlas atlas{Image(kAtlasWidth, height, {255, 255, 255, 0}), {}};
    atlas.glyphs.push_back({u'\n', {0, 0, 0, 0}, 0, kGlyphSize});
    const auto u = [](int x) { return static_cast<float>(x) / kAtlasWidth; };
    const auto v = [height](int y) { return static_cast<float>(y) / static_cast<float>(height); };
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const auto [left, top] = placements[i];
        DrawCell(atlas.image, left, top, glyphs[i], rows);
        const int right = left + glyphs[i].advance;
        atlas.glyphs.push_back({glyphs[i].code,
                                {u(left), v(top), u(right), v(top + rows.Height())},
                                glyphs[i].advance,
                                rows.Height()});
    }
    return atlas;
}

Bytes EncodeGlyphTable(std::span<const Glyph> glyphs) {
    Bytes out;
    out.reserve(glyphs.size() * GlyphTable::kRecordSize);
    for (const Glyph& glyph : glyphs) {
        AppendLe32(out, glyph.code);
        for (float f : glyph.rect) AppendLe32(out, std::bit_cast<uint32_t>(f));
        AppendLe32(out, static_cast<uint32_t>(glyph.width));
        AppendLe32(out, static_cast<uint32_t>(glyph.height));
    }
    return out;
}
