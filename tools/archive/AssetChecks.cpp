#include "AssetChecks.h"

#include <algorithm>

#include "audio/WaveFile.h"
#include "library/GlyphTable.h"
#include "library/LittleEndian.h"
#include "scene/TextData.h"

namespace {

LoadCheck LoadsIf(bool condition) {
    return condition ? LoadCheck::Loads : LoadCheck::Fails;
}

bool StartsWith(std::span<const uint8_t> bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                      [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

struct KindInfo {
    AssetKind kind;
    std::string_view label;
    LoadCheck (*check)(std::span<const uint8_t>);
};

constexpr KindInfo kKinds[] = {
    {AssetKind::Png, "png", CheckPng},
    {AssetKind::Bmp, "bmp", CheckBmp},
    {AssetKind::Model, "x", CheckModel},
    {AssetKind::Wave, "wav", CheckWave},
    {AssetKind::TextTable, "csv", CheckTextTable},
    {AssetKind::GlyphTable, "glyphs", CheckGlyphTable},
    {AssetKind::Effect, "effect", CheckEffect},
};

const KindInfo& InfoOf(AssetKind kind) {
    return *std::find_if(std::begin(kKinds), std::end(kKinds),
                         [kind](const KindInfo& info) { return info.kind == kind; });
}

}  // namespace

LoadCheck CheckPng(std::span<const uint8_t> bytes) {
    return LoadsIf(StartsWith(bytes, "\x89PNG\r\n\x1A\n"));
}

LoadCheck CheckBmp(std::span<const uint8_t> bytes) {
    constexpr size_t kHeadersSize = 54;  // file header and BITMAPINFOHEADER
    return LoadsIf(StartsWith(bytes, "BM") && bytes.size() >= kHeadersSize &&
                   LoadLe32(&bytes[2]) == bytes.size());
}

LoadCheck CheckModel(std::span<const uint8_t> bytes) {
    return LoadsIf(StartsWith(bytes, "xof "));
}

LoadCheck CheckWave(std::span<const uint8_t> bytes) {
    WaveInfo info{};
    return LoadsIf(ParseWave(bytes, info) == S_OK);
}

LoadCheck CheckTextTable(std::span<const uint8_t> bytes) {
    // The game reads the "Japanese" column; a key every table has tells whether it is there.
    constexpr std::u16string_view kKey = u"FlagManager_0";
    TextData table;
    table.Load(bytes);
    table.SetLanguage(u"Japanese");
    return LoadsIf(table.GetText(kKey) != kKey);
}

LoadCheck CheckGlyphTable(std::span<const uint8_t> bytes) {
    const GlyphTable table(bytes);
    return LoadsIf(bytes.size() % GlyphTable::kRecordSize == 0 && table.LineFeed() != nullptr);
}

LoadCheck CheckEffect(std::span<const uint8_t>) {
    return LoadCheck::Unchecked;
}

std::string_view KindLabel(AssetKind kind) {
    return InfoOf(kind).label;
}

LoadCheck CheckAsset(AssetKind kind, std::span<const uint8_t> bytes) {
    return InfoOf(kind).check(bytes);
}
