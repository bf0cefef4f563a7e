#pragma once
#include <span>
#include <vector>

#include "library/Archive.h"
#include "library/AssetCache.h"
#include "library/CModel.h"
#include "library/CTextureManager.h"
#include "library/LoadLog.h"

// The shared models, by catalogue index.
class CModelManager {
  public:
    void SetFailLog(LoadLog log) { log_ = std::move(log); }

    // nullptr for an index outside the catalogue. Otherwise the cached model, empty when its load
    // failed. The model's textures are not loaded: see LoadModelTextures.
    CModel* Load(int index, Archive& archive);
    void Release(int index) { cache_.Release(index); }

    int32_t RefCount(int index) const { return cache_.RefCount(index); }
    bool HasEntry(int index) const { return cache_.HasEntry(index); }
    size_t EntryCount() const { return cache_.EntryCount(); }

  private:
    LoadLog log_;
    AssetCache<CModel> cache_;
};

// The textures a model's holder takes from the texture manager: each material's texture and
// normal map (materials without them skipped). Returns the rows that loaded and were counted;
// give back exactly those with ReleaseTextures. A row whose load failed is not counted and must
// not be released: that release would take a count another holder owns.
std::vector<int> LoadModelTextures(const CModel& model, CTextureManager& textures,
                                   gfx::Device& device, Archive& archive);
void ReleaseTextures(std::span<const int> rows, CTextureManager& textures);
