#pragma once
#include "platform/Platform.h"

namespace driver {

// A window whose client area always has one size, whatever size the game asks for; positions
// pass through. Lets a run render small and fast.
class SizedWindow : public platform::Window {
  public:
    SizedWindow(platform::Window& window, gfx::Size size) : window_(window), size_(size) {}

    bool Create(const platform::Rect& client) override { return window_.Create(Sized(client)); }
    void Show() override { window_.Show(); }
    gfx::Size ScreenSize() override { return window_.ScreenSize(); }
    bool DesktopMode(gfx::Size& out) override { return window_.DesktopMode(out); }
    platform::Rect OuterRect() override { return window_.OuterRect(); }
    gfx::Size ClientSize() override { return window_.ClientSize(); }
    bool PlaceWindowed(const platform::Rect& client) override {
        return window_.PlaceWindowed(Sized(client));
    }
    bool PlaceFullScreen() override { return window_.PlaceFullScreen(); }

  private:
    platform::Rect Sized(platform::Rect rect) const {
        rect.width = size_.width;
        rect.height = size_.height;
        return rect;
    }

    platform::Window& window_;
    gfx::Size size_;
};

}  // namespace driver
