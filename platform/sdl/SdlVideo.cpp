#include "platform/sdl/SdlVideo.h"

#include <SDL.h>

#include <cstdio>

namespace platform {
namespace {

// The window class desktops group and label the game's window by. SDL 2.26 reads it from the
// environment when its video subsystem starts, so it is set before.
void NameWindowClass() {
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", "hollowmere", 1);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", "hollowmere", 1);
}

bool InitVideo() {
    NameWindowClass();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
        // SDL starts with text input on, so an active input method would take the walking keys;
        // the game reads no text.
        SDL_StopTextInput();
        return true;
    }
    std::fprintf(stderr, "hollowmere: SDL video: %s\n", SDL_GetError());
    return false;
}

}  // namespace

SdlVideo::SdlVideo() : ok_(InitVideo()) {}

SdlVideo::~SdlVideo() {
    if (ok_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace platform
