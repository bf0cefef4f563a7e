#pragma once
#include "platform/Platform.h"

// A window that only has a size, for the null device.
class SizeOnlyWindow : public platform::Window {
  public:
    bool Create(const platform::Rect&) override { return true; }
    void Show() override {}
    gfx::Size ScreenSize() override { return {640, 480}; }
    platform::Rect OuterRect() override { return {}; }
    gfx::Size ClientSize() override { return ScreenSize(); }
    bool PlaceWindowed(const platform::Rect&) override { return true; }
    bool PlaceFullScreen() override { return true; }
};
