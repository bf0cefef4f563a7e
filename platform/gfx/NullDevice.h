#pragma once
#include <map>

#include "platform/Platform.h"
#include "platform/gfx/Device.h"

namespace gfx {

// A device that draws nothing. It counts what it was asked to do and can act out a lost device,
// so the frame loop and the display-mode code run in tests and without a GPU.
class NullDevice : public Device {
  public:
    struct Counts {
        int clears = 0;
        int beginScenes = 0;
        int endScenes = 0;
        int presents = 0;
        int resets = 0;
        int cooperativeTests = 0;
    };

    // The window gives the back-buffer size whenever the present parameters leave it at zero.
    NullDevice(platform::Window& window, const Caps& caps);

    // Every capability the game asks for.
    static Caps FullCaps();

    // The next Present reports the device lost; TestCooperativeLevel then answers Lost
    // `lostTests` times and NotReset after that, until a Reset succeeds.
    void LoseDevice(int lostTests);
    void FailResets(bool fail) { failResets_ = fail; }

    const Counts& counts() const { return counts_; }
    uint32_t lastClearColour() const { return lastClearColour_; }
    const PresentParams& params() const { return params_; }
    bool lost() const { return lost_; }

    Caps GetCaps() const override { return caps_; }
    void Clear(uint32_t colour, float depth, uint8_t stencil) override;
    void BeginScene() override { ++counts_.beginScenes; }
    void EndScene() override { ++counts_.endScenes; }
    DeviceState Present() override;
    DeviceState TestCooperativeLevel() override;
    bool Reset(const PresentParams& params) override;
    Size BackBufferSize() const override { return backBuffer_; }
    bool ReadBack(Image&) override { return false; }
    // Textures keep only their size.
    TextureId CreateTexture(const Image& image) override;
    void ReleaseTexture(TextureId texture) override { textures_.erase(texture); }
    Size TextureSize(TextureId texture) const override;
    // Textures created and not yet released.
    int liveTextures() const { return static_cast<int>(textures_.size()); }

  private:
    platform::Window& window_;
    Caps caps_;
    Counts counts_;
    PresentParams params_;
    Size backBuffer_;
    uint32_t lastClearColour_ = 0;
    bool lost_ = false;
    int lostTestsLeft_ = 0;
    bool failResets_ = false;
    std::map<TextureId, Size> textures_;
    uint32_t lastTextureId_ = 0;
};

// The null backend as the game sees it. Keeps a pointer to the device it made last so tests and
// the headless driver can steer it.
class NullGraphics : public platform::Graphics {
  public:
    explicit NullGraphics(const Caps& caps = NullDevice::FullCaps()) : caps_(caps) {}

    void SetAvailable(bool available) { available_ = available; }
    void SetDeviceCreationFails(bool fails) { creationFails_ = fails; }
    NullDevice* lastDevice() const { return lastDevice_; }

    bool Open() override { return available_; }
    std::unique_ptr<Device> CreateDevice(platform::Window& window) override;

  private:
    Caps caps_;
    bool available_ = true;
    bool creationFails_ = false;
    NullDevice* lastDevice_ = nullptr;
};

}  // namespace gfx
