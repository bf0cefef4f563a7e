#include "platform/sdl/SdlMessageQueue.h"

#include <SDL.h>

#include <algorithm>
#include <limits>

#include "platform/sdl/SdlEvents.h"

namespace platform {
namespace {

Borders BordersOfEventWindow(const SDL_Event& event) {
    if (event.type != SDL_WINDOWEVENT) return {};
    return WindowBorders(SDL_GetWindowFromID(event.window.windowID));
}

}  // namespace

bool SdlMessageQueue::Peek(Message& out) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (auto message = TranslateEvent(event, BordersOfEventWindow(event))) {
            out = *message;
            return true;
        }
    }
    if (!quitPosted_) return false;
    quitPosted_ = false;
    out = Message{MessageType::Quit};
    return true;
}

void SdlMessageQueue::Wait(uint32_t timeoutMs) {
    if (quitPosted_) return;
    // SDL reads a negative timeout as "forever".
    const uint32_t limited = std::min<uint32_t>(timeoutMs, std::numeric_limits<int>::max());
    SDL_WaitEventTimeout(nullptr, static_cast<int>(limited));
}

}  // namespace platform
