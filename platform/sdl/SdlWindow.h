#pragma once
#include "platform/Platform.h"

struct SDL_Window;

namespace platform {

// The frame the window manager draws around a window's client area, in pixels.
struct Borders {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

// The window's borders; zero where the video driver cannot tell (e.g. offscreen, or before the
// window manager has decorated the window).
Borders WindowBorders(SDL_Window* window);

// The game window on SDL. SDL places windows by their client area, which is what the game keeps.
// The window asks for HiDPI surfaces: sizes and positions are in window units, the GL drawable
// may have more pixels.
class SdlWindow final : public Window {
  public:
    enum class Surface {
        Plain,   // no renderer draws into it (the null backend)
        OpenGl,  // an OpenGL context will be created on it
    };

    explicit SdlWindow(Surface surface);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    // False when a window exists already or SDL refused (the reason is on stderr).
    bool Create(const Rect& client) override;
    void Show() override;
    gfx::Size ScreenSize() override;
    // The usable bounds of the window's display (display 0 before the window exists), less the
    // window's frame.
    Rect UsableArea() override;
    void SetIcon(const gfx::Image& icon) override;
    Rect OuterRect() override;
    gfx::Size ClientSize() override;
    bool PlaceWindowed(const Rect& client) override;
    bool PlaceFullScreen() override;

    // Null until Create succeeded.
    SDL_Window* handle() const { return window_; }
    Surface surface() const { return surface_; }

  private:
    Surface surface_;
    SDL_Window* window_ = nullptr;
};

}  // namespace platform
