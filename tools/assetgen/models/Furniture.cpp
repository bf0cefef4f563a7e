#include "models/Recipes.h"

std::span<const ModelRecipe> FurnitureRecipes() {
    return {};
}
