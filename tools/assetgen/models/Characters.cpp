#include "models/CharactersParts.h"
#include "models/Recipes.h"

namespace {

constexpr ModelRecipe kRecipes[] = {
    {"darts.x", Dart},
    {"fishasi.x", GhostLeg},
    {"fishface.x", GhostHead},
    {"fishhand.x", GhostForearm},
    {"fishkosi.x", GhostHips},
    {"fishnino.x", GhostUpperArm},
    {"fishuebody.x", GhostTorso},
    {"gtasi.x", PlayerLowerLeg},
    {"gtbody.x", PlayerTorso},
    {"gtbody2.x", PlayerHips},
    {"gthand.x", PlayerForearm},
    {"gthead.x", PlayerHead},
    {"gtmomo.x", PlayerThigh},
    {"gtnino.x", PlayerUpperArm},
    {"bottle.x", Bottle},
    {"flashlight.x", Flashlight},
    {"key.x", Key},
    {"coin.x", Coin},
    {"syoukaki.x", Extinguisher},
};

}  // namespace

std::span<const ModelRecipe> CharacterRecipes() {
    return kRecipes;
}
