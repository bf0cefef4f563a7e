#include "library/ModelMaterial.h"

#include "library/ModelLoader.h"
#include "library/Utf.h"

std::u16string NormalMapName(std::u16string_view textureName) {
    const std::u16string_view base = textureName.substr(0, textureName.find(u'.'));
    return u"normal_" + std::u16string(base) + u".bmp";
}

ModelMaterial ResolveMaterial(const ImportedMaterial& imported,
                              std::span<const AssetEntry> catalogue) {
    ModelMaterial material;
    material.textureName = Utf8ToUtf16(imported.textureFile);
    material.material = {imported.diffuse, imported.diffuse, imported.specular, imported.emissive,
                         imported.power};
    if (material.textureName.empty()) return material;
    material.textureIndex = FindAsset(catalogue, material.textureName);
    if (material.textureIndex < 0) return material;

    material.passIndex = material.textureName.find(u".png") != std::u16string::npos
                             ? ShaderPass::LitCutOut
                             : ShaderPass::LitTextured;
    material.normalMapIndex = FindAsset(catalogue, NormalMapName(material.textureName));
    if (material.normalMapIndex >= 0) material.passIndex = ShaderPass::LitNormalMapped;
    return material;
}
