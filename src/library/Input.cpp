#include "library/Input.h"

#include <algorithm>
#include <cstdlib>

using platform::InputDevices;
using platform::MouseButton;
using platform::PadState;
using platform::VirtualKey;

namespace {

constexpr std::array<uint32_t, BUTTON_COUNT> kButtonMasks = {
    INPUT_UP, INPUT_DOWN, INPUT_LEFT, INPUT_RIGHT, INPUT_SUB, INPUT_ACTION, INPUT_MENU, INPUT_CTRL,
};

// Full right-stick deflection turns the view by this many steps a frame (20 at the stop).
constexpr double kStickLookSteps = 5.0;

bool Beyond(int stick, int deadZone) {
    return std::abs(stick) > deadZone;
}

bool PadInUse(const PadState& pad) {
    return pad.buttons != 0 || pad.leftTrigger > 0 || pad.rightTrigger > 0 ||
           Beyond(pad.leftX, Input::kLeftStickDeadZone) ||
           Beyond(pad.leftY, Input::kLeftStickDeadZone) ||
           Beyond(pad.rightY, Input::kRightStickDeadZone) ||
           Beyond(pad.rightX, Input::kRightStickDeadZone);
}

// Look steps of one right-stick axis, truncated toward zero.
int StickLook(int stick) {
    return static_cast<int>(stick / static_cast<double>(Input::kLeftStickDeadZone) *
                            kStickLookSteps);
}

// The directions, with left winning over right and up over down.
uint32_t Directions(InputDevices& devices, const PadState& pad) {
    const auto any = [&](VirtualKey arrow, VirtualKey letter, uint16_t padBit, bool stick) {
        return devices.KeyDown(arrow) || devices.KeyDown(letter) || (pad.buttons & padBit) != 0 ||
               stick;
    };
    const int deadZone = Input::kLeftStickDeadZone;
    uint32_t flags = 0;
    if (any(VirtualKey::Left, VirtualKey::A, platform::kPadLeft, pad.leftX < -deadZone)) {
        flags |= INPUT_LEFT;
    } else if (any(VirtualKey::Right, VirtualKey::D, platform::kPadRight, pad.leftX > deadZone)) {
        flags |= INPUT_RIGHT;
    }
    if (any(VirtualKey::Up, VirtualKey::W, platform::kPadUp, pad.leftY > deadZone)) {
        flags |= INPUT_UP;
    } else if (any(VirtualKey::Down, VirtualKey::S, platform::kPadDown, pad.leftY < -deadZone)) {
        flags |= INPUT_DOWN;
    }
    return flags;
}

uint32_t Buttons(InputDevices& devices, const PadState& pad) {
    uint32_t flags = 0;
    if (devices.KeyDown(VirtualKey::E) || devices.ButtonDown(MouseButton::Left) ||
        (pad.buttons & platform::kPadA) || pad.rightTrigger > 0) {
        flags |= INPUT_ACTION;
    }
    if (devices.KeyDown(VirtualKey::Q) || devices.ButtonDown(MouseButton::Right) ||
        (pad.buttons & platform::kPadB) || pad.leftTrigger > 0) {
        flags |= INPUT_SUB;
    }
    if (devices.KeyDown(VirtualKey::Space) || (pad.buttons & platform::kPadStart)) {
        flags |= INPUT_MENU;
    }
    if (devices.KeyDown(VirtualKey::Control)) flags |= INPUT_CTRL;
    return flags;
}

platform::Point Centre(const platform::Rect& r) {
    return {r.x + r.width / 2, r.y + r.height / 2};
}

bool Contains(const platform::Rect& r, platform::Point p) {
    return p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height;
}

// The part of a screen rectangle on a desktop of the given size (all of it when the size is
// unknown); empty rectangles keep their corner on the desktop's edge.
platform::Rect VisiblePart(const platform::Rect& r, const gfx::Size& desktop) {
    if (desktop.width <= 0 || desktop.height <= 0) return r;
    const int left = std::max(r.x, 0);
    const int top = std::max(r.y, 0);
    const int right = std::max(std::min(r.x + r.width, desktop.width), left);
    const int bottom = std::max(std::min(r.y + r.height, desktop.height), top);
    return {left, top, right - left, bottom - top};
}

}  // namespace

void InputState::ReleaseCapture(platform::Cursor& cursorDevice) {
    if (!captured) return;
    captured = 0;
    if (!padHidden) cursorDevice.Show(true);
    cursorDevice.Clip(nullptr);
}

bool InputButton::Pressed() {
    if (latch == 0 && Held()) {
        latch = 1;
        return true;
    }
    if (!Held()) latch = 0;
    return false;
}

Input::Input(platform::InputDevices& devices, platform::Cursor& cursor, platform::Window& window)
    : devices_(devices), cursor_(cursor), window_(window) {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        buttons_[i].mask = kButtonMasks[i];
        buttons_[i].flags = &state.flags;
    }
}

void Input::Poll(bool active, bool minimised) {
    state.flags = 0;
    state.delta = {0, 0};  // looks of this frame only
    if (!active || minimised) {
        state.inactiveCountdown = kInactiveFrames;
        ReleaseCapture();
        return;
    }
    if (state.inactiveCountdown > 0) {
        --state.inactiveCountdown;
        return;
    }
    ReadDevices();
}

void Input::ReadDevices() {
    PadState pad = devices_.Pad();
    if (!pad.connected) pad = PadState{};  // a missing pad reads as idle

    state.flags |= Buttons(devices_, pad);
    if (!state.padHidden && pad.connected && PadInUse(pad)) {
        state.padHidden = 1;
        cursor_.Show(false);
    }
    // The mouse is read before the directions so that a direction given in the same frame as a
    // mouse move still takes the menus back from the pointer.
    ReadMouse();
    const uint32_t directions = Directions(devices_, pad);
    if (directions) state.mouseMoved = 0;
    state.flags |= directions;
    ReturnCursorToMouse();
    TakeRightStick(pad);
}

void Input::ReadMouse() {
    if (!state.captured) {
        state.previousCursor = state.cursor;
        state.cursor = devices_.ScreenToClient(devices_.CursorPos());
        if (state.cursor != state.previousCursor) state.mouseMoved = 1;
    } else if (!state.padHidden) {
        state.cursor = devices_.CursorPos();
        state.delta = {state.cursor.x - state.centre.x, state.cursor.y - state.centre.y};
        devices_.SetCursorPos(state.centre);
    } else {
        state.delta = {0, 0};
    }
}

void Input::ReturnCursorToMouse() {
    if (!state.mouseMoved || !state.padHidden) return;
    state.padHidden = 0;
    if (!state.captured) cursor_.Show(true);
}

void Input::TakeRightStick(const PadState& pad) {
    // The look dead zone is the left stick's, narrower than the one that decides pad use: a
    // slight deflection turns the view without hiding the cursor.
    if (Beyond(pad.rightY, kLeftStickDeadZone)) state.delta.y = -StickLook(pad.rightY);
    if (Beyond(pad.rightX, kLeftStickDeadZone)) state.delta.x = StickLook(pad.rightX);
}

void Input::SetCapture(bool on) {
    if (on == (state.captured != 0)) return;
    if (!on) {
        ReleaseCapture();
        return;
    }
    state.captured = 1;
    cursor_.Show(false);

    // The client area on screen from the outer rectangle, assuming equal side and bottom borders
    // and the title bar on top.
    const gfx::Size client = window_.ClientSize();
    const platform::Rect outer = window_.OuterRect();
    const int border = (outer.width - client.width) / 2;
    const int frameHeight = outer.height - client.height;
    const platform::Rect area{outer.x + border, outer.y + frameHeight - border, client.width,
                              client.height};
    // The cursor is clipped to the part on the desktop, and re-centred on the client's centre
    // when the cursor can reach it there, else on the centre of that part.
    state.clipRect = VisiblePart(area, window_.ScreenSize());
    state.centre = Centre(area);
    if (!Contains(state.clipRect, state.centre)) state.centre = Centre(state.clipRect);
    cursor_.Clip(&state.clipRect);
    // Whatever the pointer did before, aiming starts from a still view.
    devices_.SetCursorPos(state.centre);
    state.delta = {0, 0};
}
