#include "platform/gfx/NullDevice.h"

namespace gfx {

NullDevice::NullDevice(platform::Window& window, const Caps& caps)
    : window_(window), caps_(caps), backBuffer_(window.ClientSize()) {}

Caps NullDevice::FullCaps() {
    Caps caps;
    caps.shaderModel = 0x0303;
    caps.textureCaps = 0;
    caps.alphaGreaterEqual = true;
    caps.perPixelFog = true;
    caps.fogWithSpecularAlpha = true;
    caps.maxRenderTargets = 8;
    caps.maxTextureWidth = 16384;
    caps.maxTextureHeight = 16384;
    return caps;
}

void NullDevice::LoseDevice(int lostTests) {
    lost_ = true;
    lostTestsLeft_ = lostTests;
}

void NullDevice::Clear(uint32_t colour, float, uint8_t) {
    ++counts_.clears;
    lastClearColour_ = colour;
}

DeviceState NullDevice::Present() {
    ++counts_.presents;
    return lost_ ? DeviceState::Lost : DeviceState::Ok;
}

DeviceState NullDevice::TestCooperativeLevel() {
    ++counts_.cooperativeTests;
    if (!lost_) return DeviceState::Ok;
    if (lostTestsLeft_ > 0) {
        --lostTestsLeft_;
        return DeviceState::Lost;
    }
    return DeviceState::NotReset;
}

bool NullDevice::Reset(const PresentParams& params) {
    ++counts_.resets;
    if (failResets_ || lostTestsLeft_ > 0) return false;
    lost_ = false;
    params_ = params;
    backBuffer_ = params.backBuffer.width > 0 ? params.backBuffer : window_.ClientSize();
    return true;
}

TextureId NullDevice::CreateTexture(const Image& image) {
    if (!IsWellFormed(image)) return TextureId::None;
    const auto texture = static_cast<TextureId>(++lastTextureId_);
    textures_.emplace(texture, image.size);
    return texture;
}

Size NullDevice::TextureSize(TextureId texture) const {
    const auto found = textures_.find(texture);
    return found == textures_.end() ? Size{} : found->second;
}

std::unique_ptr<Device> NullGraphics::CreateDevice(platform::Window& window) {
    if (creationFails_) return nullptr;
    auto device = std::make_unique<NullDevice>(window, caps_);
    lastDevice_ = device.get();
    return device;
}

}  // namespace gfx
