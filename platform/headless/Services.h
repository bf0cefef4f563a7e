#pragma once
#include <cstdint>

#include "platform/Platform.h"
#include "platform/gfx/NullDevice.h"
#include "platform/headless/Headless.h"

namespace headless {

// Platform services that show nothing: the headless clock, message queue, dialogs and cursor and
// the null graphics backend, around a window, input devices and instance check of the owner's
// kinds. Every piece is public so its owner can script or inspect it; `services` points at them
// all, so a bundle never moves or copies.
template <class WindowKind, class InputKind, class InstanceKind>
struct Services {
    explicit Services(uint32_t clockStart = 0) : clock(clockStart) {}
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    VirtualClock clock;  // milliseconds
    ScriptedMessages messages{clock};
    ScriptedDialogs dialogs;
    WindowKind window;
    RecordingCursor cursor;
    InputKind input;
    gfx::NullGraphics graphics;
    InstanceKind instance;
    platform::Services services{clock,  messages, dialogs,  window,
                                cursor, input,    graphics, instance};
};

}  // namespace headless
