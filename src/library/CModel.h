#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "library/Archive.h"
#include "library/LoadLog.h"
#include "library/MeshData.h"
#include "library/ModelBounds.h"
#include "library/ModelMaterial.h"
#include "library/Result.h"

// Everything a model file gives once its materials are resolved against the catalogue.
struct ModelData {
    MeshData mesh;  // tangent-space layout when passIndex is kPassNormalMapped
    std::vector<ModelMaterial> materials;    // file order; material i draws subset i
    ShaderPass passIndex = ShaderPass::Lit;  // the last material's: the whole model uses it
    ModelBounds bounds;                      // of the positions as loaded
};

// Builds a model from the bytes of a .x file; nullopt when the file cannot be read.
std::optional<ModelData> BuildModel(std::span<const uint8_t> xFile,
                                    std::span<const AssetEntry> catalogue);

// One cached model: empty until a load succeeds. The CPU-side mesh stays here; vertex buffers are
// the renderer's.
class CModel {
  public:
    // Reads catalogue row `index` from the archive and builds it. On failure the model stays
    // empty, the failure and why the file was refused go to `log`, and the result is E_FAIL.
    HRESULT Load(int index, Archive& archive, const LoadLog& log);

    bool IsLoaded() const { return data_.has_value(); }
    // Only while loaded.
    const ModelData& Data() const { return *data_; }
    uint32_t MaterialCount() const {
        return IsLoaded() ? static_cast<uint32_t>(data_->materials.size()) : 0;
    }

  private:
    std::optional<ModelData> data_;
};
