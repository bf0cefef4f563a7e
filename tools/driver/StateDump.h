#pragma once
#include <cstdint>
#include <optional>
#include <string>

class D3DXMain;
class TextBox;

namespace driver {

// The game's state as one JSON object: field, player, story, items, enemy, open text box, camera,
// achievements. The text box is null while none is open.
std::string StateJson(const D3DXMain& app, uint32_t frame);

// The pieces of the dump that scripts name and compare against ("field", "textBox").
// The current field's name; nullopt with none.
std::optional<std::string> FieldName(const D3DXMain& app);
// The open dialogue box of the current field; null while none is open.
const TextBox* OpenBox(const D3DXMain& app);
// The text key of line `line` of `box`; nullopt for a line without one or out of range.
std::optional<std::string> LineKey(const TextBox& box, int32_t line);
// The answers offered on the box's current line: 2 for a question, else 0.
size_t AnswerCount(const TextBox& box);

}  // namespace driver
