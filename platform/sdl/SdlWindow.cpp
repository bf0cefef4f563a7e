#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

constexpr const char* kName = "hollowmere";

bool Report(const char* step) {
    std::fprintf(stderr, "hollowmere: %s: %s\n", step, SDL_GetError());
    return false;
}

// The pixel format of the window's GL surface. It is fixed when the window is created, so it is
// asked for here; the context version is the graphics backend's business.
void RequestGlPixelFormat() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
}

}  // namespace

Borders WindowBorders(SDL_Window* window) {
    Borders borders;
    if (!window || SDL_GetWindowBordersSize(window, &borders.top, &borders.left, &borders.bottom,
                                            &borders.right) != 0) {
        return {};
    }
    return borders;
}

SdlWindow::SdlWindow(Surface surface) : surface_(surface) {}

SdlWindow::~SdlWindow() {
    if (window_) SDL_DestroyWindow(window_);
}

bool SdlWindow::Create(const Rect& client) {
    if (window_) return false;
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (surface_ == Surface::OpenGl) {
        RequestGlPixelFormat();
        flags |= SDL_WINDOW_OPENGL;
    }
    window_ = SDL_CreateWindow(kName, client.x, client.y, client.width, client.height, flags);
    return window_ ? true : Report("creating the window");
}

void SdlWindow::Show() {
    if (window_) SDL_ShowWindow(window_);
}

gfx::Size SdlWindow::ScreenSize() {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        Report("reading the desktop mode");
        return {};
    }
    return {mode.w, mode.h};
}

Rect SdlWindow::UsableArea() {
    const int display = window_ ? std::max(SDL_GetWindowDisplayIndex(window_), 0) : 0;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        Report("reading the usable bounds");
        return Window::UsableArea();
    }
    const Borders b = WindowBorders(window_);
    return {usable.x + b.left, usable.y + b.top, usable.w - b.left - b.right,
            usable.h - b.top - b.bottom};
}

void SdlWindow::SetIcon(const gfx::Image& icon) {
    if (!window_ || !gfx::IsWellFormed(icon)) return;
    // SDL copies the pixels into the window's icon; the surface only borrows them.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint8_t*>(icon.rgba.data()), icon.size.width, icon.size.height, 32,
        icon.size.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) {
        Report("making the window icon");
        return;
    }
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

Rect SdlWindow::OuterRect() {
    if (!window_) return {};
    Rect client;
    SDL_GetWindowPosition(window_, &client.x, &client.y);
    SDL_GetWindowSize(window_, &client.width, &client.height);
    const Borders b = WindowBorders(window_);
    return {client.x - b.left, client.y - b.top, client.width + b.left + b.right,
            client.height + b.top + b.bottom};
}

gfx::Size SdlWindow::ClientSize() {
    gfx::Size size;
    if (window_) SDL_GetWindowSize(window_, &size.width, &size.height);
    return size;
}

bool SdlWindow::PlaceWindowed(const Rect& client) {
    if (!window_) return false;
    if (SDL_SetWindowFullscreen(window_, 0) != 0) return Report("leaving full screen");
    SDL_SetWindowBordered(window_, SDL_TRUE);
    SDL_SetWindowAlwaysOnTop(window_, SDL_FALSE);
    SDL_SetWindowSize(window_, client.width, client.height);
    SDL_SetWindowPosition(window_, client.x, client.y);
    SDL_ShowWindow(window_);
    return true;
}

bool SdlWindow::PlaceFullScreen() {
    if (!window_) return false;
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        return Report("entering full screen");
    }
    SDL_ShowWindow(window_);
    return true;
}

}  // namespace platform
