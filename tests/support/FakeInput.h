#pragma once
#include <set>
#include <vector>

#include "platform/Platform.h"

// Input devices as a test sets them: the keys, mouse buttons and pad state it holds, and a cursor
// that stays where it was put, each warp recorded. The client area starts at `origin` on the
// screen.
class FakeInput : public platform::InputDevices {
  public:
    bool KeyDown(platform::VirtualKey key) override { return keys.contains(key); }
    bool ButtonDown(platform::MouseButton button) override { return buttons.contains(button); }
    platform::Point CursorPos() override { return screenCursor; }
    void SetCursorPos(platform::Point screen) override {
        screenCursor = screen;
        warps.push_back(screen);
    }
    platform::Point ClientToScreen(platform::Point client) override {
        return {client.x + origin.x, client.y + origin.y};
    }
    platform::Point ScreenToClient(platform::Point screen) override {
        return {screen.x - origin.x, screen.y - origin.y};
    }
    platform::PadState Pad() override { return pad; }

    std::set<platform::VirtualKey> keys;
    std::set<platform::MouseButton> buttons;
    platform::PadState pad;
    platform::Point screenCursor, origin;
    std::vector<platform::Point> warps;
};
