#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace {

struct DisplayModeTest : AppTest {
    DisplayModeTest() : AppTest({100, 100, 1920, 1080}) {}
};

// The main loop applies the display mode every frame: that nothing requested changes nothing shows
// in its frame times and device resets (MainLoopTest), and a change the device cannot take ends the
// run (EntryTest).
TEST_F(DisplayModeTest, FullScreenKeepsThePicturesShapeAndTheWindowComesBackCentred) {
    platform.window.screen = {1920, 1200};
    g_windowed = 0;
    const uint32_t before = platform.clock.Now();
    ASSERT_EQ(app.ApplyDisplayMode(), S_OK);
    EXPECT_TRUE(platform.window.fullScreen);
    EXPECT_EQ(platform.device().BackBufferSize(), (gfx::Size{1920, 1080}));
    EXPECT_EQ(platform.device().PictureArea(), (gfx::Rect{0, 60, 1920, 1080}));  // bars of 60
    EXPECT_EQ(platform.clock.Now(), before + 500);  // every applied change settles for 500 ms

    // A new resolution in full screen changes the render size and the later window.
    app.lib.settings.resolutionIndex = 0;
    ASSERT_EQ(app.ApplyDisplayMode(), S_OK);
    EXPECT_EQ(app.lib.frame.renderSize, (gfx::Size{1280, 720}));
    EXPECT_EQ(platform.device().PictureArea(), (gfx::Rect{0, 60, 1920, 1080}));

    g_windowed = 1;
    ASSERT_EQ(app.ApplyDisplayMode(), S_OK);
    EXPECT_FALSE(platform.window.fullScreen);
    EXPECT_EQ(platform.window.client, (platform::Rect{320, 240, 1280, 720}));
    EXPECT_EQ(platform.device().BackBufferSize(), (gfx::Size{1280, 720}));
    EXPECT_EQ(app.lib.frame.renderSize, (gfx::Size{1280, 720}));
}

TEST_F(DisplayModeTest, TogglingManyTimesKeepsTheWindowSize) {
    for (int i = 0; i < 5; ++i) {
        g_windowed = 0;
        ASSERT_EQ(app.ApplyDisplayMode(), S_OK);
        g_windowed = 1;
        ASSERT_EQ(app.ApplyDisplayMode(), S_OK);
        EXPECT_EQ(platform.window.client, (platform::Rect{320, 180, 1920, 1080}));
    }
}

}  // namespace
