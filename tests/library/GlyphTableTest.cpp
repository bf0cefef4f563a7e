#include "library/GlyphTable.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

namespace {

void AppendLe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void AppendRecord(std::vector<uint8_t>& out, const Glyph& glyph) {
    AppendLe32(out, glyph.code);
    for (float f : glyph.rect) AppendLe32(out, std::bit_cast<uint32_t>(f));
    AppendLe32(out, static_cast<uint32_t>(glyph.width));
    AppendLe32(out, static_cast<uint32_t>(glyph.height));
}

std::vector<uint8_t> FileOf(const std::vector<Glyph>& glyphs) {
    std::vector<uint8_t> bytes;
    for (const Glyph& glyph : glyphs) AppendRecord(bytes, glyph);
    return bytes;
}

const Glyph kA{u'A', {0.0f, 0.25f, 0.5f, 1.0f}, 12, 24};
const Glyph kLineFeed{u'\n', {0.5f, 0.5f, 0.5f, 0.5f}, 0, 31};
const Glyph kKana{u'\u3042', {-1.5f, 2.0f, 3.5f, 4.0f}, -2, 20};

TEST(GlyphTable, IgnoresBytesThatDoNotFillARecord) {
    std::vector<uint8_t> bytes = FileOf({kA, kLineFeed});
    bytes.insert(bytes.end(), GlyphTable::kRecordSize - 1, 0xFF);
    EXPECT_EQ(GlyphTable(bytes).Glyphs().size(), 2u);
    EXPECT_TRUE(GlyphTable(std::vector<uint8_t>(GlyphTable::kRecordSize - 1)).Glyphs().empty());
}

// Every field of a record decoded; the first record of a code found, and the line feed's, which
// gives the line step.
TEST(GlyphTable, DecodesRecordsAndFindsTheFirstOfACodeOrNone) {
    Glyph secondA = kA;
    secondA.width = 99;
    const GlyphTable table(FileOf({kKana, kA, secondA}));
    ASSERT_EQ(table.Glyphs().size(), 3u);
    const Glyph* kana = table.Find(u'\u3042');
    ASSERT_NE(kana, nullptr);
    EXPECT_EQ(kana->rect, kKana.rect);
    EXPECT_EQ(kana->width, -2);
    EXPECT_EQ(kana->height, 20);
    EXPECT_EQ(table.Find(u'A')->width, kA.width);
    EXPECT_EQ(table.Find(u'B'), nullptr);
    EXPECT_EQ(table.LineFeed(), nullptr);
    EXPECT_EQ(GlyphTable(FileOf({kA, kLineFeed})).LineFeed()->height, 31);
    // A code beyond sixteen bits matches no character.
    Glyph wide = kA;
    wide.code = 0x10000u + u'A';
    EXPECT_EQ(GlyphTable(FileOf({wide})).Find(u'A'), nullptr);
}

}  // namespace
