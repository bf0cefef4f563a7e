#pragma once
#include <cstdint>
#include <memory>
#include <vector>

// The rendering device layer. Game code talks to these interfaces only; the GL backend is the
// one place that knows OpenGL, and the null backend records what was asked of it for tests.
namespace gfx {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// What the device can do, in the order the start-up checks read it.
struct Caps {
    uint32_t shaderModel = 0;           // major << 8 | minor, e.g. 0x0303 for GLSL 3.30
    uint32_t textureCaps = 0;           // 0x2 = power-of-two only, 0x20 = square only
    bool alphaGreaterEqual = false;     // alpha test with "greater or equal"
    bool perPixelFog = false;           // fog computed per pixel
    bool fogWithSpecularAlpha = false;  // fog and specular alpha together
    int maxRenderTargets = 0;           // colour outputs one framebuffer can write at once
    int maxTextureWidth = 0;
    int maxTextureHeight = 0;
};

inline constexpr uint32_t kTextureCapsPow2 = 0x2;
inline constexpr uint32_t kTextureCapsSquareOnly = 0x20;

// The presentation the device is reset to. A zero back-buffer size takes the window's client size.
struct PresentParams {
    bool windowed = true;
    Size backBuffer;
    bool operator==(const PresentParams&) const = default;
};

enum class DeviceState { Ok, Lost, NotReset };

// An RGBA8 image, rows from top to bottom.
struct Image {
    Size size;
    std::vector<uint8_t> rgba;
};

// A texture the device made; None is no texture. The device that made it owns it until
// ReleaseTexture.
enum class TextureId : uint32_t { None = 0 };

class Device {
  public:
    virtual ~Device() = default;

    virtual Caps GetCaps() const = 0;
    // colour is 0xAARRGGBB; depth 0..1.
    virtual void Clear(uint32_t colour, float depth, uint8_t stencil) = 0;
    virtual void BeginScene() = 0;
    virtual void EndScene() = 0;
    virtual DeviceState Present() = 0;
    virtual DeviceState TestCooperativeLevel() = 0;
    // Rebuilds the back buffer for new present parameters; false when the device refused.
    virtual bool Reset(const PresentParams& params) = 0;
    virtual Size BackBufferSize() const = 0;
    // Asks the next Present to keep a copy of the frame it shows, for ReadBack. Backends without
    // pixels ignore it.
    virtual void CaptureNextPresent() {}
    // Gives the frame kept by the last Present that followed CaptureNextPresent; false when no
    // frame was kept or the backend has no pixels.
    virtual bool ReadBack(Image& out) = 0;

    // Makes a texture from `image` with its full mip chain, linear filtering and repeat wrap.
    // Texture coordinate (0, 0) is the image's first (top-left) pixel, as in D3D. None when the
    // image is empty, its pixel count does not match its size, or the device refuses it.
    virtual TextureId CreateTexture(const Image& image) = 0;
    // None, or a texture already released, is ignored.
    virtual void ReleaseTexture(TextureId texture) = 0;
    // Pixels of the top mip level; zero for None or a released texture.
    virtual Size TextureSize(TextureId texture) const = 0;
};

// True when `image` holds exactly width × height RGBA8 pixels and neither side is zero.
inline bool IsWellFormed(const Image& image) {
    return image.size.width > 0 && image.size.height > 0 &&
           image.rgba.size() ==
               static_cast<size_t>(image.size.width) * static_cast<size_t>(image.size.height) * 4;
}

}  // namespace gfx
