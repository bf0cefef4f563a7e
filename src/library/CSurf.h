#pragma once
#include <array>
#include <cstdint>

#include <glm/vec4.hpp>

#include "library/Result.h"
#include "platform/gfx/Device.h"

// One render target's description.
struct CSTexState {
    uint32_t enabled = 1;  // only enabled targets are made
    uint32_t width = 4;    // pixels
    uint32_t height = 4;
    uint32_t slot = 0;       // the output it is bound to: 0, or 1 for the second scene output
    uint32_t withDepth = 0;  // 1: own depth buffer, and binding it clears it
    glm::vec4 clearColour{0, 0, 0, 1};
    // 1: the depth buffer is the whole target and its texture (depth 0..1 in r); no colour
    // image, so the clear colour is unused. Needs withDepth 1.
    uint32_t depthOnly = 0;
};

// The frame's off-screen images: 0 the shadow map (depth only), 1 the scene, 2 the scene's glow
// output (drawn together with 1), 3 and 4 the quarter-size blur stages, 5 the mirror's reflection.
class CSurf {
  public:
    static constexpr int kCount = 6;
    static constexpr int kShadowMap = 0;
    static constexpr int kScene = 1;
    static constexpr int kGlow = 2;
    static constexpr int kBlurAcross = 3;
    static constexpr int kBlurDown = 4;
    static constexpr int kMirror = 5;

    CSurf() = default;
    CSurf(const CSurf&) = delete;
    CSurf& operator=(const CSurf&) = delete;
    ~CSurf() { Release(); }

    // The six descriptions for a render size of width × height pixels, every target's sides
    // scaled by `scale`; the scene's are at least 4 × 4, so that the quarter-size targets keep a
    // pixel.
    static std::array<CSTexState, kCount> Describe(gfx::Size renderSize, float scale = 1.0f);

    // Makes every enabled target that does not exist yet and drops disabled ones. E_FAIL when
    // the device refuses one (the others made so far stay).
    HRESULT Create(gfx::Device& device, const std::array<CSTexState, kCount>& states);
    // Drops every target (around a device reset and at the end).
    void Release();

    // Binds target `index` to its slot; a target with its own depth is cleared with its clear
    // colour and depth 1. E_FAIL for an index without a target.
    HRESULT SetTarget(int index);
    // Drops the second output.
    void UnbindSecond();
    // Draws into the device's own back buffer again.
    void BindBackBuffer();

    gfx::TextureId TextureOf(int index) const;
    const CSTexState& StateOf(int index) const { return states_.at(static_cast<size_t>(index)); }

    // 0xAARRGGBB, each channel 255 at 1 or more, 0 at 0 or less, else trunc(value × 255 + 0.5).
    static uint32_t PackColour(const glm::vec4& colour);

  private:
    void Bind();

    gfx::Device* device_ = nullptr;
    std::array<CSTexState, kCount> states_{};
    std::array<gfx::TargetId, kCount> targets_{};
    std::array<int, 2> bound_{-1, -1};  // target index per slot, -1 for the back buffer / none
};
