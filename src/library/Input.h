#pragma once
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
    int32_t mouseMoved = 0;
    platform::Point delta;  // look deltas of this frame
    platform::Point previousCursor;
    platform::Point cursor;  // free cursor in client pixels

    // Gives the cursor back: shown again unless the pad hides it, and free to leave the window.
    void ReleaseCapture(platform::Cursor& cursorDevice);
};
