#include "platform/sdl/SdlInput.h"

#include <SDL.h>

#include <cstdio>

namespace platform {
namespace {

static_assert(SDL_CONTROLLER_BUTTON_A == 0 && SDL_CONTROLLER_BUTTON_GUIDE == 5 &&
                  SDL_CONTROLLER_BUTTON_START == 6 && SDL_CONTROLLER_BUTTON_DPAD_UP == 11 &&
                  SDL_CONTROLLER_BUTTON_DPAD_RIGHT == 14,
              "kXInputBitOfSdlButton follows SDL's button numbering");

bool AnyDown(const Uint8* keys, SDL_Scancode a, SDL_Scancode b) {
    return keys[a] || keys[b];
}

}  // namespace

SdlInput::SdlInput(const SdlWindow& window) : window_(window) {
    controllersReady_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!controllersReady_)
        std::fprintf(stderr, "hollowmere: SDL game controllers: %s\n", SDL_GetError());
}

SdlInput::~SdlInput() {
    if (pad_) SDL_GameControllerClose(pad_);
    if (controllersReady_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlInput::KeyDown(VirtualKey key) {
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    switch (key) {
        case VirtualKey::Left:
            return keys[SDL_SCANCODE_LEFT];
        case VirtualKey::Right:
            return keys[SDL_SCANCODE_RIGHT];
        case VirtualKey::Up:
            return keys[SDL_SCANCODE_UP];
        case VirtualKey::Down:
            return keys[SDL_SCANCODE_DOWN];
        case VirtualKey::A:
            return keys[SDL_SCANCODE_A];
        case VirtualKey::D:
            return keys[SDL_SCANCODE_D];
        case VirtualKey::W:
            return keys[SDL_SCANCODE_W];
        case VirtualKey::S:
            return keys[SDL_SCANCODE_S];
        case VirtualKey::E:
            return keys[SDL_SCANCODE_E];
        case VirtualKey::Q:
            return keys[SDL_SCANCODE_Q];
        case VirtualKey::Space:
            return keys[SDL_SCANCODE_SPACE];
        case VirtualKey::Control:
            return AnyDown(keys, SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL);
        case VirtualKey::Alt:
            return AnyDown(keys, SDL_SCANCODE_LALT, SDL_SCANCODE_RALT);
        case VirtualKey::Escape:
            return keys[SDL_SCANCODE_ESCAPE];
        case VirtualKey::Enter:
            return AnyDown(keys, SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER);
    }
    return false;
}

bool SdlInput::ButtonDown(MouseButton button) {
    const Uint32 state = SDL_GetMouseState(nullptr, nullptr);
    return (state & (button == MouseButton::Left ? SDL_BUTTON_LMASK : SDL_BUTTON_RMASK)) != 0;
}

// The cursor is read relative to the game window and placed with the window's client position:
// unlike the global position this works on every video driver, and a warp shows in it as soon as
// its motion has been pumped.
Point SdlInput::CursorPos() {
    Point inWindow;
    SDL_GetMouseState(&inWindow.x, &inWindow.y);
    return ClientToScreen(inWindow);
}

void SdlInput::SetCursorPos(Point screen) {
    if (SDL_Window* window = window_.handle()) {
        const Point client = ScreenToClient(screen);
        SDL_WarpMouseInWindow(window, client.x, client.y);
    } else {
        SDL_WarpMouseGlobal(screen.x, screen.y);
    }
}

Point SdlInput::ClientOrigin() {
    Point origin;
    if (SDL_Window* window = window_.handle()) SDL_GetWindowPosition(window, &origin.x, &origin.y);
    return origin;
}

Point SdlInput::ClientToScreen(Point client) {
    const Point origin = ClientOrigin();
    return {client.x + origin.x, client.y + origin.y};
}

Point SdlInput::ScreenToClient(Point screen) {
    const Point origin = ClientOrigin();
    return {screen.x - origin.x, screen.y - origin.y};
}

void SdlInput::RefreshPad() {
    if (!controllersReady_) return;
    if (pad_ && !SDL_GameControllerGetAttached(pad_)) {
        SDL_GameControllerClose(pad_);
        pad_ = nullptr;
    }
    for (int i = 0; !pad_ && i < SDL_NumJoysticks(); ++i) {
        if (SDL_IsGameController(i)) pad_ = SDL_GameControllerOpen(i);
    }
}

PadState SdlInput::Pad() {
    RefreshPad();
    PadState pad;
    if (!pad_) return pad;
    pad.connected = true;
    for (size_t i = 0; i < kXInputBitOfSdlButton.size(); ++i) {
        const auto button = static_cast<SDL_GameControllerButton>(i);
        if (SDL_GameControllerGetButton(pad_, button)) pad.buttons |= kXInputBitOfSdlButton[i];
    }
    const auto axis = [this](SDL_GameControllerAxis a) {
        return SDL_GameControllerGetAxis(pad_, a);
    };
    pad.leftX = axis(SDL_CONTROLLER_AXIS_LEFTX);
    pad.leftY = StickYUp(axis(SDL_CONTROLLER_AXIS_LEFTY));
    pad.rightX = axis(SDL_CONTROLLER_AXIS_RIGHTX);
    pad.rightY = StickYUp(axis(SDL_CONTROLLER_AXIS_RIGHTY));
    pad.leftTrigger = TriggerByte(axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    pad.rightTrigger = TriggerByte(axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    return pad;
}

}  // namespace platform
