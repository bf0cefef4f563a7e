#include "library/CSurf.h"

#include <algorithm>

#include "library/Resolution.h"

namespace {

gfx::TargetFormat FormatOf(const CSTexState& state) {
    if (state.depthOnly) return gfx::TargetFormat::DepthOnly;
    return state.withDepth ? gfx::TargetFormat::Rgba8WithDepth : gfx::TargetFormat::Rgba8;
}

uint32_t Channel(float value) {
    if (value >= 1.0f) return 255;
    if (value <= 0.0f) return 0;
    return static_cast<uint32_t>(value * 255.0f + 0.5f);
}

}  // namespace

std::array<CSTexState, CSurf::kCount> CSurf::Describe(gfx::Size renderSize, float scale) {
    // A window with no client area yet, or a tiny scale, still gets targets of a few pixels.
    const gfx::Size scene = ScaledSize(renderSize, scale);
    const auto w = static_cast<uint32_t>(std::max(scene.width, 4));
    const auto h = static_cast<uint32_t>(std::max(scene.height, 4));
    const auto scaledSide = [scale](int side) {
        return static_cast<uint32_t>(std::max(ScaledSize({side, side}, scale).width, 4));
    };
    std::array<CSTexState, kCount> states{};
    // The shadow pass needs only the depth nearest the sun: no colour to shade, clear or store.
    states[kShadowMap] = {1, scaledSide(2048), scaledSide(2048), 0, 1, {1, 1, 1, 1}, 1};
    states[kScene] = {1, w, h, 0, 1, {0, 0, 0, 1}};
    states[kGlow] = {1, w, h, 1, 0, {0, 0, 0, 1}};
    states[kBlurAcross] = {1, w >> 2, h >> 2, 0, 0, {0, 0, 0, 1}};
    states[kBlurDown] = {1, w >> 2, h >> 2, 0, 0, {0, 0, 0, 1}};
    states[kMirror] = {1, scaledSide(512), scaledSide(512), 0, 1, {0, 0, 0, 1}};
    return states;
}

HRESULT CSurf::Create(gfx::Device& device, const std::array<CSTexState, kCount>& states) {
    device_ = &device;
    states_ = states;
    for (size_t i = 0; i < kCount; ++i) {
        const CSTexState& state = states_[i];
        if (!state.enabled) {
            device.ReleaseTarget(targets_[i]);
            targets_[i] = gfx::TargetId::None;
            continue;
        }
        if (targets_[i] != gfx::TargetId::None) continue;
        targets_[i] = device.CreateTarget(
            {static_cast<int>(state.width), static_cast<int>(state.height)}, FormatOf(state));
        if (targets_[i] == gfx::TargetId::None) return E_FAIL;
    }
    return S_OK;
}

void CSurf::Release() {
    if (!device_) return;
    BindBackBuffer();
    for (gfx::TargetId& target : targets_) {
        device_->ReleaseTarget(target);
        target = gfx::TargetId::None;
    }
}

HRESULT CSurf::SetTarget(int index) {
    if (!device_ || index < 0 || index >= kCount ||
        targets_[static_cast<size_t>(index)] == gfx::TargetId::None) {
        return E_FAIL;
    }
    const CSTexState& state = states_[static_cast<size_t>(index)];
    bound_[state.slot == 0 ? 0 : 1] = index;
    Bind();
    // Clearing clears every bound output: the second scene output is cleared this way only.
    if (state.withDepth) device_->Clear(PackColour(state.clearColour), 1.0f, 0);
    return S_OK;
}

void CSurf::UnbindSecond() {
    bound_[1] = -1;
    Bind();
}

void CSurf::BindBackBuffer() {
    bound_ = {-1, -1};
    if (device_) device_->BindTargets(gfx::TargetId::None, gfx::TargetId::None);
}

void CSurf::Bind() {
    const auto target = [this](int index) {
        return index < 0 ? gfx::TargetId::None : targets_[static_cast<size_t>(index)];
    };
    device_->BindTargets(target(bound_[0]), target(bound_[1]));
}

gfx::TextureId CSurf::TextureOf(int index) const {
    if (!device_ || index < 0 || index >= kCount) return gfx::TextureId::None;
    return device_->TargetTexture(targets_[static_cast<size_t>(index)]);
}

uint32_t CSurf::PackColour(const glm::vec4& colour) {
    return Channel(colour.a) << 24 | Channel(colour.r) << 16 | Channel(colour.g) << 8 |
           Channel(colour.b);
}
