#pragma once
#include "scene/menu/MenuRecord.h"

// One page of the pause menu. Its step runs each frame the page is open and the menu's common
// step has not used the frame up (a message or a question waiting).
class MenuPage {
  public:
    virtual ~MenuPage() = default;
    // The page's texts for this frame and what the frame's presses do on it.
    virtual MenuResult Step(MenuRecord& menu) = 0;
    // In the overlay pass, after the menu's own quads and texts: what only this page shows.
    virtual void Draw(MenuRecord& /*menu*/) {}
};
