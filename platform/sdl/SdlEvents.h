#pragma once
#include <optional>

#include "platform/Platform.h"
#include "platform/sdl/SdlWindow.h"

union SDL_Event;

namespace platform {

// The message the frame sees for one SDL event; nothing for the events the frame ignores.
// `borders` are those of the event's window: SDL reports a moved window's client position and the
// frame keeps the outer one.
std::optional<Message> TranslateEvent(const SDL_Event& event, const Borders& borders);

}  // namespace platform
