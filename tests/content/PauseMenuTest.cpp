// The pause menu where a scripted run cannot look: the sliders held past their ends and dragged
// with the pointer, the render targets resized by the resolution, the settings file written, and
// the saves that must not happen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "content/FieldRun.h"
#include "library/Resolution.h"
#include "scene/Personal.h"

namespace {

using platform::VirtualKey;

class PauseMenuTest : public FieldRun {
  protected:
    void SetUp() override {
        FieldRun::SetUp();
        const FieldStart start = StartOf(FieldId::Guest_Room);
        Start(FieldId::Guest_Room, start.position, start.yaw, start.stage);
    }

    MenuRecord& Menu() { return app.player.menu.view; }
    void Hold(VirtualKey key, uint32_t frames) {
        platform.input.keys.insert(key);
        Run(frames);
        platform.input.keys.erase(key);
        Run(1);
    }
    // Up or down to list row `row` (0, -1, ...).
    void Pick(int32_t row) {
        for (int taps = 0; taps < 8 && Menu().selection != row; ++taps) {
            Tap(Menu().selection > row ? VirtualKey::Down : VirtualKey::Up);
        }
        ASSERT_EQ(Menu().selection, row);
    }
    void OpenPage(MainPage::Row row) {
        Tap(VirtualKey::Space);
        ASSERT_EQ(app.player.menu.showing, 1);
        Pick(row);
        PressAction();
    }
    // Moves the pointer over the layout point (x, y) for a frame.
    void PointAt(float x, float y) {
        const gfx::Rect picture =
            gfx::FitAspect(app.lib.frame.renderSize, app.lib.frame.clientSize);
        platform.input.SetCursorPos(
            {picture.x + static_cast<int>((x + 960) * picture.width / 1920),
             picture.y + static_cast<int>((540 - y) * picture.height / 1080)});
        Run(1);
    }
    void SetButton(bool down) {
        down ? void(platform.input.buttons.insert(platform::MouseButton::Left))
             : void(platform.input.buttons.erase(platform::MouseButton::Left));
    }
};

TEST_F(PauseMenuTest, SlidersRepeatWhenHeldStopAtTheirEndsAndFollowADrag) {
    OpenPage(MainPage::kOptionsRow);
    Pick(OptionPage::kVolumeRow);
    // The press steps once; held past 20 frames the step repeats every frame.
    Hold(VirtualKey::Right, 30);
    EXPECT_NEAR(app.lib.settings.soundVolume, 1.11f, 1e-4f);
    EXPECT_EQ(app.lib.sound.Engine().masterVolume, app.lib.settings.soundVolume);
    Hold(VirtualKey::Left, 200);
    EXPECT_EQ(app.lib.settings.soundVolume, 0.0f);
    EXPECT_EQ(app.lib.sound.Engine().masterVolume, 0.0f);

    Pick(OptionPage::kLightRow);
    Hold(VirtualKey::Right, 500);
    EXPECT_EQ(app.lib.settings.lightLevel, 4.0f);
    EXPECT_EQ(app.lib.effect.lightFactors.z, 8.0f);
    // Dragged, the knob follows the pointer; merely passing over the row changes nothing.
    const float lightY = Menu().RowY(MenuRecord::kListTop, OptionPage::kLightRow);
    SetButton(true);
    PointAt(OptionPage::kSliderLeft + 25, lightY);
    SetButton(false);
    EXPECT_NEAR(app.lib.settings.lightLevel, 1.0f, 0.05f);
    EXPECT_NEAR(app.lib.effect.lightFactors.z, 5.0f, 0.05f);
    const float dragged = app.lib.settings.lightLevel;
    PointAt(OptionPage::kSliderLeft + 90, lightY);
    EXPECT_EQ(app.lib.settings.lightLevel, dragged);

    // Leaving writes the settings.
    Tap(VirtualKey::Q);
    SystemSettings written;
    ASSERT_TRUE(ReadSettings(written));
    EXPECT_EQ(written.soundVolume, 0.0f);
    EXPECT_EQ(written.lightLevel, dragged);
}

TEST_F(PauseMenuTest, TheResolutionResizesTheRenderTargets) {
    OpenPage(MainPage::kOptionsRow);
    Pick(OptionPage::kResolutionRow);
    PressAction();  // one down from 1920 x 1080
    Tap(VirtualKey::Down);
    PressAction();
    EXPECT_EQ(app.lib.frame.renderSize, ResolutionSize(2));
    EXPECT_EQ(app.lib.surf.StateOf(CSurf::kScene).width, 2560u);
    // The pointer picks the entry under it.
    PressAction();
    PointAt(OptionPage::kSliderLeft + 40, Menu().RowY(MenuRecord::kListTop, -3));
    SetButton(true);
    Run(1);
    SetButton(false);
    Run(1);
    EXPECT_EQ(app.lib.settings.resolutionIndex, 0);
    EXPECT_EQ(app.lib.surf.StateOf(CSurf::kScene).height, 720u);
    // The menu key closes the menu from here and writes the settings too.
    Tap(VirtualKey::Space);
    SystemSettings written;
    ASSERT_TRUE(ReadSettings(written));
    EXPECT_EQ(written.resolutionIndex, 0);
}

// A save folder that cannot be written says so; the ghost waking while the question is open
// closes the save page before anything is saved.
TEST_F(PauseMenuTest, SavesNothingItCannotWriteOrWhileTheGhostIsAbout) {
    const std::filesystem::path blocked = platform.saveDir / "a-file";
    std::filesystem::create_directories(platform.saveDir);
    std::ofstream(blocked) << "not a folder";
    SetSaveFolderOverride(blocked / "saves");
    OpenPage(MainPage::kSaveRow);
    PressAction();
    PressAction();  // yes
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"Menu_14");
    SetSaveFolderOverride(platform.saveDir);
    Tap(VirtualKey::Q);

    PressAction();
    app.player.record.EnemyMode = 2;
    PressAction();
    EXPECT_EQ(Menu().page, MenuRecord::kMainPage);
    EXPECT_EQ(Menu().selection, MainPage::kSaveRow);
    EXPECT_EQ(Current(), FieldId::Guest_Room) << "the yes was taken by the first page";
    SaveRecord saved;
    EXPECT_FALSE(LoadSlot(saved, 0, 0));
}

}  // namespace
