#pragma once
#include "library/GlyphTable.h"
#include "library/Result.h"

class CTexture;
class MyLibrary;

// The glyph atlas texture (catalogue row 0) and its glyph table (row 5), which text objects lay
// their strings out with. Holds one count of the atlas texture for the library's lifetime.
class FontAtlas {
  public:
    virtual ~FontAtlas() = default;

    // scale := displaySize / atlasSize; reads the glyph table (whole records only) and takes the
    // atlas texture. E_FAIL when the glyph table row cannot be read; a texture that fails to load
    // leaves text invisible but the game running.
    HRESULT Init(MyLibrary& library, int atlasSize, int displaySize);

    float scale = 1.0f;
    GlyphTable glyphs;
    CTexture* texture = nullptr;  // the atlas; null before Init
};
