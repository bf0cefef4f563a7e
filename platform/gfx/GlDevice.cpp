#include "platform/gfx/GlDevice.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace gfx {
namespace {

constexpr int kRequiredGlVersion = 33;  // epoxy's form: major * 10 + minor

int GetInt(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

Caps ReadCaps() {
    Caps caps;
    caps.shaderModel =
        ParseGlslVersion(reinterpret_cast<const char*>(glGetString(GL_SHADING_LANGUAGE_VERSION)));
    // GL 3.3 textures have any size and shape; alpha test and fog are done in the shaders.
    caps.textureCaps = 0;
    caps.alphaGreaterEqual = true;
    caps.perPixelFog = true;
    caps.fogWithSpecularAlpha = true;
    caps.maxRenderTargets = std::min(GetInt(GL_MAX_COLOR_ATTACHMENTS), GetInt(GL_MAX_DRAW_BUFFERS));
    caps.maxTextureWidth = GetInt(GL_MAX_TEXTURE_SIZE);
    caps.maxTextureHeight = caps.maxTextureWidth;
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    caps.softwareRasteriser = renderer && IsSoftwareRenderer(renderer);
    return caps;
}

// Depth 0..1 in clip space, as D3D projection matrices produce it.
bool EnableZeroToOneDepth() {
    if (epoxy_gl_version() < 45 && !epoxy_has_gl_extension("GL_ARB_clip_control")) return false;
    glClipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
    return GetInt(GL_CLIP_DEPTH_MODE) == GL_ZERO_TO_ONE;
}

float Channel(uint32_t colour, int shift) {
    return static_cast<float>((colour >> shift) & 0xFF) / 255.0f;
}

}  // namespace

uint32_t ParseGlslVersion(const char* text) {
    if (!text) return 0;
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    uint32_t major = 0;
    const char* p = text;
    for (; digit(*p) && major < 0x100; ++p) major = major * 10 + static_cast<uint32_t>(*p - '0');
    if (p == text || major >= 0x100 || p[0] != '.' || !digit(p[1])) return 0;
    return major << 8 | static_cast<uint32_t>(p[1] - '0');
}

bool IsSoftwareRenderer(std::string_view renderer) {
    std::string lower(renderer);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* name : {"llvmpipe", "softpipe", "software rasterizer", "swiftshader"}) {
        if (lower.find(name) != std::string::npos) return true;
    }
    return false;
}

std::unique_ptr<GlDevice> GlDevice::Create(std::unique_ptr<GlSwapChain> swapChain) {
    if (!swapChain || !swapChain->MakeCurrent()) {
        std::fprintf(stderr, "hollowmere: the OpenGL context cannot be made current\n");
        return nullptr;
    }
    if (!epoxy_is_desktop_gl() || epoxy_gl_version() < kRequiredGlVersion) {
        std::fprintf(stderr, "hollowmere: OpenGL 3.3 is needed, the context gives %s\n",
                     reinterpret_cast<const char*>(glGetString(GL_VERSION)));
        return nullptr;
    }
    const Caps caps = ReadCaps();
    const bool zeroToOne = EnableZeroToOneDepth();
    const auto drawBuffer = static_cast<uint32_t>(GetInt(GL_DRAW_BUFFER));
    std::unique_ptr<GlDevice> device(
        new GlDevice(std::move(swapChain), caps, zeroToOne, drawBuffer));
    device->Reset(PresentParams{});
    return device;
}

GlDevice::GlDevice(std::unique_ptr<GlSwapChain> swapChain, const Caps& caps, bool zeroToOneDepth,
                   uint32_t defaultDrawBuffer)
    : swapChain_(std::move(swapChain)),
      caps_(caps),
      zeroToOneDepth_(zeroToOneDepth),
      defaultDrawBuffer_(defaultDrawBuffer) {}

void GlDevice::Clear(uint32_t colour, float depth, uint8_t stencil) {
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilMask(0xFF);
    glClearColor(Channel(colour, 16), Channel(colour, 8), Channel(colour, 0), Channel(colour, 24));
    glClearDepth(depth);
    glClearStencil(stencil);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void GlDevice::ClearDepth(float depth) {
    glDisable(GL_SCISSOR_TEST);
    glDepthMask(GL_TRUE);
    glClearDepth(depth);
    glClear(GL_DEPTH_BUFFER_BIT);
}

void GlDevice::BeginScene() {
    assert(!inScene_ && "BeginScene twice without EndScene");
    inScene_ = true;
    drawable_ = swapChain_->DrawableSize();
}

void GlDevice::EndScene() {
    assert(inScene_ && "EndScene without BeginScene");
    inScene_ = false;
}

DeviceState GlDevice::Present() {
    assert(!inScene_ && "Present inside a scene");
    ClearBars();
    // The back buffer is undefined after the swap, so the frame is kept before it.
    if (captureRequested_) {
        captured_ = ReadDrawBuffer();
        captureRequested_ = false;
    }
    swapChain_->Swap();
    return DeviceState::Ok;
}

bool GlDevice::Reset(const PresentParams& params) {
    if (!swapChain_->MakeCurrent()) return false;
    drawable_ = swapChain_->DrawableSize();
    backBuffer_ =
        params.backBuffer.width > 0 && params.backBuffer.height > 0 ? params.backBuffer : drawable_;
    BindTargets(TargetId::None, TargetId::None);
    return true;
}

void GlDevice::ClearBars() {
    const Rect picture = PictureArea();
    if (picture.width == drawable_.width && picture.height == drawable_.height) return;
    BindTargets(TargetId::None, TargetId::None);
    // GL's window coordinates start at the bottom.
    const int bottom = drawable_.height - picture.y - picture.height;
    const Rect bars[] = {
        {0, 0, picture.x, drawable_.height},
        {picture.x + picture.width, 0, drawable_.width - picture.x - picture.width,
         drawable_.height},
        {0, 0, drawable_.width, bottom},
        {0, bottom + picture.height, drawable_.width, picture.y},
    };
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0, 0, 0, 1);
    glEnable(GL_SCISSOR_TEST);
    for (const Rect& bar : bars) {
        if (bar.width <= 0 || bar.height <= 0) continue;
        glScissor(bar.x, bar.y, bar.width, bar.height);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
}

bool GlDevice::ReadBack(Image& out) {
    if (!captured_) return false;
    out = *captured_;
    return true;
}

TextureId GlDevice::CreateTexture(const Image& image) {
    if (!IsWellFormed(image) || image.size.width > caps_.maxTextureWidth ||
        image.size.height > caps_.maxTextureHeight) {
        return TextureId::None;
    }
    // Errors left over from earlier calls must not fail this upload.
    while (glGetError() != GL_NO_ERROR) continue;
    GLuint name = 0;
    glGenTextures(1, &name);
    ++live_.textures;
    glBindTexture(GL_TEXTURE_2D, name);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.size.width, image.size.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, image.rgba.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (glGetError() != GL_NO_ERROR) {  // e.g. out of memory
        glDeleteTextures(1, &name);
        --live_.textures;
        return TextureId::None;
    }
    textures_.emplace(name, image.size);
    return static_cast<TextureId>(name);
}

void GlDevice::ReleaseTexture(TextureId texture) {
    const auto found = textures_.find(static_cast<uint32_t>(texture));
    if (found == textures_.end()) return;
    const GLuint name = found->first;
    glDeleteTextures(1, &name);
    --live_.textures;
    textures_.erase(found);
}

Size GlDevice::TextureSize(TextureId texture) const {
    const auto found = textures_.find(static_cast<uint32_t>(texture));
    return found == textures_.end() ? Size{} : found->second;
}

Image GlDevice::ReadDrawBuffer() const {
    Image image;
    image.size = drawable_;
    const size_t rowBytes = static_cast<size_t>(drawable_.width) * 4;
    const size_t rows = static_cast<size_t>(drawable_.height);
    std::vector<uint8_t> bottomUp(rowBytes * rows);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(defaultDrawBuffer_);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, drawable_.width, drawable_.height, GL_RGBA, GL_UNSIGNED_BYTE,
                 bottomUp.data());
    // GL's rows start at the bottom; images start at the top.
    image.rgba.resize(bottomUp.size());
    for (size_t row = 0; row < rows; ++row) {
        std::memcpy(image.rgba.data() + row * rowBytes,
                    bottomUp.data() + (rows - 1 - row) * rowBytes, rowBytes);
    }
    return image;
}

}  // namespace gfx
