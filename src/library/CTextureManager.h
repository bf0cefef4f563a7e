#pragma once
#include "library/Archive.h"
#include "library/AssetCache.h"
#include "library/CTexture.h"
#include "library/LoadLog.h"
#include "platform/gfx/Device.h"

// The shared textures, by catalogue index. Holds device textures: destroy it (or release every
// texture) before the device.
class CTextureManager {
  public:
    void SetFailLog(LoadLog log) { log_ = std::move(log); }

    // nullptr for an index outside the catalogue, -1 included (a material without texture).
    // Otherwise the cached texture, empty when its load failed.
    CTexture* Load(int index, gfx::Device& device, Archive& archive);
    void Release(int index) { cache_.Release(index); }

    int32_t RefCount(int index) const { return cache_.RefCount(index); }
    bool HasEntry(int index) const { return cache_.HasEntry(index); }
    size_t EntryCount() const { return cache_.EntryCount(); }

  private:
    LoadLog log_;
    AssetCache<CTexture> cache_;
};
