#pragma once
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "library/Archive.h"
#include "library/CModel.h"
#include "platform/gfx/Device.h"

// A model ready to be drawn on a contact sheet: the mesh and materials as the game's loader builds
// them, and per material its decoded texture (null when it has none or it did not decode).
struct SheetModel {
    ModelData data;
    std::vector<const gfx::Image*> textures;
};

// Models and textures of an open archive, read through the game's own loaders and kept for the
// life of the set, so a model drawn in many cells is read once.
class SheetModels {
  public:
    // `archive` must be open and outlive the set.
    explicit SheetModels(Archive& archive) : archive_(archive) {}

    // The model of catalogue row `row`; null when the row cannot be read or is not a model the
    // game loads.
    const SheetModel* Model(int row);

  private:
    const gfx::Image* Texture(int row);

    Archive& archive_;
    std::map<int, std::unique_ptr<SheetModel>> models_;  // null: the row failed to load
    std::map<int, std::optional<gfx::Image>> textures_;
};
