#pragma once
#include "platform/Platform.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

// The OpenGL backend on SDL: a GL 3.3 core context on the game window, wrapped in a GlDevice.
// Devices must be destroyed before the window they draw into.
class SdlGraphics final : public Graphics {
  public:
    // Devices draw into `target`, which must be made with Surface::OpenGl. It is looked up when a
    // device is made, so the backend may be made before the window exists.
    explicit SdlGraphics(const SdlWindow& target) : target_(target) {}
    ~SdlGraphics() override;
    SdlGraphics(const SdlGraphics&) = delete;
    SdlGraphics& operator=(const SdlGraphics&) = delete;

    // Loads the system's GL library; false (reason on stderr) without SDL video or GL.
    bool Open() override;
    // `window` is the window as the game sees it, possibly a wrapper around the target (the
    // headless driver fixes its size); the device always draws into the target. Null, with the
    // reason on stderr, when no 3.3 core context can be made on it.
    std::unique_ptr<gfx::Device> CreateDevice(Window& window) override;

  private:
    const SdlWindow& target_;
    bool libraryLoaded_ = false;
};

}  // namespace platform
