#pragma once
#include "Mesh.h"

// The recipes of the character table, one per model row. Body parts are modelled in their rig's
// units with the origin on the joint the rig places them by; both bodies face +z in rig space.

// The player's body (rig unit 0.1 world units; feet on y 0 of the rig's root in the rest pose).
Mesh PlayerLowerLeg();  // "gtasi.x"
Mesh PlayerTorso();     // "gtbody.x"
Mesh PlayerHips();      // "gtbody2.x"
Mesh PlayerForearm();   // "gthand.x"
Mesh PlayerHead();      // "gthead.x"
Mesh PlayerThigh();     // "gtmomo.x"
Mesh PlayerUpperArm();  // "gtnino.x"

// The ghost's body (rig unit 0.08 world units).
Mesh GhostLeg();       // "fishasi.x"
Mesh GhostHead();      // "fishface.x"
Mesh GhostForearm();   // "fishhand.x"
Mesh GhostHips();      // "fishkosi.x"
Mesh GhostUpperArm();  // "fishnino.x"
Mesh GhostTorso();     // "fishuebody.x"

// What the player throws, holds or picks up.
Mesh Dart();          // "darts.x"
Mesh Bottle();        // "bottle.x"
Mesh Flashlight();    // "flashlight.x"
Mesh Key();           // "key.x"
Mesh Coin();          // "coin.x"
Mesh Extinguisher();  // "syoukaki.x"
