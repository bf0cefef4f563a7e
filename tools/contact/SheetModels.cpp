#include "SheetModels.h"

#include "library/ImageLoader.h"

const SheetModel* SheetModels::Model(int row) {
    if (const auto found = models_.find(row); found != models_.end()) return found->second.get();
    std::unique_ptr<SheetModel>& model = models_[row];
    const std::optional<std::vector<uint8_t>> bytes = archive_.Read(row);
    if (!bytes) return nullptr;
    std::optional<ModelData> data = BuildModel(*bytes, archive_.Catalogue());
    if (!data) return nullptr;
    model = std::make_unique<SheetModel>();
    model->data = std::move(*data);
    for (const ModelMaterial& material : model->data.materials) {
        model->textures.push_back(material.textureIndex >= 0 ? Texture(material.textureIndex)
                                                             : nullptr);
    }
    return model.get();
}

const gfx::Image* SheetModels::Texture(int row) {
    auto found = textures_.find(row);
    if (found == textures_.end()) {
        const std::optional<std::vector<uint8_t>> bytes = archive_.Read(row);
        found = textures_.emplace(row, bytes ? DecodeImage(*bytes) : std::nullopt).first;
    }
    const std::optional<gfx::Image>& image = found->second;
    return image && !image->rgba.empty() ? &*image : nullptr;
}
