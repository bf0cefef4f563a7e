#include "library/CModel.h"

#include "library/ModelLoader.h"
#include "library/TangentSpace.h"

std::optional<ModelData> BuildModel(std::span<const uint8_t> xFile,
                                    std::span<const AssetEntry> catalogue) {
    std::optional<ImportedModel> imported = ImportXModel(xFile);
    if (!imported) return std::nullopt;

    ModelData model;
    model.mesh = std::move(imported->mesh);
    for (const ImportedMaterial& material : imported->materials) {
        model.materials.push_back(ResolveMaterial(material, catalogue));
        model.passIndex = model.materials.back().passIndex;
    }
    model.bounds = ComputeBounds(model.mesh.positions);
    if (model.passIndex == ShaderPass::LitNormalMapped) AddTangentFrame(model.mesh);
    return model;
}

HRESULT CModel::Load(int index, Archive& archive, const LoadLog& log) {
    const std::optional<std::vector<uint8_t>> bytes = archive.Read(index);
    data_ = bytes ? BuildModel(*bytes, archive.Catalogue()) : std::nullopt;
    if (!data_) {
        // Working out why reads the file again, so only a log is told.
        const std::string why = log && bytes ? ImportFailure(*bytes) : std::string();
        ReportFailedLoad(log, archive.Catalogue(), index, why);
        return E_FAIL;
    }
    return S_OK;
}
