#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "library/Input.h"
#include "platform/sdl/SdlInput.h"
#include "support/FakeInput.h"

using platform::MouseButton;
using platform::PadState;
using platform::Point;
using platform::VirtualKey;

namespace {

// Counts like the Windows cursor so that unbalanced hides and shows would show up.
class FakeCursor : public platform::Cursor {
  public:
    void Show(bool on) override { visible = on; }
    void Clip(const platform::Rect* rect) override {
        clipped = rect != nullptr;
        if (rect) clip = *rect;
    }

    bool visible = true;
    bool clipped = false;
    platform::Rect clip;
};

// A 640 x 480 client area under a 30-pixel title bar with 4-pixel borders.
class FakeWindow : public platform::Window {
  public:
    bool Create(const platform::Rect&) override { return true; }
    void Show() override {}
    gfx::Size ScreenSize() override { return screen; }
    platform::Rect OuterRect() override { return outer; }
    gfx::Size ClientSize() override { return {640, 480}; }
    bool PlaceWindowed(const platform::Rect&) override { return true; }
    bool PlaceFullScreen() override { return true; }

    gfx::Size screen{1920, 1080};
    platform::Rect outer{96, 20, 648, 514};
};

PadState Pad(uint16_t buttons, int16_t lx = 0, int16_t ly = 0, uint8_t lt = 0, uint8_t rt = 0,
             bool connected = true) {
    PadState pad;
    pad.connected = connected;
    pad.buttons = buttons;
    pad.leftX = lx;
    pad.leftY = ly;
    pad.leftTrigger = lt;
    pad.rightTrigger = rt;
    return pad;
}

// The input state over fake devices, the client area at (100, 50) on the screen and the cursor at
// its corner; table tests make one per row.
struct Rig {
    Rig() { devices.screenCursor = devices.origin = {100, 50}; }
    void Poll() { input.Poll(true, false); }

    FakeInput devices;
    FakeCursor cursor;
    FakeWindow window;
    Input input{devices, cursor, window};
};

class InputTest : public testing::Test, protected Rig {};

// Each source alone sets its flag.
TEST(InputSources, EachSetsItsFlag) {
    const struct {
        const char* name;
        std::set<VirtualKey> keys;
        PadState pad;
        uint32_t flags;
        std::set<MouseButton> buttons = {};
    } sources[] = {{"LeftAndRightGiveLeft", {VirtualKey::Left, VirtualKey::D}, {}, INPUT_LEFT},
                   {"UpAndDownGiveUp", {VirtualKey::S, VirtualKey::Up}, {}, INPUT_UP},
                   {"StickRightLosesToKeyLeft", {VirtualKey::A}, Pad(0, 20000), INPUT_LEFT},
                   {"DpadUpAndStickDown", {}, Pad(platform::kPadUp, 0, -20000), INPUT_UP},
                   {"StickInsideDeadZone", {}, Pad(0, 7849, -7849), 0},
                   {"StickJustOutside", {}, Pad(0, 7850, -7850), INPUT_RIGHT | INPUT_DOWN},
                   {"FullStickLeftUp", {}, Pad(0, -32768, 32767), INPUT_LEFT | INPUT_UP},
                   {"ActionFromMouse", {}, {}, INPUT_ACTION, {MouseButton::Left}},
                   {"ActionFromTrigger", {}, Pad(0, 0, 0, 0, 1), INPUT_ACTION},
                   {"SubFromKeyAndPadB", {VirtualKey::Q}, Pad(platform::kPadB), INPUT_SUB},
                   {"SubFromTrigger", {}, Pad(0, 0, 0, 1), INPUT_SUB},
                   {"MenuFromStart", {}, Pad(platform::kPadStart), INPUT_MENU},
                   {"Control", {VirtualKey::Control}, {}, INPUT_CTRL},
                   {"UnpluggedPadReadsIdle", {}, Pad(0xFFFF, -32768, 32767, 9, 9, false), 0}};
    for (const auto& source : sources) {
        Rig rig;
        rig.devices.keys = source.keys;
        rig.devices.buttons = source.buttons;
        rig.devices.pad = source.pad;
        rig.Poll();
        EXPECT_EQ(rig.input.state.flags, source.flags) << source.name;
    }
}

TEST_F(InputTest, DirectionClearsMouseMovedEvenWhenTheMouseMovedToo) {
    devices.screenCursor = {410, 300};
    Poll();
    ASSERT_EQ(input.state.mouseMoved, 1);
    Poll();  // pointer mode lasts while nothing else happens
    EXPECT_EQ(input.state.mouseMoved, 1);

    devices.screenCursor = {420, 300};
    devices.keys = {VirtualKey::W};
    Poll();
    EXPECT_EQ(input.state.mouseMoved, 0);
    EXPECT_EQ(input.state.cursor, (Point{320, 250}));

    devices.keys.clear();
    Poll();  // a still mouse does not take the pointer mode back
    EXPECT_EQ(input.state.mouseMoved, 0);
    EXPECT_EQ(input.state.previousCursor, (Point{320, 250}));
}

TEST_F(InputTest, DeactivationReleasesTheCaptureAndFiveEmptyFramesFollow) {
    devices.keys = {VirtualKey::E};
    input.SetCapture(true);
    Poll();
    ASSERT_EQ(input.state.flags, INPUT_ACTION);

    input.Poll(false, false);
    EXPECT_EQ(input.state.flags, 0u);
    EXPECT_EQ(input.state.captured, 0);
    EXPECT_TRUE(cursor.visible && !cursor.clipped);
    input.Poll(true, true);  // minimised counts as inactive
    EXPECT_EQ(input.state.flags, 0u);
    for (int frame = 0; frame < 5; ++frame) {
        Poll();
        EXPECT_EQ(input.state.flags, 0u) << "frame " << frame;
    }
    Poll();
    EXPECT_EQ(input.state.flags, INPUT_ACTION);
}

// A press counting once however long it is held is the title run's
// (tests/integration/title_run.sh), which holds each pad button and mouse click for two frames and
// checks the menu moved one row.

// Between 7849 and 8689 the right stick turns the view but does not count as pad use.
TEST(InputRightStick, LooksAndCountsAsPadUsePastItsDeadZones) {
    const struct {
        const char* name;
        int16_t x, y;
        Point delta;
        bool padUse;
    } deflections[] = {{"AtLookDeadZone", 7849, -7849, {0, 0}, false},
                       {"InTheGap", 8000, 8689, {5, -5}, false},
                       {"JustPastPadDeadZone", -8690, 0, {-5, 0}, true},
                       {"TruncatesTowardZero", 15697, -15697, {9, 9}, true},
                       {"FullDeflection", 32767, -32768, {20, 20}, true}};
    for (const auto& d : deflections) {
        SCOPED_TRACE(d.name);
        Rig rig;
        rig.devices.pad = Pad(0);
        rig.devices.pad.rightX = d.x;
        rig.devices.pad.rightY = d.y;
        rig.Poll();
        EXPECT_EQ(rig.input.state.delta, d.delta);
        EXPECT_EQ(rig.input.state.padHidden, d.padUse ? 1 : 0);
        EXPECT_EQ(rig.cursor.visible, !d.padUse);
    }
}

TEST_F(InputTest, PadHiddenCursorShowsAgainWhenTheMouseMovesUnlessCaptured) {
    devices.pad = Pad(platform::kPadA);
    Poll();
    ASSERT_EQ(input.state.padHidden, 1);
    ASSERT_FALSE(cursor.visible);

    devices.pad = Pad(0);
    Poll();  // an idle pad and a still mouse keep it hidden
    EXPECT_FALSE(cursor.visible);

    devices.screenCursor.x += 3;
    Poll();
    EXPECT_EQ(input.state.padHidden, 0);
    EXPECT_TRUE(cursor.visible);

    // The pointer mode lasts until a direction is given, so the pad gives way to it at once; a
    // captured cursor stays hidden all the same.
    input.SetCapture(true);
    devices.pad = Pad(platform::kPadA);
    Poll();
    EXPECT_EQ(input.state.padHidden, 0);
    EXPECT_FALSE(cursor.visible);
}

// Clipped to the client area (4-pixel borders at the sides and bottom, the rest of the 34-pixel
// frame above) within the desktop; the cursor centred on the client's centre where it can reach it,
// else on the centre of the part it can reach.
TEST(InputCapture, ClipsToTheVisibleClientArea) {
    const struct {
        const char* name;
        platform::Rect outer, clip;
        Point centre;
        gfx::Size screen{1920, 1080};
    } windows[] = {
        {"OnTheDesktop", {96, 20, 648, 514}, {100, 50, 640, 480}, {420, 290}},
        {"LargerThanTheDesktop", {96, 20, 648, 514}, {100, 50, 500, 350}, {420, 290}, {600, 400}},
        {"OffLeftAndBottom", {-100, 900, 648, 514}, {0, 930, 544, 150}, {272, 1005}},
        {"OffTheDesktop", {2500, 20, 648, 514}, {2504, 50, 0, 480}, {2504, 290}}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        Rig rig;
        rig.window.outer = w.outer;
        rig.window.screen = w.screen;
        rig.input.SetCapture(true);
        EXPECT_EQ(rig.cursor.clip, w.clip);
        EXPECT_EQ(rig.input.state.centre, w.centre);
        rig.window.outer = {0, 0, 100, 100};
        rig.input.SetCapture(true);  // already captured: nothing changes
        EXPECT_EQ(rig.cursor.clip, w.clip);
    }
}

TEST_F(InputTest, CapturedMouseGivesDeltasAndIsRecentredUnlessThePadIsInUse) {
    input.state.delta = {40, 40};  // a look of the frame before, and the pointer far off-centre
    input.SetCapture(true);
    const Point centre = input.state.centre;
    // The capture starts still: the pointer's way to the centre is no look.
    EXPECT_EQ(devices.screenCursor, centre);
    EXPECT_EQ(input.state.delta, (Point{0, 0}));
    Poll();
    EXPECT_EQ(input.state.delta, (Point{0, 0}));

    devices.screenCursor = {centre.x + 7, centre.y - 3};
    Poll();
    EXPECT_EQ(input.state.delta, (Point{7, -3}));
    EXPECT_EQ(devices.screenCursor, centre);
    EXPECT_EQ(input.state.mouseMoved, 0);

    Poll();  // re-centred: no motion, no delta
    EXPECT_EQ(input.state.delta, (Point{0, 0}));
    EXPECT_EQ(devices.warps.size(), 4u);  // the capture's and one a poll

    // While the pad is in use the mouse is neither read nor re-centred.
    devices.pad = Pad(platform::kPadA);
    Poll();
    ASSERT_EQ(input.state.padHidden, 1);
    devices.screenCursor.x += 50;
    Poll();
    EXPECT_EQ(input.state.delta, (Point{0, 0}));
    EXPECT_EQ(devices.warps.size(), 4u);
    // Released, the cursor is free but stays hidden for the pad.
    input.SetCapture(false);
    EXPECT_EQ(input.state.captured, 0);
    EXPECT_TRUE(!cursor.visible && !cursor.clipped);
}

// SDL reports pads with y pointing down and triggers in 0..32767.
TEST(SdlPadConversionTest, StickYPointsUpAndTriggersScaleToAByte) {
    for (auto [in, out] : {std::pair(0, 0), {32767, -32767}, {-32768, 32767}, {-8000, 8000}}) {
        EXPECT_EQ(platform::StickYUp(int16_t(in)), out) << in;
    }
    for (auto [in, out] : {std::pair(0, 0), {127, 0}, {128, 1}, {32767, 255}, {-5, 0}}) {
        EXPECT_EQ(platform::TriggerByte(int16_t(in)), out) << in;
    }
}

TEST(SdlPadConversionTest, NoTwoButtonsShareAnXInputBit) {
    uint32_t all = 0;
    for (uint16_t bit : platform::kXInputBitOfSdlButton) {
        EXPECT_EQ(all & bit, 0u) << "bit used twice";
        all |= bit;
    }
}

}  // namespace
