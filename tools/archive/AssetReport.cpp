#include "AssetReport.h"

#include <cstdio>

#include "audio/WaveFile.h"
#include "library/AssetDescription.h"
#include "library/EffectFile.h"
#include "library/GlyphTable.h"
#include "library/Utf.h"
#include "scene/TextData.h"

namespace {

// `text` on one line: a line feed becomes "\n" and a backslash "\\"; carriage returns never reach
// here (the table's parser drops them) and other characters are kept.
std::string OneLine(std::u16string_view text) {
    std::string line;
    for (char c : Utf16ToUtf8(text)) {
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\\') {
            line += "\\\\";
        } else {
            line += c;
        }
    }
    return line;
}

std::string DescribeWave(std::span<const uint8_t> bytes) {
    WaveInfo info{};
    if (ParseWave(bytes, info) != S_OK) {
        return "not a RIFF WAVE file with a \"fmt \" chunk and then a \"data\" chunk inside it\n";
    }
    const WaveFormat& format = info.format;
    return "format tag " + std::to_string(format.formatTag) + ", channels " +
           std::to_string(format.channels) + ", rate " + std::to_string(format.samplesPerSec) +
           " Hz, bits " + std::to_string(format.bitsPerSample) + ", block align " +
           std::to_string(format.blockAlign) + "\ndata at byte " + std::to_string(info.dataOffset) +
           ", " + std::to_string(info.dataSize) + " bytes\n";
}

std::string DescribeTextTable(std::span<const uint8_t> bytes, LoadCheck check) {
    if (check != LoadCheck::Loads) {
        return "no " + Utf16ToUtf8(kGameLanguage) + " text for \"" +
               Utf16ToUtf8(kTextTableProbeKey) + "\", which the game's table has\n";
    }
    TextData table;
    table.Load(bytes);
    std::string text;
    for (const auto& [language, texts] : table.Languages()) {
        for (const auto& [key, value] : texts.Texts()) {
            text += OneLine(key) + " [" + OneLine(language) + "] " + OneLine(value) + "\n";
        }
    }
    return text;
}

std::string DescribeGlyph(const Glyph& glyph) {
    // Codes beyond one UTF-16 unit cannot name a character; show the replacement character.
    const char16_t character = glyph.code <= 0xFFFF ? static_cast<char16_t>(glyph.code) : u'\uFFFD';
    char line[200];
    std::snprintf(line, sizeof line, "U+%04X \"%s\" rect (%g, %g, %g, %g) width %d height %d\n",
                  glyph.code, OneLine({&character, 1}).c_str(), glyph.rect[0], glyph.rect[1],
                  glyph.rect[2], glyph.rect[3], glyph.width, glyph.height);
    return line;
}

std::string DescribeGlyphTable(std::span<const uint8_t> bytes, LoadCheck check) {
    if (check != LoadCheck::Loads) {
        return std::to_string(bytes.size()) + " bytes: not whole " +
               std::to_string(GlyphTable::kRecordSize) +
               "-byte records, or no line-feed glyph to step lines by\n";
    }
    const GlyphTable table(bytes);
    std::string text;
    for (const Glyph& glyph : table.Glyphs()) text += DescribeGlyph(glyph);
    return text;
}

// The technique and each pass's stages, defines and state; or why the file does not parse.
std::string DescribeEffect(std::span<const uint8_t> bytes) {
    std::string error;
    const std::string_view source(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::optional<EffectFile> file = ParseEffectFile(source, error);
    if (!file) return error + "\n";
    constexpr const char* kBlends[] = {"none", "alpha", "add"};
    constexpr const char* kDepths[] = {"off", "test", "testwrite"};
    constexpr const char* kCulls[] = {"none", "back"};
    std::string text = "technique " + file->technique + "\n";
    for (int i = 0; i < kEffectParameterCount; ++i) {
        text += "parameter " + std::to_string(i) + " " + file->parameters[static_cast<size_t>(i)] +
                "\n";
    }
    for (int i = 0; i < kEffectPassCount; ++i) {
        const EffectPass& pass = file->passes[static_cast<size_t>(i)];
        text += "pass " + std::to_string(i) + ": " + pass.vertex + " + " + pass.fragment;
        for (const std::string& define : pass.defines) text += " " + define;
        text += std::string(", blend ") + kBlends[static_cast<int>(pass.state.blend)] + ", depth " +
                kDepths[static_cast<int>(pass.state.depth)] + ", cull " +
                kCulls[static_cast<int>(pass.state.cull)] + "\n";
    }
    return text;
}

}  // namespace

AssetReport InspectAsset(AssetKind kind, std::span<const uint8_t> bytes,
                         std::span<const AssetEntry> catalogue) {
    const LoadCheck check = CheckAsset(kind, bytes, catalogue);
    switch (kind) {
        case AssetKind::Png:
        case AssetKind::Bmp:
            return {check, DescribeImage(bytes)};
        case AssetKind::Model:
            return {check, DescribeModel(bytes, catalogue)};
        case AssetKind::Wave:
            return {check, DescribeWave(bytes)};
        case AssetKind::TextTable:
            return {check, DescribeTextTable(bytes, check)};
        case AssetKind::GlyphTable:
            return {check, DescribeGlyphTable(bytes, check)};
        case AssetKind::Effect:
            break;
    }
    return {check, DescribeEffect(bytes)};
}
