#include "library/GlyphTable.h"

#include <algorithm>

#include "library/LittleEndian.h"

namespace {

// Field offsets inside one record, in bytes.
constexpr size_t kCodeAt = 0;
constexpr size_t kRectAt = 4;
constexpr size_t kWidthAt = 20;
constexpr size_t kHeightAt = 24;

Glyph DecodeGlyph(const uint8_t* record) {
    Glyph glyph{};
    glyph.code = LoadLe32(record + kCodeAt);
    for (size_t i = 0; i < glyph.rect.size(); ++i) {
        glyph.rect[i] = LoadLeF32(record + kRectAt + 4 * i);
    }
    glyph.width = LoadLeI32(record + kWidthAt);
    glyph.height = LoadLeI32(record + kHeightAt);
    return glyph;
}

}  // namespace

GlyphTable::GlyphTable(std::span<const uint8_t> bytes) {
    const size_t count = bytes.size() / kRecordSize;
    glyphs_.reserve(count);
    for (size_t i = 0; i < count; ++i) glyphs_.push_back(DecodeGlyph(&bytes[i * kRecordSize]));
}

const Glyph* GlyphTable::Find(char16_t code) const {
    const auto glyph = std::find_if(glyphs_.begin(), glyphs_.end(),
                                    [code](const Glyph& g) { return g.code == code; });
    return glyph == glyphs_.end() ? nullptr : &*glyph;
}
