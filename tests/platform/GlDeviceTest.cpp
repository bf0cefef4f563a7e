// The OpenGL device through SDL's offscreen driver (EGL + Mesa), as the headless driver uses it.
#include "platform/gfx/GlDevice.h"

#include <epoxy/gl.h>

#include <string>
#include <vector>

#include "support/GlTest.h"

namespace gfx {
namespace {

using platform::SdlWindow;
using testsupport::Rgba;

class GlDeviceTest : public testsupport::GlTest {
  protected:
    GlDeviceTest() : GlTest({kWidth, kHeight}) {}

    Image PresentCleared(uint32_t colour) {
        device_->Clear(colour, 1.0f, 0);
        return PresentScene();
    }
    Image PresentScene() {
        device_->BeginScene();
        device_->EndScene();
        return CaptureFrame();
    }

    static constexpr int kWidth = 64;
    static constexpr int kHeight = 48;
};

// The clear colour 0xAARRGGBB read back as RGBA bytes, rows top down although GL's window
// coordinates start at the bottom, and a clear covering everything whatever scissor was left on.
TEST_F(GlDeviceTest, ReadBackIsRgbaTopRowFirstAndAClearCoversEverything) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
    device_->Clear(0xFF336699, 1.0f, 0);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, kHeight * 3 / 4, kWidth, kHeight / 4);  // the upper quarter
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    const Image image = PresentScene();
    ASSERT_EQ(image.size, (Size{kWidth, kHeight}));
    ASSERT_EQ(image.rgba.size(), static_cast<size_t>(kWidth) * kHeight * 4);
    const Rgba red{255, 0, 0, 255}, cleared{0x33, 0x66, 0x99, 0xFF};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            ASSERT_EQ(Pixel(image, x, y), y < kHeight / 4 ? red : cleared) << x << ", " << y;
        }
    }
}

// Nothing to read back before a captured present; after one, its frame until the next capture.
TEST_F(GlDeviceTest, CaptureKeepsThePresentedFrameUntilTheNextCapture) {
    device_->Clear(0xFFFFFFFF, 1.0f, 0);
    EXPECT_EQ(device_->Present(), DeviceState::Ok);
    Image before;
    EXPECT_FALSE(device_->ReadBack(before));
    PresentCleared(0xFF0000FF);
    device_->Clear(0xFFFF0000, 1.0f, 0);
    EXPECT_EQ(device_->Present(), DeviceState::Ok);
    Image image;
    ASSERT_TRUE(device_->ReadBack(image));
    EXPECT_EQ(Pixel(image, 0, 0), (Rgba{0, 0, 255, 255}));
}

// The back buffer after a resize is the surface actually drawn into: the new window size on a
// display, the first size on the offscreen driver, whose surface never grows. Either way every
// pixel it claims is one that was cleared.
TEST_F(GlDeviceTest, ResetGivesTheSurfaceDrawnInto) {
    ASSERT_TRUE(window_.PlaceWindowed({0, 0, 96, 80}));
    ASSERT_TRUE(device_->Reset(PresentParams{}));
    const Size expected = std::string(SDL_GetCurrentVideoDriver()) == "offscreen"
                              ? Size{kWidth, kHeight}
                              : Size{96, 80};
    EXPECT_EQ(device_->BackBufferSize(), expected);
    const Image image = PresentCleared(0xFF336699);
    ASSERT_EQ(image.size, expected);
    EXPECT_EQ(Pixel(image, expected.width - 1, expected.height - 1),
              (Rgba{0x33, 0x66, 0x99, 0xFF}));
}

// A square back buffer in the 64 x 48 window: the picture in the middle 48 x 48, black bars of
// 8 on either side, the frame read back as the window shows it.
TEST_F(GlDeviceTest, ABackBufferOfAnotherShapeIsShownWithBlackBars) {
    ASSERT_TRUE(device_->Reset(PresentParams{true, {32, 32}}));
    EXPECT_EQ(device_->PictureArea(), (Rect{8, 0, 48, 48}));
    const Image image = PresentCleared(0xFFFFFFFF);
    ASSERT_EQ(image.size, (Size{kWidth, kHeight}));
    const Rgba black{0, 0, 0, 255};
    const Rgba white{255, 255, 255, 255};
    EXPECT_EQ(Pixel(image, 7, 0), black);
    EXPECT_EQ(Pixel(image, 8, kHeight - 1), white);
    EXPECT_EQ(Pixel(image, 55, 0), white);
    EXPECT_EQ(Pixel(image, 56, kHeight - 1), black);
}

// Sections come back in the order they began, the last one closed by the taking, and each one
// only once; while profiling is off nothing is kept.
TEST_F(GlDeviceTest, ProfilingTimesEachSectionOnceInOrder) {
    device_->BeginSection("ignored");
    EXPECT_TRUE(device_->TakeSectionTimes().empty());
    device_->EnableProfiling(true);
    device_->BeginSection("clear");
    device_->Clear(0xFF000000, 1.0f, 0);
    device_->BeginSection(nullptr);  // time outside any section is not counted
    device_->Clear(0xFF000000, 1.0f, 0);
    device_->BeginSection("present");
    device_->Present();
    const std::vector<GlDevice::SectionTime> times = device_->TakeSectionTimes();
    ASSERT_EQ(times.size(), 2u);
    EXPECT_EQ(times[0].name, "clear");
    EXPECT_EQ(times[1].name, "present");
    for (const GlDevice::SectionTime& section : times) EXPECT_GE(section.milliseconds, 0.0);
    EXPECT_TRUE(device_->TakeSectionTimes().empty());
    device_->EnableProfiling(false);
}

TEST(SdlGraphicsTest, AWindowWithoutAGlSurfaceGetsNoDevice) {
    platform::SdlVideo video;
    ASSERT_TRUE(video.ok()) << SDL_GetError();
    SdlWindow plain(SdlWindow::Surface::Plain);
    ASSERT_TRUE(plain.Create({0, 0, 32, 32}));
    platform::SdlGraphics graphics(plain);
    ASSERT_TRUE(graphics.Open()) << SDL_GetError();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(graphics.CreateDevice(plain), nullptr);
    EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty());
    testsupport::KeepGlDriverResident();
}

TEST(GlslVersionTest, ParsesMajorAndMinorDigit) {
    const struct {
        const char* text;
        uint32_t expected;
    } cases[] = {{"3.30", 0x0303}, {"4.50", 0x0405}, {"4.60 NVIDIA via Cg compiler", 0x0406},
                 {"1.10", 0x0101}, {"10.0", 0x0A00}, {"4", 0},
                 {"4.", 0},        {".50", 0},       {"OpenGL ES GLSL ES 3.00", 0},
                 {"", 0},          {nullptr, 0},     {"99999999999.5", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseGlslVersion(c.text), c.expected) << (c.text ? c.text : "null");
    }
}

TEST(GlRendererTest, TellsSoftwareRasterisersFromHardware) {
    EXPECT_TRUE(IsSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(IsSoftwareRenderer("SwiftShader Device (Subzero)"));
    EXPECT_TRUE(IsSoftwareRenderer("Mesa X11 Software Rasterizer"));
    EXPECT_FALSE(IsSoftwareRenderer("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"));
    EXPECT_FALSE(IsSoftwareRenderer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
}

}  // namespace
}  // namespace gfx
