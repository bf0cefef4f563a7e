#pragma once
#include <cstdint>
#include <string>

class D3DXMain;

namespace driver {

// The game's state as one JSON object: field, player, story, items, enemy, open text box, camera,
// achievements. Values that belong to parts of the game not built yet are null.
std::string StateJson(const D3DXMain& app, uint32_t frame);

}  // namespace driver
