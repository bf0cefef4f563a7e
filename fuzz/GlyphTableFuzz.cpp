// Feeds arbitrary bytes to the glyph table loader as if they were the archive's glyph table file.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "library/GlyphTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const GlyphTable table(std::span(data, size));
    if (table.Glyphs().size() != size / GlyphTable::kRecordSize) std::abort();

    // Every character the table holds is found, and found as a record of that character.
    for (const Glyph& glyph : table.Glyphs()) {
        if (glyph.code > 0xFFFF) continue;
        const Glyph* found = table.Find(static_cast<char16_t>(glyph.code));
        if (found == nullptr || found->code != glyph.code) std::abort();
    }
    (void)table.LineFeed();
    return 0;
}
