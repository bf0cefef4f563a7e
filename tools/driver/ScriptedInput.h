#pragma once
#include <set>

#include "Script.h"
#include "platform/Platform.h"
#include "platform/headless/Headless.h"

namespace driver {

// Keyboard, mouse and pad as the script holds them. Key transitions that the window system turns
// into messages (Escape released, Enter pressed with Alt) are queued as such.
class ScriptedInput : public platform::InputDevices {
  public:
    ScriptedInput(headless::ScriptedMessages& messages, headless::ScriptedDialogs& dialogs)
        : messages_(messages), dialogs_(dialogs) {}

    void Apply(const Action& action);

    bool KeyDown(platform::VirtualKey key) override { return keys_.contains(key); }
    bool ButtonDown(platform::MouseButton button) override { return buttons_.contains(button); }
    // The window's client area sits at the screen origin.
    platform::Point CursorPos() override { return cursor_; }
    void SetCursorPos(platform::Point screen) override { cursor_ = screen; }
    platform::Point ClientToScreen(platform::Point client) override { return client; }
    platform::Point ScreenToClient(platform::Point screen) override { return screen; }
    platform::PadState Pad() override { return pad_; }

  private:
    void SetKey(platform::VirtualKey key, bool down);

    headless::ScriptedMessages& messages_;
    headless::ScriptedDialogs& dialogs_;
    std::set<platform::VirtualKey> keys_;
    std::set<platform::MouseButton> buttons_;
    platform::Point cursor_;
    platform::PadState pad_;
};

}  // namespace driver
