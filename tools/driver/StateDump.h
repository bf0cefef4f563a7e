#pragma once
#include <cstdint>
#include <string>

class D3DXMain;

namespace driver {

// The game's state as one JSON object: field, player, story, items, enemy, open text box, camera,
// achievements. The text box is null while none is open.
std::string StateJson(const D3DXMain& app, uint32_t frame);

}  // namespace driver
