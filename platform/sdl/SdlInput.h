#pragma once
#include <array>
#include <cstdint>

#include "platform/Platform.h"
#include "platform/sdl/SdlWindow.h"

struct _SDL_GameController;

namespace platform {

// SDL pad values in XInput's ranges. SDL's stick y axes point down and XInput's up; the negation
// of -32768 is held at 32767.
constexpr int16_t StickYUp(int16_t sdlY) {
    return sdlY == INT16_MIN ? INT16_MAX : static_cast<int16_t>(-sdlY);
}

// SDL triggers run 0..32767, XInput's 0..255.
constexpr uint8_t TriggerByte(int16_t sdlTrigger) {
    return sdlTrigger <= 0 ? 0 : static_cast<uint8_t>(sdlTrigger >> 7);
}

// XInput's button bits by SDL game-controller button number (A, B, X, Y, back, guide, start,
// left stick, right stick, left shoulder, right shoulder, D-pad up, down, left, right). XInput has
// no guide button.
constexpr std::array<uint16_t, 15> kXInputBitOfSdlButton = {
    kPadA,  kPadB,  0x4000, 0x8000, 0x0020,   0,        kPadStart, 0x0040,
    0x0080, 0x0100, 0x0200, kPadUp, kPadDown, kPadLeft, kPadRight,
};

// Keyboard, mouse and the first game controller through SDL. Key and mouse states are those of
// the last event pump (the message queue pumps every frame). The first controller found is opened;
// one that is unplugged is closed and the next one found on a later call is taken.
class SdlInput final : public InputDevices {
  public:
    // The window is looked up at each call, so the input may be made before the window exists.
    explicit SdlInput(const SdlWindow& window);
    ~SdlInput() override;
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    bool KeyDown(VirtualKey key) override;
    bool ButtonDown(MouseButton button) override;
    Point CursorPos() override;
    void SetCursorPos(Point screen) override;
    Point ClientToScreen(Point client) override;
    Point ScreenToClient(Point screen) override;
    PadState Pad() override;

  private:
    // Drops a controller that went away and opens the first one present when none is open.
    void RefreshPad();
    Point ClientOrigin();

    const SdlWindow& window_;
    bool controllersReady_ = false;
    _SDL_GameController* pad_ = nullptr;
};

}  // namespace platform
