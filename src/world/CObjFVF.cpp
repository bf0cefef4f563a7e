#include "world/CObjFVF.h"

#include "library/CSurf.h"
#include "library/MyLibrary.h"
#include "world/Placement.h"

namespace {}  // namespace

CObjFVF::~CObjFVF() {
    if (texture) library->textures.Release(textureIndex);
}

void CObjFVF::Submit(MyLibrary& owner, const FVF& quad, ShaderPass drawPass) {
    CEffect& effect = owner.effect;
    world = PlacementMatrix(position, scale, rotation, parent);
    effect.SetMatrix(effect_parameter::kWorld, world);
    effect.SetVector(effect_parameter::kColour, colour);
    effect.SelectPass(drawPass);
    effect.CommitChanges();
    quad.Draw();
}

void CObjFVF::Draw(MyLibrary& owner) {
    if (hidden || owner.effect.inShadowPass) return;
    if (!library) {
        library = &owner;
        if (textureIndex != -1)
            texture = owner.textures.Load(textureIndex, *owner.device, owner.archive);
    }
    if (textureIndex == -1) {
        pass = ShaderPass::FlatQuad;
    } else if (texture && texture->IsLoaded()) {
        owner.effect.SetTexture(effect_parameter::kTexture, texture->Id());
    }
    Submit(owner, owner.quad, pass);
}

void CObjFVF::DrawWith(MyLibrary& owner, gfx::TextureId given, ShaderPass drawPass) {
    if (hidden || owner.effect.inShadowPass) return;
    if (given != gfx::TextureId::None) owner.effect.SetTexture(effect_parameter::kTexture, given);
    Submit(owner, owner.quad, drawPass);
}

void CObjFVF::DrawMirrorQuad(MyLibrary& owner) {
    CEffect& effect = owner.effect;
    if (!effect.mirrorActive) return;
    if (hidden) {
        effect.mirrorActive = 0;
        return;
    }
    if (effect.inShadowPass || effect.inMirrorPass) return;
    const gfx::TextureId reflection = owner.surf.TextureOf(CSurf::kMirror);
    if (reflection != gfx::TextureId::None) {
        effect.SetTexture(effect_parameter::kTexture, reflection);
    }
    Submit(owner, owner.mirrorQuad, ShaderPass::OpaqueQuad);
}
