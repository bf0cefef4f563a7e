#include "platform/sdl/SdlEvents.h"

#include <SDL.h>

namespace platform {
namespace {

std::optional<Message> TranslateWindowEvent(const SDL_WindowEvent& event, const Borders& borders) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            return Message{MessageType::Destroy};
        case SDL_WINDOWEVENT_MOVED:
            return Message{MessageType::Move, event.data1 - borders.left,
                           event.data2 - borders.top};
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            return Message{MessageType::Activate, 1};
        case SDL_WINDOWEVENT_FOCUS_LOST:
            return Message{MessageType::Activate, 0};
        case SDL_WINDOWEVENT_MINIMIZED:
            return Message{MessageType::Minimize};
        case SDL_WINDOWEVENT_RESTORED:
            return Message{MessageType::Restore};
        default:
            return std::nullopt;
    }
}

bool IsEnter(SDL_Keycode key) {
    return key == SDLK_RETURN || key == SDLK_KP_ENTER;
}

}  // namespace

std::optional<Message> TranslateEvent(const SDL_Event& event, const Borders& borders) {
    switch (event.type) {
        case SDL_QUIT:
            return Message{MessageType::Destroy};
        case SDL_WINDOWEVENT:
            return TranslateWindowEvent(event.window, borders);
        case SDL_KEYUP:
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                return Message{MessageType::KeyUp, static_cast<int>(Key::Escape)};
            }
            return std::nullopt;
        case SDL_KEYDOWN:
            // Alt+Enter toggles full screen once per press; auto-repeat must not toggle it back.
            if (IsEnter(event.key.keysym.sym) && (event.key.keysym.mod & KMOD_ALT) &&
                !event.key.repeat) {
                return Message{MessageType::SysKeyDown, static_cast<int>(Key::Enter)};
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace platform
