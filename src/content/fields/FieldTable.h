#pragma once
// What the fields' source files write their placement and exit tables with.
#include "content/events/BathroomDoor.h"
#include "content/events/Blocks.h"
#include "content/events/Decor.h"
#include "content/events/Enemies.h"
#include "content/events/Fire.h"
#include "content/events/FishGhost.h"
#include "content/events/LockedDoors.h"
#include "content/events/Notes.h"
#include "content/events/Opening.h"
#include "content/events/Pickups.h"
#include "content/events/Scenes.h"
#include "content/events/Shutter.h"
#include "content/fields/FieldBuild.h"
#include "library/AssetNames.h"

namespace Fld {

using content::ExitPlacement;
using content::Make;
using content::MakeExit;
using content::Placement;
using Ev::drawHitObj;
using Ev::drawObj;

}  // namespace Fld
