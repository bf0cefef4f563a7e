#pragma once
// The fittings' recipes, one function per model row, gathered into FittingsRecipes() by
// Fittings.cpp. Sizes are world units as the events place the models (the player stands 1.2
// high); each model faces -z unless its recipe says otherwise.
#include "Mesh.h"

namespace fittings {

// FittingsAppliances.cpp: machines and appliances.
Mesh Fridge();
Mesh FridgeDoor();
Mesh Television();
Mesh RadioCassette();
Mesh CashRegister();
Mesh Telephone();
Mesh PhoneBooth();
Mesh ElectricFan();
Mesh VendingMachine();
Mesh RoofBoiler();

// FittingsWashroom.cpp: toilets, washrooms and what stands in them.
Mesh Toilet();
Mesh ToiletLid();
Mesh VentGrille();
Mesh SanitaryBin();
Mesh PaperHolder();
Mesh WashBasin();
Mesh Faucet();
Mesh WasteBin();
Mesh BathroomScale();
Mesh StallDoor();

// FittingsRooms.cpp: windows, doors and room furnishings.
Mesh Window();
Mesh SmallWindow();
Mesh WoodDoor();
Mesh WoodDoorFrame();
Mesh Table();
Mesh FloorChair();
Mesh Whiteboard();
Mesh InnSign();
Mesh TeaCaddy();

// FittingsOutdoors.cpp: plants, the sky and the cobweb.
Mesh Planter();
Mesh PlantPot();
Mesh LeafyPlant();
Mesh GrassTuft();
Mesh Sky();
Mesh Cobweb();

}  // namespace fittings
