#include "AssetChecks.h"

#include <algorithm>

#include "audio/WaveFile.h"
#include "library/CModel.h"
#include "library/EffectFile.h"
#include "library/GlyphTable.h"
#include "library/ImageLoader.h"
#include "scene/TextData.h"

namespace {

LoadCheck LoadsIf(bool condition) {
    return condition ? LoadCheck::Loads : LoadCheck::Fails;
}

struct KindInfo {
    AssetKind kind;
    std::string_view label;
};

constexpr KindInfo kKinds[] = {
    {AssetKind::Png, "png"},       {AssetKind::Bmp, "bmp"},       {AssetKind::Model, "x"},
    {AssetKind::Wave, "wav"},      {AssetKind::TextTable, "csv"}, {AssetKind::GlyphTable, "glyphs"},
    {AssetKind::Effect, "effect"},
};

}  // namespace

LoadCheck CheckImage(std::span<const uint8_t> bytes) {
    return LoadsIf(DecodeImage(bytes).has_value());
}

LoadCheck CheckModel(std::span<const uint8_t> bytes, std::span<const AssetEntry> catalogue) {
    return LoadsIf(BuildModel(bytes, catalogue).has_value());
}

LoadCheck CheckWave(std::span<const uint8_t> bytes) {
    WaveInfo info{};
    return LoadsIf(ParseWave(bytes, info) == S_OK);
}

LoadCheck CheckTextTable(std::span<const uint8_t> bytes) {
    TextData table;
    table.Load(bytes);
    table.SetLanguage(kGameLanguage);
    return LoadsIf(table.GetText(kTextTableProbeKey) != kTextTableProbeKey);
}

LoadCheck CheckGlyphTable(std::span<const uint8_t> bytes) {
    const GlyphTable table(bytes);
    return LoadsIf(bytes.size() % GlyphTable::kRecordSize == 0 && table.LineFeed() != nullptr);
}

LoadCheck CheckEffect(std::span<const uint8_t> bytes) {
    std::string error;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return LoadsIf(ParseEffectFile(text, error).has_value());
}

std::string_view KindLabel(AssetKind kind) {
    return std::find_if(std::begin(kKinds), std::end(kKinds),
                        [kind](const KindInfo& info) { return info.kind == kind; })
        ->label;
}

LoadCheck CheckAsset(AssetKind kind, std::span<const uint8_t> bytes,
                     std::span<const AssetEntry> catalogue) {
    switch (kind) {
        case AssetKind::Png:
        case AssetKind::Bmp:
            return CheckImage(bytes);
        case AssetKind::Model:
            return CheckModel(bytes, catalogue);
        case AssetKind::Wave:
            return CheckWave(bytes);
        case AssetKind::TextTable:
            return CheckTextTable(bytes);
        case AssetKind::GlyphTable:
            return CheckGlyphTable(bytes);
        case AssetKind::Effect:
            break;
    }
    return CheckEffect(bytes);
}
