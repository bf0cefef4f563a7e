#include "content/fields/Gameover.h"

#include "scene/Personal.h"

namespace Fld {

void Gameover::Init(Personal* player, MyLibrary*) {
    player->controlMode = kControlHeld;
    ++player->record.deathCount;
}

void Gameover::Update() {
    player->SetSpawn(0, {0, 0, 0});
    parent->titleRequested = 1;
}

}  // namespace Fld
