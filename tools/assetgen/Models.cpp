#include "Models.h"

#include <algorithm>

#include "models/Recipes.h"

namespace {

const ModelRecipe* FindRecipe(std::string_view name) {
    for (const auto table : {PrimitiveRecipes(), CharacterRecipes(), FurnitureRecipes(),
                             FittingsRecipes(), RoomRecipes(), GroveRecipes()}) {
        const auto found = std::find_if(table.begin(), table.end(),
                                        [name](const ModelRecipe& r) { return r.name == name; });
        if (found != table.end()) return &*found;
    }
    return nullptr;
}

}  // namespace

Mesh BuildModel(std::string_view name) {
    const ModelRecipe* recipe = FindRecipe(name);
    return recipe ? recipe->build() : FindRecipe("cube.x")->build();
}
