#include "platform/sdl/SdlGraphics.h"

#include <SDL.h>
#include <epoxy/egl.h>

#include <cstdio>
#include <cstring>

#include "platform/gfx/GlDevice.h"

namespace platform {
namespace {

std::nullptr_t Report(const char* what) {
    std::fprintf(stderr, "hollowmere: %s: %s\n", what, SDL_GetError());
    return nullptr;
}

// SDL's offscreen driver draws into an EGL pbuffer made once at the window's first size and never
// resized, while SDL reports the window's current size as the drawable's. The pbuffer is the truth.
bool OnOffscreenDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") == 0;
}

// The size of the EGL surface the current context draws into.
gfx::Size CurrentEglSurfaceSize() {
    EGLint width = 0;
    EGLint height = 0;
    const EGLDisplay display = eglGetCurrentDisplay();
    const EGLSurface surface = eglGetCurrentSurface(EGL_DRAW);
    eglQuerySurface(display, surface, EGL_WIDTH, &width);
    eglQuerySurface(display, surface, EGL_HEIGHT, &height);
    return {width, height};
}

// Owns an SDL GL context and presents into its window.
class SdlGlSwapChain final : public gfx::GlSwapChain {
  public:
    SdlGlSwapChain(SDL_Window* window, SDL_GLContext context)
        : window_(window), context_(context) {}
    ~SdlGlSwapChain() override { SDL_GL_DeleteContext(context_); }
    SdlGlSwapChain(const SdlGlSwapChain&) = delete;
    SdlGlSwapChain& operator=(const SdlGlSwapChain&) = delete;

    bool MakeCurrent() override { return SDL_GL_MakeCurrent(window_, context_) == 0; }
    void Swap() override { SDL_GL_SwapWindow(window_); }
    gfx::Size DrawableSize() const override {
        if (OnOffscreenDriver()) return CurrentEglSurfaceSize();
        gfx::Size size;
        SDL_GL_GetDrawableSize(window_, &size.width, &size.height);
        return size;
    }

  private:
    SDL_Window* window_;
    SDL_GLContext context_;
};

}  // namespace

SdlGraphics::~SdlGraphics() {
    if (libraryLoaded_) SDL_GL_UnloadLibrary();
}

bool SdlGraphics::Open() {
    if (libraryLoaded_) return true;
    libraryLoaded_ = SDL_GL_LoadLibrary(nullptr) == 0;
    if (!libraryLoaded_) Report("loading OpenGL");
    return libraryLoaded_;
}

std::unique_ptr<gfx::Device> SdlGraphics::CreateDevice(Window&) {
    SDL_Window* window = target_.handle();
    if (!libraryLoaded_ || !window || target_.surface() != SdlWindow::Surface::OpenGl) {
        std::fprintf(stderr, "hollowmere: OpenGL needs an opened backend and an OpenGL window\n");
        return nullptr;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) return Report("creating an OpenGL 3.3 core context");
    auto swapChain = std::make_unique<SdlGlSwapChain>(window, context);
    // Wait for the display's refresh like the default presentation interval; drivers that cannot
    // keep it simply present at once.
    SDL_GL_SetSwapInterval(1);
    return gfx::GlDevice::Create(std::move(swapChain));
}

}  // namespace platform
