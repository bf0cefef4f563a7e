#include "library/CTextureManager.h"

CTexture* CTextureManager::Load(int index, gfx::Device& device, Archive& archive) {
    return cache_.Acquire(index, archive.Catalogue().size(),
                          [&](CTexture& texture) { texture.Load(index, device, archive, log_); });
}
