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
// The two bodies' parts and what the player holds or picks up.
std::span<const ModelRecipe> CharacterRecipes();
// Doors, bath and washroom fittings, chairs, tables and desks.
std::span<const ModelRecipe> FurnitureRecipes();
// Lamps, appliances, machines, signs, plants, the sky and the rest of the inn's fittings.
std::span<const ModelRecipe> FittingsRecipes();
// The room shells, drawn from the room plans under assets/levels.
std::span<const ModelRecipe> RoomRecipes();
// The outdoor planting, drawn from the grove plans under assets/levels.
std::span<const ModelRecipe> GroveRecipes();
