#pragma once
// The furniture recipes, one per catalogue row; the table in Furniture.cpp names them. Each
// recipe's comment gives what it is, its size in world units and where its origin lies.
#include "Mesh.h"

namespace furniture {

// Doors, their frames and their hardware (FurnitureDoors.cpp).
Mesh BathDoor();
Mesh BathDoorFrame();
Mesh DoorKnob();
Mesh DoorKey();
Mesh DoorPlate();
Mesh ExitDoor();
Mesh ExitDoorHandle();
Mesh ExitDoorFrame();

// Partitions: sliding doors, the entrance, the shutter, the wall panel, signs
// (FurniturePartitions.cpp).
Mesh ExitSign();
Mesh FireShutter();
Mesh Husuma();
Mesh Entrance();
Mesh EntranceDoor();
Mesh WallPanel();

// Bath fittings (FurnitureBath.cpp).
Mesh BathBench();
Mesh BathStool();
Mesh BathBucket();
Mesh BathShower();

// Seats, tables, desks and storage (FurnitureRooms.cpp).
Mesh LoungeChair();
Mesh Armchair();
Mesh DiningChair();
Mesh DiningTable();
Mesh Desk();
Mesh KeyCabinet();
Mesh Rack();
Mesh Safe();
Mesh SafeDoor();

// Lamps, pictures and small things (FurnitureDecor.cpp).
Mesh WallClock();
Mesh Dartboard();
Mesh HangingLamp();
Mesh Ashtray();
Mesh Painting();
Mesh Curtain();
Mesh FluorescentLamp();

}  // namespace furniture
