#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/gfx/Device.h"

namespace gfx {

// What the GL device needs from the window system: one context bound to one window surface.
// The swap chain owns the context; the window must outlive it.
class GlSwapChain {
  public:
    virtual ~GlSwapChain() = default;
    virtual bool MakeCurrent() = 0;
    // Shows the back buffer; its contents are undefined afterwards.
    virtual void Swap() = 0;
    // The window surface in pixels.
    virtual Size DrawableSize() const = 0;
};

// "4.50 Mesa" -> 0x0405: major << 8 | the first digit of the minor number, the form of
// Caps::shaderModel; 0 when the text does not start with a version.
uint32_t ParseGlslVersion(const char* text);

// The device on an OpenGL 3.3 core context. Its back buffer is the window surface, so it always
// has the window's drawable size. Call it only on the thread whose context is current.
class GlDevice final : public Device {
  public:
    // Makes the context current and reads its capabilities. Null, with the reason on stderr, when
    // the context cannot be made current or is not desktop GL 3.3 or later.
    static std::unique_ptr<GlDevice> Create(std::unique_ptr<GlSwapChain> swapChain);

    Caps GetCaps() const override { return caps_; }
    // Clears the whole back buffer (write masks are left fully on, scissor off).
    void Clear(uint32_t colour, float depth, uint8_t stencil) override;
    void BeginScene() override;
    void EndScene() override;
    // GL has no lost device: always Ok.
    DeviceState Present() override;
    DeviceState TestCooperativeLevel() override { return DeviceState::Ok; }
    // The window has already been placed for the new parameters; the back buffer takes its
    // drawable size and the viewport follows.
    bool Reset(const PresentParams& params) override;
    Size BackBufferSize() const override { return backBuffer_; }
    void CaptureNextPresent() override { captureRequested_ = true; }
    bool ReadBack(Image& out) override;
    // RGBA8 with a generated mip chain. Rows are uploaded top row first, so texture coordinates
    // address the image as D3D's do. None when a side exceeds the device's maximum.
    TextureId CreateTexture(const Image& image) override;
    void ReleaseTexture(TextureId texture) override;
    Size TextureSize(TextureId texture) const override;

    // True when clip-space depth runs 0..1 as in the game's projection matrices
    // (glClipControl); false when vertex shaders must remap it.
    bool zeroToOneDepth() const { return zeroToOneDepth_; }

  private:
    GlDevice(std::unique_ptr<GlSwapChain> swapChain, const Caps& caps, bool zeroToOneDepth,
             uint32_t defaultDrawBuffer);
    // The back buffer as drawn so far, rows top-down.
    Image ReadDrawBuffer() const;

    std::unique_ptr<GlSwapChain> swapChain_;
    Caps caps_;
    bool zeroToOneDepth_;
    uint32_t defaultDrawBuffer_;  // GL_BACK, or GL_FRONT on a single-buffered surface
    Size backBuffer_;
    bool inScene_ = false;
    bool captureRequested_ = false;
    std::optional<Image> captured_;
    // Live textures by GL name (the TextureId value), with their sizes.
    std::unordered_map<uint32_t, Size> textures_;
};

}  // namespace gfx
