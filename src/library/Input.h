#pragma once
#include <array>
#include <cstdint>

#include "platform/Platform.h"

// Logical input flags, one word per frame.
enum InputFlags : uint32_t {
    INPUT_LEFT = 0x1,
    INPUT_RIGHT = 0x2,
    INPUT_UP = 0x4,
    INPUT_DOWN = 0x8,
    INPUT_MENU = 0x1000,
    INPUT_SUB = 0x10000,
    INPUT_ACTION = 0x40000,
    INPUT_CTRL = 0x80000,
};

// The input layer's state: the flag word of this frame, the cursor and its capture. The cursor is
// captured (hidden, clipped, re-centred) while aiming, and hidden while the pad is in use.
struct InputState {
    uint32_t flags = 0;
    int32_t menuSaved = 0;     // 1 while the pause menu has taken the cursor
    int32_t savedCapture = 0;  // the capture state to restore when the menu closes
    platform::Rect clipRect;   // screen rectangle the captured cursor is confined to
    platform::Point centre;    // screen point the captured cursor is re-centred on
    int32_t captured = 0;
    int32_t padHidden = 0;
    int32_t inactiveCountdown = 0;  // frames of forced empty input after losing the focus
    int32_t mouseMoved = 0;  // 1 from a free-cursor move until a direction or a menu clears it
    platform::Point delta;   // look deltas of this frame, pixels (or right-stick steps)
    platform::Point previousCursor;
    platform::Point cursor;  // free cursor in client pixels (screen pixels while captured)

    // Gives the cursor back: shown again unless the pad hides it, and free to leave the window.
    void ReleaseCapture(platform::Cursor& cursorDevice);
};

// One logical button seen through the flag word. `flags` points at the word it reads and must
// outlive the record.
struct InputButton {
    int32_t latch = 0;  // 1 while a press has been reported and not yet released
    uint32_t mask = 0;
    const uint32_t* flags = nullptr;
    int32_t holdFrames = 0;  // kept by the option sliders for their auto-repeat, frames

    bool Held() const { return (*flags & mask) != 0; }
    // True in the first frame of a press only; each consumer asks at most once a frame.
    bool Pressed();
};

// The eight button records, in this order.
enum InputButtonId : int {
    BUTTON_UP,
    BUTTON_DOWN,
    BUTTON_LEFT,
    BUTTON_RIGHT,
    BUTTON_SUB,
    BUTTON_ACTION,
    BUTTON_MENU,
    BUTTON_CTRL,
    BUTTON_COUNT,
};

// Turns keyboard, mouse and the first pad into the flag word, the cursor and the look deltas once
// a frame, and owns the cursor's capture. Holds the devices by reference; they must outlive it.
class Input {
  public:
    // XInput's dead zones: the left stick's drives walking, the right stick's decides pad use.
    static constexpr int kLeftStickDeadZone = 7849;
    static constexpr int kRightStickDeadZone = 8689;
    static constexpr int32_t kInactiveFrames = 5;

    Input(platform::InputDevices& devices, platform::Cursor& cursor, platform::Window& window);
    // The buttons point into `state`: the object stays where it was made.
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    // Once a frame. While the window is inactive or minimised, and for five frames after, the flag
    // word stays empty and the capture is released.
    void Poll(bool active, bool minimised);
    // Captures (hides, clips to the client area, re-centres every poll) or releases the cursor;
    // nothing happens when the state already is `on`.
    void SetCapture(bool on);
    void ReleaseCapture() { state.ReleaseCapture(cursor_); }

    InputButton& Button(InputButtonId id) { return buttons_[id]; }
    const InputButton& Button(InputButtonId id) const { return buttons_[id]; }

    InputState state;

  private:
    // Fills the flag word and the cursor from this frame's devices.
    void ReadDevices();
    void ReadMouse();
    // The free cursor shows again once the mouse moves it after the pad hid it.
    void ReturnCursorToMouse();
    void TakeRightStick(const platform::PadState& pad);

    platform::InputDevices& devices_;
    platform::Cursor& cursor_;
    platform::Window& window_;
    std::array<InputButton, BUTTON_COUNT> buttons_;
};
