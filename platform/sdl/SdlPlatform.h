#pragma once
#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlCursor.h"
#include "platform/sdl/SdlDialogs.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlMessageQueue.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

// The game's own platform: SDL video, events, dialogs and cursor, the OpenGL backend and the
// instance lock. Members are declared so that SDL video outlives everything and the window
// outlives the dialogs, cursor and graphics that look it up. A device made by `graphics` must be
// destroyed before this object.
class SdlPlatform {
  public:
    SdlPlatform() = default;

    Services services() {
        return Services{clock_,  messages_, dialogs_,  window_,
                        cursor_, input_,    graphics_, instance_};
    }

  private:
    SdlVideo video_;
    SdlClock clock_;
    SdlMessageQueue messages_;
    SdlWindow window_{SdlWindow::Surface::OpenGl};
    SdlDialogs dialogs_{window_};
    SdlCursor cursor_{window_};
    SdlInput input_{window_};
    SdlGraphics graphics_{window_};
    InstanceLock instance_;
};

}  // namespace platform
