#pragma once
#include <cstdint>
#include <optional>

#include <glm/vec2.hpp>

class Input;

namespace Ev {

// A column of rows on the overlay with one of them chosen: up and down move the choice, wrapping
// round at either end, and a pointer moved over the rows chooses the one it is over. Keys, the
// pad's directions and the mouse alike.
class MenuRows {
  public:
    // `count` rows (at least one), the first centred at height `top` (layout units, y up), each
    // next one `pitch` lower.
    MenuRows(int32_t count, float top, float pitch);

    // This frame's direction presses, or the pointer once it has moved; true when the choice
    // changed.
    bool Step(Input& input, const glm::vec2& pointer);
    // The row whose band holds height `y`, if any.
    std::optional<int32_t> RowAt(float y) const;
    float CentreOf(int32_t row) const { return top_ - pitch_ * static_cast<float>(row); }
    float Pitch() const { return pitch_; }

    int32_t chosen = 0;

  private:
    int32_t count_;
    float top_;
    float pitch_;
};

}  // namespace Ev
