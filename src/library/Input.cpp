#include "library/Input.h"

void InputState::ReleaseCapture(platform::Cursor& cursorDevice) {
    if (!captured) return;
    captured = 0;
    if (!padHidden) cursorDevice.Show(true);
    cursorDevice.Clip(nullptr);
}
