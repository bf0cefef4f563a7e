#include "content/events/MenuRows.h"

#include <algorithm>
#include <cmath>

#include "library/Input.h"

namespace Ev {

MenuRows::MenuRows(int32_t count, float top, float pitch)
    : count_(std::max(count, 1)), top_(top), pitch_(pitch) {}

bool MenuRows::Step(Input& input, const glm::vec2& pointer) {
    const int32_t before = chosen;
    if (input.state.mouseMoved != 0) {
        if (const std::optional<int32_t> row = RowAt(pointer.y)) chosen = *row;
    } else {
        // Both asked every frame, so that neither press is left latched for later.
        const bool up = input.Button(BUTTON_UP).Pressed();
        const bool down = input.Button(BUTTON_DOWN).Pressed();
        if (up) chosen = (chosen + count_ - 1) % count_;
        if (down) chosen = (chosen + 1) % count_;
    }
    return chosen != before;
}

std::optional<int32_t> MenuRows::RowAt(float y) const {
    const float rows = std::floor((top_ + pitch_ / 2 - y) / pitch_);
    if (!(rows >= 0 && rows < static_cast<float>(count_))) return std::nullopt;
    return static_cast<int32_t>(rows);
}

}  // namespace Ev
