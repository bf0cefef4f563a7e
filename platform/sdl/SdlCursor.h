#pragma once
#include "platform/Platform.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

// The mouse cursor over the game window.
class SdlCursor final : public Cursor {
  public:
    // The window is looked up at each call, so the cursor may be made before the window exists.
    explicit SdlCursor(const SdlWindow& window) : window_(window) {}

    void Show(bool visible) override;
    // SDL confines the cursor to a rectangle of the window's client area; the screen rectangle is
    // converted with the window's current client position.
    void Clip(const Rect* screenRect) override;

  private:
    const SdlWindow& window_;
};

}  // namespace platform
