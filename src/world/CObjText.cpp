#include "world/CObjText.h"

#include <algorithm>
#include <string_view>

#include <glm/gtx/transform.hpp>

#include "library/MyLibrary.h"
#include "world/Placement.h"

namespace {
const glm::vec4 kWholeTexture(0, 0, 1, 1);

// Where the pen starts a line: at 0, or half the line's width back when centred.
float LineStart(const FontAtlas& atlas, std::u16string_view line, bool centred) {
    if (!centred) return 0.0f;
    float width = 0.0f;
    for (char16_t c : line.substr(0, line.find(u'\n'))) {
        if (const Glyph* glyph = atlas.glyphs.Find(c)) {
            width += static_cast<float>(glyph->width) * atlas.scale;
        }
    }
    return -width / 2;
}
}  // namespace

void CObjText::Draw(MyLibrary& library) {
    CEffect& effect = library.effect;
    if (hidden || effect.inShadowPass) return;
    const std::u16string& text = literal ? *literal : library.textData.GetText(key);
    size_t count = text.size();
    if (maxChars != -1) count = std::min(count, static_cast<size_t>(std::max(maxChars, 0)));
    const FontAtlas& atlas = library.fontAtlas;
    cursor = {LineStart(atlas, text, centred != 0), 0.0f};
    effect.SetVector(effect_parameter::kColour, colour);
    effect.SelectPass(ShaderPass::Glyph);
    world = PlacementMatrix(position, scale, rotation, parent);

    if (atlas.texture && atlas.texture->IsLoaded()) {
        effect.SetTexture(effect_parameter::kTexture, atlas.texture->Id());
    }
    for (size_t i = 0; i < count; ++i) {
        const Glyph* glyph = atlas.glyphs.Find(text[i]);
        if (!glyph) continue;
        const float height = static_cast<float>(glyph->height) * atlas.scale;
        if (text[i] == u'\n') {
            cursor.y -= height;
            cursor.x = LineStart(atlas, std::u16string_view(text).substr(i + 1), centred != 0);
            continue;
        }
        const float width = static_cast<float>(glyph->width) * atlas.scale;
        glm::mat4 quad = glm::scale(glm::vec3(width, height, 1.0f));
        cursor.x += width / 2;
        quad[3] = glm::vec4(cursor.x * advanceFactor, cursor.y * lineFactor, 0.0f, 1.0f);
        cursor.x += width / 2;
        effect.SetMatrix(effect_parameter::kWorld, world * quad);
        effect.SetVector(effect_parameter::kExtra,
                         {glyph->rect[0], glyph->rect[1], glyph->rect[2], glyph->rect[3]});
        effect.CommitChanges();
        library.quad.Draw();
    }
    // Sprites drawn with the glyph pass later show their whole texture again.
    effect.SetVector(effect_parameter::kExtra, kWholeTexture);
}
