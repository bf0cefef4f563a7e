#pragma once
#include <optional>

#include "platform/Platform.h"

namespace driver {

// The driver's window: its client area sits at the screen origin wherever the game puts it, so
// the script's pointer positions (client pixels) are screen pixels too, as the scripted input
// reports them; with a size, the client area also keeps that size whatever size the game asks
// for, which lets a run render small and fast.
class PinnedWindow : public platform::Window {
  public:
    PinnedWindow(platform::Window& window, std::optional<gfx::Size> size)
        : window_(window), size_(size) {}

    bool Create(const platform::Rect& client) override { return window_.Create(Pinned(client)); }
    void Show() override { window_.Show(); }
    gfx::Size ScreenSize() override { return window_.ScreenSize(); }
    platform::Rect UsableArea() override { return window_.UsableArea(); }
    void SetIcon(const gfx::Image& icon) override { window_.SetIcon(icon); }
    platform::Rect OuterRect() override { return window_.OuterRect(); }
    gfx::Size ClientSize() override { return window_.ClientSize(); }
    bool PlaceWindowed(const platform::Rect& client) override {
        return window_.PlaceWindowed(Pinned(client));
    }
    bool PlaceFullScreen() override { return window_.PlaceFullScreen(); }

  private:
    platform::Rect Pinned(platform::Rect rect) const {
        rect.x = 0;
        rect.y = 0;
        if (size_) {
            rect.width = size_->width;
            rect.height = size_->height;
        }
        return rect;
    }

    platform::Window& window_;
    std::optional<gfx::Size> size_;
};

}  // namespace driver
