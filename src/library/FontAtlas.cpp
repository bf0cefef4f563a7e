#include "library/FontAtlas.h"

#include "library/MyLibrary.h"

namespace {
constexpr int kAtlasRow = 0;       // "FontAtlas.png"
constexpr int kGlyphTableRow = 5;  // "FontAtlasInfo.dat"
}  // namespace

HRESULT FontAtlas::Init(MyLibrary& library, int atlasSize, int displaySize) {
    scale = static_cast<float>(displaySize) / static_cast<float>(atlasSize);
    const auto table = library.archive.Read(kGlyphTableRow);
    if (!table) return E_FAIL;
    glyphs = GlyphTable(*table);
    texture = library.textures.Load(kAtlasRow, *library.device, library.archive);
    return S_OK;
}
