#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "app/WindowProc.h"

namespace {

using LoopFixture = AppTest;

TEST_F(LoopFixture, WaitingMessagesAreHandledBeforeTheNextFrame) {
    platform.messages.Push({platform::MessageType::Move, 300, 200});
    platform.messages.Push({platform::MessageType::Move, 310, 210});
    platform.messages.Push({platform::MessageType::Activate, 1});
    int32_t seenX = 0;
    Run(1, [&](D3DXMain& a, uint32_t) { seenX = a.lib.settings.windowX; });
    EXPECT_EQ(seenX, 310);
    EXPECT_EQ(g_active, 1);
}

// The cursor is given back at once: a lost device may take the player to another window.
TEST_F(LoopFixture, ALostDeviceStopsTheSceneUntilItIsResetAndSleepsWhileItCannotBe) {
    app.lib.input.state.captured = 1;
    platform.cursor.Show(false);
    platform.cursor.Clip(&platform.window.client);
    std::vector<int32_t> lostAfterFrame;
    const uint32_t start = platform.clock.Now();
    uint32_t lastFrameTime = 0;
    Run(6, [&](D3DXMain& a, uint32_t frame) {
        if (frame == 0) platform.device().LoseDevice(2);
        lostAfterFrame.push_back(a.deviceLost);
        lastFrameTime = platform.clock.Now();
    });
    // Lost after frame 0 presented: frames 1 and 2 find it still lost and sleep, frame 3 finds it
    // resettable and recovers.
    EXPECT_EQ(lostAfterFrame, (std::vector<int32_t>{0, 1, 1, 0, 0, 0}));
    const auto& counts = platform.device().counts();
    EXPECT_EQ(counts.cooperativeTests, 3);
    EXPECT_EQ(counts.resets, 2);  // the start's and the recovery's
    // Clear (to white), begin, end and present run on every tick.
    EXPECT_EQ(counts.backBufferClears, 6);
    EXPECT_EQ(platform.device().lastBackBufferClearColour(), 0xFFFFFFFFu);
    EXPECT_EQ(counts.beginScenes, 6);
    EXPECT_EQ(counts.endScenes, 6);
    EXPECT_EQ(counts.presents, 6);
    // Frames run every 16 ms; each sleep makes the next frame late, and late frames are not caught
    // up.
    EXPECT_EQ(lastFrameTime, start + 4 * 16 + 2 * 150);
    EXPECT_EQ(app.lib.input.state.captured, 0);
    EXPECT_TRUE(platform.cursor.visible());
    EXPECT_FALSE(platform.cursor.clipped());
}

TEST_F(LoopFixture, AFailedResetAfterLossEndsTheGameThroughQuit) {
    Run(10, [&](D3DXMain&, uint32_t frame) {
        if (frame == 0) {
            platform.device().LoseDevice(0);
            platform.device().FailResets(true);
        }
    });
    EXPECT_EQ(app.framesRun, 2u);
    EXPECT_EQ(platform.device().counts().resets, 2);  // the start's and the failed one
}

TEST_F(LoopFixture, AResizedWindowShowsThePictureWithItsShapeAndMapsThePointerThroughIt) {
    g_active = 1;
    Run(1);
    platform.window.client = {0, 0, 1000, 700};  // as a window manager may resize it
    // 1920 x 1080 into 1000 x 700: bars of 68 pixels above and below; the pointer at the
    // picture's corners is at the layout's.
    for (const auto& [pointer, layout] : {std::pair{platform::Point{0, 68}, glm::vec2(-960, 540)},
                                          {platform::Point{1000, 631}, glm::vec2(960, -540)}}) {
        platform.input.SetCursorPos(pointer);
        Run(1);
        EXPECT_EQ(platform.device().PictureArea(), (gfx::Rect{0, 68, 1000, 563}));
        EXPECT_EQ(app.lib.frame.cursorLayout, layout);
    }
}

struct WindowStateCase {
    const char* name;
    bool fullScreen, minimised, active;
    bool worldRuns, drawn;
    friend void PrintTo(const WindowStateCase& row, std::ostream* out) { *out << row.name; }
};

class WindowStateTest : public LoopFixture,
                        public ::testing::WithParamInterface<WindowStateCase> {};

// Two frames in the state after two normal ones; the player, placed high above the floor, falls
// while the world runs.
TEST_P(WindowStateTest, TheWorldRunsAndIsDrawnOnlyWhenItCanBeSeen) {
    const WindowStateCase& c = GetParam();
    app.player.SetSpawn(0, {0, 50, 0});
    g_active = 1;
    g_windowed = c.fullScreen ? 0 : 1;
    Run(2);
    const gfx::NullDevice::Counts before = platform.device().counts();
    const float height = app.player.Position().y;
    g_minimized = c.minimised;
    g_active = c.active;
    Run(2);
    const gfx::NullDevice::Counts& after = platform.device().counts();
    EXPECT_EQ(app.player.Position().y < height, c.worldRuns);
    EXPECT_EQ(after.draws > before.draws, c.drawn);
    EXPECT_EQ(after.backBufferClears - before.backBufferClears, c.drawn ? 2 : 0);
    EXPECT_EQ(after.presents - before.presents, c.drawn ? 2 : 0);

    // Back in front, the world goes on.
    g_minimized = 0;
    g_active = 1;
    const float heldAt = app.player.Position().y;
    Run(1);
    EXPECT_LT(app.player.Position().y, heldAt);
}

INSTANTIATE_TEST_SUITE_P(
    States, WindowStateTest,
    ::testing::Values(WindowStateCase{"InactiveWindow", false, false, false, true, true},
                      WindowStateCase{"MinimisedWindow", false, true, false, true, false},
                      WindowStateCase{"InactiveFullScreen", true, false, false, false, false},
                      WindowStateCase{"MinimisedFullScreen", true, true, false, false, false}));

TEST(WindowProcTest, EscapeLeavesFullScreenFirstThenAsksWithNoAsDefault) {
    FakePlatform platform;
    g_windowed = 0;
    WindowProc({platform::MessageType::KeyUp, static_cast<int>(platform::Key::Escape)},
               platform.services);
    EXPECT_EQ(g_windowed, 1);
    EXPECT_TRUE(platform.dialogs.shown().empty());

    platform.cursor.Show(false);
    WindowProc({platform::MessageType::KeyUp, static_cast<int>(platform::Key::Escape)},
               platform.services);
    ASSERT_EQ(platform.dialogs.shown().size(), 1u);
    const auto& box = platform.dialogs.shown()[0];
    EXPECT_EQ(box.text, "アプリを終了しますか?");
    EXPECT_EQ(box.caption, "終了");
    EXPECT_EQ(box.buttons, platform::BoxButtons::YesNoDefaultNo);
    EXPECT_TRUE(platform.cursor.visible());
    platform::Message message;
    EXPECT_FALSE(platform.messages.Peek(message));  // the default answer keeps the game

    platform.dialogs.QueueAnswer(platform::BoxAnswer::Yes);
    WindowProc({platform::MessageType::KeyUp, static_cast<int>(platform::Key::Escape)},
               platform.services);
    ASSERT_TRUE(platform.messages.Peek(message));
    EXPECT_EQ(message.type, platform::MessageType::Quit);
}

// Alt+Enter toggles the full screen; a destroyed window quits.
TEST(WindowProcTest, AltEnterTogglesTheFullScreenAndDestroyQuits) {
    FakePlatform platform;
    for (const auto& [key, windowed] : {std::pair{platform::Key::Enter, 0},
                                        {platform::Key::Enter, 1},
                                        {platform::Key::Other, 1}}) {
        WindowProc({platform::MessageType::SysKeyDown, static_cast<int>(key)}, platform.services);
        EXPECT_EQ(g_windowed, windowed);
    }
    WindowProc({platform::MessageType::Destroy}, platform.services);
    platform::Message message;
    ASSERT_TRUE(platform.messages.Peek(message));
    EXPECT_EQ(message.type, platform::MessageType::Quit);
}

}  // namespace
