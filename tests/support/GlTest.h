#pragma once
// A fixture drawing through the real OpenGL device on SDL's offscreen driver (EGL + Mesa), as the
// headless driver uses it, with read-back helpers for the frames it presents.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/gfx/GlDevice.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"
#include "support/GlDriverResident.h"

namespace testsupport {

using Rgba = std::array<uint8_t, 4>;

class GlTest : public testing::Test {
  protected:
    explicit GlTest(gfx::Size size) : size_(size) {}

    void SetUp() override {
        ASSERT_TRUE(video_.ok()) << SDL_GetError();
        ASSERT_TRUE(window_.Create({0, 0, size_.width, size_.height})) << SDL_GetError();
        ASSERT_TRUE(graphics_.Open()) << SDL_GetError();
        std::unique_ptr<gfx::Device> device = graphics_.CreateDevice(window_);
        ASSERT_NE(device, nullptr) << "no GL 3.3 core context: " << SDL_GetError();
        device_.reset(static_cast<gfx::GlDevice*>(device.release()));
        KeepGlDriverResident();
    }

    // Presents with a capture and reads the frame back.
    gfx::Image CaptureFrame() {
        device_->CaptureNextPresent();
        EXPECT_EQ(device_->Present(), gfx::DeviceState::Ok);
        gfx::Image image;
        EXPECT_TRUE(device_->ReadBack(image));
        return image;
    }

    static Rgba Pixel(const gfx::Image& image, int x, int y) {
        const size_t at = (static_cast<size_t>(y) * image.size.width + x) * 4;
        return {image.rgba[at], image.rgba[at + 1], image.rgba[at + 2], image.rgba[at + 3]};
    }

    gfx::Size size_;
    // Destroyed in reverse: the device before the window, SDL video last.
    platform::SdlVideo video_;
    platform::SdlWindow window_{platform::SdlWindow::Surface::OpenGl};
    platform::SdlGraphics graphics_{window_};
    std::unique_ptr<gfx::GlDevice> device_;
};

}  // namespace testsupport
