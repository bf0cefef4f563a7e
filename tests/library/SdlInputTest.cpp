// The SDL input devices on the offscreen video driver (hm_add_test selects it).
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {
namespace {

class SdlInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(video_.ok()) << SDL_GetError();
        ASSERT_TRUE(window_.Create(kClient)) << SDL_GetError();
        window_.Show();
        SDL_PumpEvents();
    }

    static constexpr Rect kClient{40, 30, 320, 240};
    SdlVideo video_;
    SdlWindow window_{SdlWindow::Surface::Plain};
    SdlInput input_{window_};
};

TEST_F(SdlInputTest, ScreenAndClientDifferByTheClientOrigin) {
    EXPECT_EQ(input_.ClientToScreen({5, 7}), (Point{45, 37}));
    EXPECT_EQ(input_.ScreenToClient({45, 37}), (Point{5, 7}));
}

TEST_F(SdlInputTest, WarpedCursorReadsBackInScreenPixels) {
    input_.SetCursorPos({100, 90});
    SDL_PumpEvents();
    EXPECT_EQ(input_.CursorPos(), (Point{100, 90}));
}

TEST_F(SdlInputTest, NoControllerReadsAsDisconnectedAndIdle) {
    if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a game controller is plugged in";
    const PadState pad = input_.Pad();
    EXPECT_FALSE(pad.connected);
    EXPECT_EQ(pad.buttons, 0);
    EXPECT_EQ(pad.leftY, 0);
}

}  // namespace
}  // namespace platform
