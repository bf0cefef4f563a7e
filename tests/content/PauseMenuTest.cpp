// The pause menu as a player drives it in the guest room, through the real input poll: every page
// walked with the keys, with the pad alone and with the pointer; saves into each slot read back
// as labels; no saving while the ghost is about; the sliders, the resolution and the defaults;
// and the return to the title.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "content/FieldRun.h"
#include "library/Resolution.h"
#include "scene/Personal.h"

namespace {

using platform::MouseButton;
using platform::VirtualKey;

// The ways a player drives the menu. The pointer has no part in opening and closing it: the menu
// key does that.
enum class Hand { Keys, Pad, Pointer };

void PrintTo(Hand hand, std::ostream* out) {
    *out << (hand == Hand::Keys ? "Keys" : hand == Hand::Pad ? "Pad" : "Pointer");
}

enum class Act { Menu, Up, Down, Left, Right, Confirm, Back };

class PauseMenuTest : public FieldRun {
  protected:
    void SetUp() override {
        FieldRun::SetUp();
        app.makeTitle = MakeTitle;
        SaveRecord& record = app.player.record;
        record.itemHeld[kDarts] = record.itemHeld[kCharm] = 1;
        const FieldStart start = StartOf(FieldId::Guest_Room);
        Start(FieldId::Guest_Room, start.position, start.yaw, start.stage);
        room = &Field();
    }

    MenuRecord& Menu() { return app.player.menu.view; }
    // What a text of the menu shows: its key, or the composed line itself.
    std::u16string Shown(const CObjText& text) {
        return text.literal ? *text.literal : app.lib.textData.GetText(text.key);
    }
    std::u16string Text(const char16_t* key) { return app.lib.textData.GetText(key); }

    // Held for a frame and let go for a frame.
    void Tap(Hand hand, Act act) { Hold(hand, act, 1); }
    void Hold(Hand hand, Act act, uint32_t frames) {
        Set(hand, act, true);
        Run(frames);
        Set(hand, act, false);
        Run(1);
    }
    void Set(Hand hand, Act act, bool down) {
        IdleInput& input = platform.input;
        if (hand == Hand::Pad) {
            static constexpr uint16_t kButtons[] = {
                platform::kPadStart, platform::kPadUp, platform::kPadDown, platform::kPadLeft,
                platform::kPadRight, platform::kPadA,  platform::kPadB};
            const uint16_t bit = kButtons[static_cast<int>(act)];
            input.pad.connected = true;
            input.pad.buttons = down ? input.pad.buttons | bit : input.pad.buttons & ~bit;
            return;
        }
        if (hand == Hand::Pointer && (act == Act::Confirm || act == Act::Back)) {
            const MouseButton button = act == Act::Confirm ? MouseButton::Left : MouseButton::Right;
            down ? void(input.buttons.insert(button)) : void(input.buttons.erase(button));
            return;
        }
        static constexpr VirtualKey kKeys[] = {
            VirtualKey::Space, VirtualKey::Up, VirtualKey::Down, VirtualKey::Left,
            VirtualKey::Right, VirtualKey::E,  VirtualKey::Q};
        const VirtualKey key = kKeys[static_cast<int>(act)];
        down ? void(input.keys.insert(key)) : void(input.keys.erase(key));
    }
    // Moves the pointer over the layout point (x, y) for a frame.
    void PointAt(float x, float y) {
        const gfx::Rect picture =
            gfx::FitAspect(app.lib.frame.renderSize, app.lib.frame.clientSize);
        const platform::Point to{picture.x + static_cast<int>((x + 960) * picture.width / 1920),
                                 picture.y + static_cast<int>((540 - y) * picture.height / 1080)};
        if (platform.input.CursorPos() == to) {  // it must move to count
            platform.input.SetCursorPos({to.x + 1, to.y});
            Run(1);
        }
        platform.input.SetCursorPos(to);
        Run(1);
    }
    // Highlights list row `row`: the pointer over it, or up and down the shortest way round.
    void Pick(Hand hand, int32_t row) {
        if (hand == Hand::Pointer) {
            PointAt(MenuRecord::kListX + 40, Menu().RowY(MenuRecord::kListTop, row));
        }
        for (int taps = 0; taps < 20 && Menu().selection != row; ++taps) {
            Tap(hand, Menu().selection > row ? Act::Down : Act::Up);
        }
        ASSERT_EQ(Menu().selection, row);
    }
    void Answer(Hand hand, bool yes) {
        ASSERT_EQ(Menu().dialogState, MenuRecord::kDialogAsking);
        const int32_t wanted = yes ? MenuRecord::kYes : MenuRecord::kNo;
        if (hand == Hand::Pointer) {
            PointAt(-60, Menu().RowY(MenuRecord::kDialogTop, wanted - 1));
        } else if (Menu().dialogChoice != wanted) {
            Tap(hand, Act::Down);
        }
        ASSERT_EQ(Menu().dialogChoice, wanted);
        Tap(hand, Act::Confirm);
    }
    void Open(Hand hand) {
        Tap(hand == Hand::Pad ? Hand::Pad : Hand::Keys, Act::Menu);
        ASSERT_EQ(app.player.controlMode, kControlMenu);
        ASSERT_EQ(app.player.menu.showing, 1);
    }
    void OpenPage(Hand hand, MainPage::Row row) {
        Open(hand);
        Pick(hand, row);
        Tap(hand, Act::Confirm);
    }

    Scene* room = nullptr;  // the guest room the menu opens in
    static constexpr size_t kDarts = 0;
    static constexpr size_t kCharm = 4;
};

class MenuByHandTest : public PauseMenuTest, public testing::WithParamInterface<Hand> {};

// Each page reached from the first, used once, and left by its back button.
TEST_P(MenuByHandTest, WalksEveryPage) {
    const Hand hand = GetParam();
    const Hand menuHand = hand == Hand::Pad ? Hand::Pad : Hand::Keys;
    Open(hand);
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"Menu_3");
    if (hand != Hand::Pointer) {  // the highlight wraps round both ends
        Tap(hand, Act::Up);
        EXPECT_EQ(Menu().selection, MainPage::kTitleRow);
        Tap(hand, Act::Down);
        EXPECT_EQ(Menu().selection, MainPage::kItemsRow);
    }

    Tap(hand, Act::Confirm);  // items: a heading, then the darts and the charm
    ASSERT_EQ(Menu().page, MenuRecord::kItemPage);
    EXPECT_EQ(Shown(Menu().listText),
              Text(u"Menu_25") + u"\n" + Text(u"CItem_name0") + u"\n" + Text(u"CItem_name4"));
    Pick(hand, -2);
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"CItem_info4");
    Tap(hand, Act::Back);
    ASSERT_EQ(Menu().page, MenuRecord::kMainPage);

    Pick(hand, MainPage::kSaveRow);  // save into the first slot
    Tap(hand, Act::Confirm);
    ASSERT_EQ(Menu().page, MenuRecord::kSavePage);
    Pick(hand, 0);
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"Menu_16");
    Tap(hand, Act::Confirm);
    Answer(hand, true);
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"Menu_13");
    Tap(hand, Act::Back);  // dismisses the message
    Run(1);
    EXPECT_EQ(Menu().page, MenuRecord::kSavePage);
    EXPECT_NE(Menu().helpText.literal, nullptr) << "the slot's label";
    Tap(hand, Act::Back);
    ASSERT_EQ(Menu().page, MenuRecord::kMainPage);
    EXPECT_EQ(Menu().selection, MainPage::kSaveRow);

    Pick(hand, MainPage::kOptionsRow);  // a slider a step up (dragging has its own test)
    Tap(hand, Act::Confirm);
    ASSERT_EQ(Menu().page, MenuRecord::kOptionPage);
    Pick(hand, OptionPage::kLightRow);
    if (hand != Hand::Pointer) {
        Tap(hand, Act::Right);
        EXPECT_FLOAT_EQ(app.lib.settings.lightLevel, 1.01f);
    }
    Tap(hand, Act::Back);
    ASSERT_EQ(Menu().page, MenuRecord::kMainPage);
    EXPECT_EQ(Menu().selection, MainPage::kOptionsRow);

    Pick(hand, MainPage::kTitleRow);  // the question, answered no
    Tap(hand, Act::Confirm);
    Answer(hand, false);
    Run(1);
    EXPECT_EQ(Menu().dialogState, MenuRecord::kDialogClosed);
    EXPECT_EQ(&Field(), room);

    Tap(menuHand, Act::Menu);
    EXPECT_EQ(app.player.controlMode, kControlFree);
    EXPECT_EQ(app.player.menu.showing, 0);
    SaveRecord saved;
    EXPECT_TRUE(LoadSlot(saved, 0, 0)) << "saved into the slot the question was about";
}

INSTANTIATE_TEST_SUITE_P(Hands, MenuByHandTest,
                         testing::Values(Hand::Keys, Hand::Pad, Hand::Pointer));

TEST_F(PauseMenuTest, SavesIntoEachSlotAndShowsItsLabel) {
    OpenPage(Hand::Keys, MainPage::kSaveRow);
    const std::u16string format = Text(u"FlagManager_0");
    for (int32_t slot = 0; slot < SavePage::kSlots; ++slot) {
        app.player.record.throwCount = 10 + slot;  // tells the slots apart
        Pick(Hand::Keys, -slot);
        Tap(Hand::Keys, Act::Confirm);
        Answer(Hand::Keys, true);
        Tap(Hand::Keys, Act::Confirm);
        SaveRecord saved;
        ASSERT_TRUE(LoadSlot(saved, slot, 0));
        EXPECT_EQ(saved.throwCount, 10 + slot);
        EXPECT_EQ(saved.currentField, static_cast<int32_t>(FieldId::Guest_Room));
        EXPECT_EQ(saved.spawnPos, app.player.Position());
        EXPECT_EQ(Shown(Menu().helpText), SlotLabel(saved, format));
    }
    EXPECT_EQ(app.lib.awardCounters.saveUsed, 1);

    // No, or back, saves nothing; a save that cannot be written says so.
    const auto before = std::filesystem::last_write_time(SaveFolder("SaveData1"));
    Pick(Hand::Keys, 0);
    Tap(Hand::Keys, Act::Confirm);
    Answer(Hand::Keys, false);
    Tap(Hand::Keys, Act::Confirm);
    Tap(Hand::Keys, Act::Back);
    EXPECT_EQ(Menu().dialogState, MenuRecord::kDialogClosed);
    EXPECT_EQ(std::filesystem::last_write_time(SaveFolder("SaveData1")), before);
    const std::filesystem::path blocked = platform.saveDir / "a-file";
    std::ofstream(blocked) << "not a folder";
    SetSaveFolderOverride(blocked / "saves");
    Tap(Hand::Keys, Act::Confirm);
    Answer(Hand::Keys, true);
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"Menu_14");
    SetSaveFolderOverride(platform.saveDir);
}

TEST_F(PauseMenuTest, RefusesToSaveWhileTheGhostIsAbout) {
    app.player.record.EnemyMode = 2;
    Open(Hand::Keys);
    Pick(Hand::Keys, MainPage::kSaveRow);
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"Menu_4");
    Tap(Hand::Keys, Act::Confirm);
    EXPECT_EQ(Menu().page, MenuRecord::kMainPage);
    // The ghost wakes while the save page is open: the page closes before anything is saved.
    app.player.record.EnemyMode = 0;
    Tap(Hand::Keys, Act::Confirm);
    ASSERT_EQ(Menu().page, MenuRecord::kSavePage);
    Tap(Hand::Keys, Act::Confirm);
    app.player.record.EnemyMode = 2;
    Answer(Hand::Keys, true);
    EXPECT_EQ(Menu().page, MenuRecord::kMainPage);
    EXPECT_EQ(Menu().selection, MainPage::kSaveRow);
    EXPECT_EQ(&Field(), room) << "the yes was not the main page's";
    SaveRecord saved;
    EXPECT_FALSE(LoadSlot(saved, 0, 0));
}

TEST_F(PauseMenuTest, SlidersFollowHeldDirectionsAndThePointer) {
    OpenPage(Hand::Keys, MainPage::kOptionsRow);
    Pick(Hand::Keys, OptionPage::kVolumeRow);
    // The press steps once; held past 20 frames the step repeats every frame.
    Hold(Hand::Keys, Act::Right, 30);
    EXPECT_NEAR(app.lib.settings.soundVolume, 1.11f, 1e-4f);
    EXPECT_EQ(app.lib.sound.Engine().masterVolume, app.lib.settings.soundVolume);
    Hold(Hand::Pad, Act::Left, 200);
    EXPECT_EQ(app.lib.settings.soundVolume, 0.0f);
    EXPECT_EQ(app.lib.sound.Engine().masterVolume, 0.0f);

    Pick(Hand::Keys, OptionPage::kLightRow);
    Hold(Hand::Keys, Act::Right, 500);
    EXPECT_EQ(app.lib.settings.lightLevel, 4.0f);
    EXPECT_EQ(app.lib.effect.lightFactors.z, 8.0f);
    // Dragged, the knob follows the pointer; merely passing over the row changes nothing.
    const float lightY = Menu().RowY(MenuRecord::kListTop, OptionPage::kLightRow);
    Set(Hand::Pointer, Act::Confirm, true);
    PointAt(OptionPage::kSliderLeft + 25, lightY);
    Set(Hand::Pointer, Act::Confirm, false);
    EXPECT_NEAR(app.lib.settings.lightLevel, 1.0f, 0.05f);
    EXPECT_NEAR(app.lib.effect.lightFactors.z, 5.0f, 0.05f);
    const float dragged = app.lib.settings.lightLevel;
    PointAt(OptionPage::kSliderLeft + 90, lightY);
    EXPECT_EQ(app.lib.settings.lightLevel, dragged);

    // Leaving writes the settings.
    Tap(Hand::Keys, Act::Back);
    SystemSettings written;
    ASSERT_TRUE(ReadSettings(written));
    EXPECT_EQ(written.soundVolume, 0.0f);
    EXPECT_EQ(written.lightLevel, dragged);
}

TEST_F(PauseMenuTest, TheResolutionListResizesTheRenderTargetsAndTheDefaultsComeBack) {
    OpenPage(Hand::Keys, MainPage::kOptionsRow);
    Pick(Hand::Keys, OptionPage::kResolutionRow);
    Tap(Hand::Keys, Act::Confirm);  // choose: one down from 1920 x 1080
    ASSERT_EQ(Menu().editing, 1);
    Tap(Hand::Keys, Act::Down);
    EXPECT_EQ(Menu().selection, OptionPage::kResolutionRow) << "the rows stay while choosing";
    Tap(Hand::Keys, Act::Confirm);
    EXPECT_EQ(Menu().editing, 0);
    EXPECT_EQ(app.lib.settings.resolutionIndex, 2);
    EXPECT_EQ(app.lib.frame.renderSize, ResolutionSize(2));
    EXPECT_EQ(app.lib.surf.StateOf(CSurf::kScene).width, 2560u);

    // Back while choosing keeps what was applied.
    Tap(Hand::Keys, Act::Confirm);
    Tap(Hand::Keys, Act::Up);
    Tap(Hand::Keys, Act::Up);
    Tap(Hand::Keys, Act::Back);
    EXPECT_EQ(Menu().editing, 0);
    EXPECT_EQ(Menu().page, MenuRecord::kOptionPage);
    EXPECT_EQ(app.lib.settings.resolutionIndex, 2);
    // The pointer picks the entry under it.
    Tap(Hand::Keys, Act::Confirm);
    PointAt(OptionPage::kSliderLeft + 40, Menu().RowY(MenuRecord::kListTop, -3));
    Tap(Hand::Pointer, Act::Confirm);
    EXPECT_EQ(app.lib.settings.resolutionIndex, 0);
    EXPECT_EQ(app.lib.surf.StateOf(CSurf::kScene).height, 720u);

    app.lib.settings.soundVolume = 3;
    app.lib.settings.lightLevel = 0.5f;
    Pick(Hand::Keys, OptionPage::kResetRow);
    Tap(Hand::Keys, Act::Confirm);
    EXPECT_EQ(std::u16string(Menu().helpText.key), u"Menu_17");
    EXPECT_EQ(app.lib.settings.resolutionIndex, 1);
    EXPECT_EQ(app.lib.settings.soundVolume, 1.0f);
    EXPECT_EQ(app.lib.settings.lightLevel, 1.0f);
    EXPECT_EQ(app.lib.effect.lightFactors.z, 5.0f);
    EXPECT_EQ(app.lib.frame.renderSize, ResolutionSize(1));
    // The menu key closes the menu from here and writes the settings too.
    Tap(Hand::Keys, Act::Menu);
    SystemSettings written;
    ASSERT_TRUE(ReadSettings(written));
    EXPECT_EQ(written.resolutionIndex, 1);
}

TEST_F(PauseMenuTest, ReturnsToTheTitleOnlyAfterYes) {
    Open(Hand::Keys);
    Pick(Hand::Keys, MainPage::kTitleRow);
    Tap(Hand::Keys, Act::Confirm);
    Tap(Hand::Keys, Act::Back);  // cancels the question
    EXPECT_EQ(Menu().dialogState, MenuRecord::kDialogClosed);
    Tap(Hand::Keys, Act::Confirm);
    EXPECT_EQ(Menu().dialogChoice, MenuRecord::kYes) << "yes is the default";
    Tap(Hand::Keys, Act::Confirm);
    Run(2);
    EXPECT_EQ(std::u16string(Field().Name()), u"Title");
    EXPECT_EQ(app.player.menu.showing, 0);
    EXPECT_EQ(app.player.controlMode, kControlHeld);
}

}  // namespace
