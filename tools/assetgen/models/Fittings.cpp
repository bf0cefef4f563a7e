#include "models/Recipes.h"

std::span<const ModelRecipe> FittingsRecipes() {
    return {};
}
