#pragma once
#include <filesystem>

#include "platform/Platform.h"
#include "platform/headless/Services.h"

// Platform services for a tool that builds the game's bodies but shows nothing: no window, no
// input, the null graphics backend, and the settings and saves of the process redirected into a
// fresh temporary folder that is removed again, so the library's shutdown never writes into the
// player's own settings. One per process at a time.
class DetachedPlatform {
  public:
    DetachedPlatform();
    ~DetachedPlatform();
    DetachedPlatform(const DetachedPlatform&) = delete;
    DetachedPlatform& operator=(const DetachedPlatform&) = delete;

    platform::Services& Services() { return parts_.services; }

  private:
    class NoWindow : public platform::Window {
      public:
        bool Create(const platform::Rect&) override { return false; }
        void Show() override {}
        gfx::Size ScreenSize() override { return {}; }
        platform::Rect OuterRect() override { return {}; }
        gfx::Size ClientSize() override { return {}; }
        bool PlaceWindowed(const platform::Rect&) override { return false; }
        bool PlaceFullScreen() override { return false; }
    };

    class NoInput : public platform::InputDevices {
      public:
        bool KeyDown(platform::VirtualKey) override { return false; }
        bool ButtonDown(platform::MouseButton) override { return false; }
        platform::Point CursorPos() override { return {}; }
        void SetCursorPos(platform::Point) override {}
        platform::Point ClientToScreen(platform::Point client) override { return client; }
        platform::Point ScreenToClient(platform::Point screen) override { return screen; }
        platform::PadState Pad() override { return {}; }
    };

    class AnyInstance : public platform::SingleInstance {
      public:
        bool Acquire() override { return true; }
    };

    std::filesystem::path saveFolder_;
    headless::Services<NoWindow, NoInput, AnyInstance> parts_;
};
