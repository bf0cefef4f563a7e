#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class D3DXMain;
class TextBox;
struct SystemSettings;

namespace driver {

// The game's state as one JSON object: field, player, story, items, enemy, open text box, open
// menu, settings, camera, achievements. The text box and the menu are null while none is open.
std::string StateJson(const D3DXMain& app, uint32_t frame);

// The pieces of the dump that scripts name and compare against ("field", "textBox", "menu",
// "settings").
// The current field's name; nullopt with none.
std::optional<std::string> FieldName(const D3DXMain& app);
// The open dialogue box of the current field; null while none is open.
const TextBox* OpenBox(const D3DXMain& app);
// The text key of line `line` of `box`; nullopt for a line without one or out of range.
std::optional<std::string> LineKey(const TextBox& box, int32_t line);
// The answers offered on the box's current line: 2 for a question, else 0.
size_t AnswerCount(const TextBox& box);

// The page and the highlighted row of the open menu: the pause menu while it shows, else the
// title's. The pause menu's rows count down from 0 (MenuRecord), the title's up.
struct MenuView {
    int32_t page;
    int32_t row;
};
std::optional<MenuView> OpenMenu(const D3DXMain& app);
// The setting called `name`: "light", "volume" (the sliders) or "resolution" (its row).
std::optional<float> SettingNamed(const SystemSettings& settings, std::string_view name);

}  // namespace driver
