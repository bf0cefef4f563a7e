#include "platform/sdl/SdlCursor.h"

#include <SDL.h>

namespace platform {

void SdlCursor::Show(bool visible) {
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlCursor::Clip(const Rect* screenRect) {
    SDL_Window* window = window_.handle();
    if (!window) return;
    if (!screenRect) {
        SDL_SetWindowMouseRect(window, nullptr);
        return;
    }
    int clientX = 0;
    int clientY = 0;
    SDL_GetWindowPosition(window, &clientX, &clientY);
    const SDL_Rect inWindow{screenRect->x - clientX, screenRect->y - clientY, screenRect->width,
                            screenRect->height};
    SDL_SetWindowMouseRect(window, &inWindow);
}

}  // namespace platform
