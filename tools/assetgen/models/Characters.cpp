#include "models/Recipes.h"

std::span<const ModelRecipe> CharacterRecipes() {
    return {};
}
