#include "library/CModelManager.h"

CModel* CModelManager::Load(int index, Archive& archive) {
    return cache_.Acquire(index, archive.Catalogue().size(),
                          [&](CModel& model) { model.Load(index, archive, log_); });
}

std::vector<int> LoadModelTextures(const CModel& model, CTextureManager& textures,
                                   gfx::Device& device, Archive& archive) {
    std::vector<int> counted;
    if (!model.IsLoaded()) return counted;
    for (const ModelMaterial& material : model.Data().materials) {
        for (const int row : {material.textureIndex, material.normalMapIndex}) {
            const CTexture* texture = textures.Load(row, device, archive);
            if (texture && texture->IsLoaded()) counted.push_back(row);
        }
    }
    return counted;
}

void ReleaseTextures(std::span<const int> rows, CTextureManager& textures) {
    for (const int row : rows) textures.Release(row);
}
