#pragma once
#include <span>
#include <string_view>

#include "Mesh.h"

// One model row's recipe: the catalogue name and the function that builds its mesh.
struct ModelRecipe {
    std::string_view name;
    Mesh (*build)();
};

// The recipe tables, one per family of models; a name appears in at most one of them.
std::span<const ModelRecipe> PrimitiveRecipes();
std::span<const ModelRecipe> CharacterRecipes();
std::span<const ModelRecipe> FurnitureRecipes();
