#pragma once
#include <cstdint>

// `EnemyMode` values: the ghost's state, kept in the player's record so that it outlives the
// field that shows the ghost.
enum EnemyState : int32_t {
    kEnemyAbsent = 0,
    kEnemyWaiting = 1,
    kEnemyChasing = 2,
    kEnemyHoldingBack = 3,  // unseen, keeping its trail, for a moment after the player came in
    kEnemyCaught = 4,
    kEnemyVanishing = 5,
    kEnemyDefeated = 6,
    kEnemyScriptedWalk = 7,
};
