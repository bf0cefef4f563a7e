#include "models/FurnitureParts.h"
#include "models/Recipes.h"

namespace {

using namespace furniture;

constexpr ModelRecipe kRecipes[] = {
    {"bathdoor.x", BathDoor},
    {"bathdoorwaku.x", BathDoorFrame},
    {"bath_bench.x", BathBench},
    {"bath_chair.x", BathStool},
    {"bath_oke.x", BathBucket},
    {"bath_shower.x", BathShower},
    {"bouka.x", FireShutter},
    {"chair.x", LoungeChair},
    {"chair_tesuri.x", Armchair},
    {"clock.x", WallClock},
    {"dartsbord.x", Dartboard},
    {"denki.x", HangingLamp},
    {"desk.x", Desk},
    {"dining_chair.x", DiningChair},
    {"dining_table.x", DiningTable},
    {"doornobu.x", DoorKnob},
    {"door_key.x", DoorKey},
    {"door_plate.x", DoorPlate},
    {"exit.x", ExitSign},
    {"exit_door.x", ExitDoor},
    {"exit_door_nobu.x", ExitDoorHandle},
    {"exit_door_waku.x", ExitDoorFrame},
    {"haizara.x", Ashtray},
    {"husuma.x", Husuma},
    {"iriguti.x", Entrance},
    {"irigutidoor.x", EntranceDoor},
    {"kabe.x", WallPanel},
    {"kagidana.x", KeyCabinet},
    {"kaiga.x", Painting},
    {"katen.x", Curtain},
    {"keikou.x", FluorescentLamp},
    {"kinko.x", Safe},
    {"kinko_door.x", SafeDoor},
    {"lack.x", Rack},
};

}  // namespace

std::span<const ModelRecipe> FurnitureRecipes() {
    return kRecipes;
}
