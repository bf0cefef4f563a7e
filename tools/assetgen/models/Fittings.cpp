#include "models/FittingsParts.h"
#include "models/Recipes.h"

namespace {

using namespace fittings;

constexpr ModelRecipe kRecipes[] = {
    {"mado.x", Window},
    {"mado_s.x", SmallWindow},
    {"planter.x", Planter},
    {"pot.x", PlantPot},
    {"publictel.x", PhoneBooth},
    {"razikase.x", RadioCassette},
    {"reaf.x", LeafyPlant},
    {"reaf1.x", GrassTuft},
    {"reizouko.x", Fridge},
    {"reizouko_door.x", FridgeDoor},
    {"rest_door.x", StallDoor},
    {"rest_handle.x", Faucet},
    {"rezi.x", CashRegister},
    {"roof_boiler.x", RoofBoiler},
    {"innmora.x", InnSign},
    {"senpu.x", ElectricFan},
    {"sky.x", Sky},
    {"snp_cav.x", Cobweb},
    {"table.x", Table},
    {"taijukei.x", BathroomScale},
    {"tcover.x", ToiletLid},
    {"tdact.x", VentGrille},
    {"tel.x", Telephone},
    {"tgomibako.x", SanitaryBin},
    {"toile.x", Toilet},
    {"tpaper.x", PaperHolder},
    {"trashbox.x", WasteBin},
    {"tsink.x", WashBasin},
    {"tv.x", Television},
    {"tyaire.x", TeaCaddy},
    {"whitebord.x", Whiteboard},
    {"wood_door.x", WoodDoor},
    {"wood_door_waku.x", WoodDoorFrame},
    {"zaisu.x", FloorChair},
    {"zihanki.x", VendingMachine},
};

}  // namespace

std::span<const ModelRecipe> FittingsRecipes() {
    return kRecipes;
}
