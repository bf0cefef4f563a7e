#pragma once
#include <cstdint>

inline constexpr int kEffectPassCount = 14;

// The technique's passes, by what they draw.
enum class ShaderPass : uint32_t {
    Lit = 0,  // meshes: untextured
    LitTextured = 1,
    LitCutOut = 2,  // textures with alpha holes (PNG)
    LitNormalMapped = 3,
    Shadow = 4,  // depth into the shadow map
    ShadowCutOut = 5,
    FlatQuad = 6,    // untextured quads: bands, the fade
    OpaqueQuad = 7,  // textured, not blended: the sight, the mirror's image
    BlendedQuad = 8,
    GlowQuad = 9,  // added on top: particles
    Glyph = 10,
    Compose = 11,  // the scene and its glow onto the back buffer
    BlurAcross = 12,
    BlurDown = 13,
};

constexpr uint32_t PassIndex(ShaderPass pass) {
    return static_cast<uint32_t>(pass);
}
