#include "AssetSet.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "FontAtlas.h"
#include "Models.h"
#include "Sounds.h"
#include "Textures.h"
#include "XFile.h"
#include "library/AssetNames.h"
#include "library/EffectFile.h"

namespace {

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes FromText(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// The effect goes into the archive as written, once it is known to parse.
Bytes CheckedEffect(const Bytes& effect) {
    std::string error;
    const std::string_view text(reinterpret_cast<const char*>(effect.data()), effect.size());
    if (!ParseEffectFile(text, error)) throw std::runtime_error("effect file: " + error);
    return effect;
}

Bytes GenerateImage(std::string_view name, AssetKind kind, const FontAtlas& atlas) {
    if (name == "FontAtlas.png") return EncodePng(atlas.image);
    if (name == "sight.png") return EncodePng(SightReticle());
    const Image picture = TextureImage(name);
    return kind == AssetKind::Png ? EncodePng(picture) : EncodeBmp(picture);
}

}  // namespace

AssetSources ReadAssetSources(const std::filesystem::path& assetFolder,
                              const std::filesystem::path& fontFile) {
    return {ReadFile(assetFolder / "text" / "TextData.csv"),
            ReadFile(assetFolder / "effect" / "main.cfx"), fontFile};
}

std::vector<Bytes> GenerateAssets(const AssetSources& sources) {
    const FontAtlas atlas = RenderFontAtlas(sources.fontFile, AtlasCharacters(sources.textTable));
    std::vector<Bytes> assets;
    assets.reserve(kAssetNames.size());
    for (int row = 0; row < kAssetCount; ++row) {
        const std::string_view name = kAssetNames[static_cast<size_t>(row)];
        switch (const AssetKind kind = KindOfRow(row)) {
            case AssetKind::Png:
            case AssetKind::Bmp:
                assets.push_back(GenerateImage(name, kind, atlas));
                break;
            case AssetKind::Model:
                assets.push_back(FromText(WriteXFile(BuildModel(name))));
                break;
            case AssetKind::Wave:
                assets.push_back(SynthesiseSound(name));
                break;
            case AssetKind::TextTable:
                assets.push_back(sources.textTable);
                break;
            case AssetKind::GlyphTable:
                assets.push_back(EncodeGlyphTable(atlas.glyphs));
                break;
            case AssetKind::Effect:
                assets.push_back(CheckedEffect(sources.effect));
                break;
        }
    }
    return assets;
}

void WriteAssets(const std::filesystem::path& folder, const std::vector<Bytes>& assets) {
    std::filesystem::create_directories(folder);
    for (size_t row = 0; row < assets.size(); ++row) {
        const std::filesystem::path path = folder / kAssetNames[row];
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(assets[row].data()),
                  static_cast<std::streamsize>(assets[row].size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
    }
}
