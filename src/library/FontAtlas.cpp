#include "library/FontAtlas.h"

#include "library/AssetNames.h"
#include "library/MyLibrary.h"

namespace {
constexpr int kAtlasRow = AssetRow("FontAtlas.png");
constexpr int kGlyphTableRow = AssetRow("FontAtlasInfo.dat");
}  // namespace

HRESULT FontAtlas::Init(MyLibrary& library, int atlasSize, int displaySize) {
    scale = static_cast<float>(displaySize) / static_cast<float>(atlasSize);
    const auto table = library.archive.Read(kGlyphTableRow);
    if (!table) return E_FAIL;
    glyphs = GlyphTable(*table);
    texture = library.textures.Load(kAtlasRow, *library.device, library.archive);
    return S_OK;
}
