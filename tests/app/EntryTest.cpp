#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace {

constexpr char kInitFailed[] = "Direct3Dの初期化に失敗しました";

// The saved position only when the whole window fits the usable area, else centred; a window
// larger than the usable area becomes the largest of the same shape, centred.
TEST(PlaceWindowTest, SavedPositionOnlyWhenTheWholeWindowFitsTheUsableArea) {
    const platform::Rect panelled{0, 30, 1920, 1050};  // a panel of 30 pixels at the top
    const platform::Rect centred{320, 195, 1280, 720};
    const gfx::Size k720{1280, 720}, k1080{1920, 1080};
    const struct {
        const char* name;
        int32_t x, y;
        gfx::Size size;
        platform::Rect usable, expected;
    } placements[] = {
        {"NeverSaved", -1, -1, k720, panelled, centred},
        {"TopLeftCorner", 0, 30, k720, panelled, {0, 30, 1280, 720}},
        {"TouchesTheEdge", 640, 360, k720, panelled, {640, 360, 1280, 720}},
        {"OnePixelOut", 641, 30, k720, panelled, centred},
        {"UnderThePanel", 100, 29, k720, panelled, centred},
        {"LargerThanTheDesktop", -1, -1, k1080, panelled, {26, 30, 1867, 1050}},
        {"LargerThanASmallDesktop", -1, -1, k1080, {0, 0, 1366, 768}, {0, 0, 1365, 768}}};
    for (const auto& p : placements) {
        EXPECT_EQ(PlaceWindow(p.x, p.y, p.size, p.usable), p.expected) << p.name;
    }
}

std::vector<std::string> BoxTexts(const FakePlatform& platform) {
    std::vector<std::string> texts;
    for (const auto& box : platform.dialogs.shown()) texts.push_back(box.text);
    return texts;
}

struct EntryTest : ::testing::Test {
    FakePlatform platform;

    int Launch(uint32_t frames = 1, FrameHook::Fn fn = {}) {
        return LaunchGame(platform, frames, std::move(fn));
    }
    std::vector<std::string> BoxTexts() const { return ::BoxTexts(platform); }
};

TEST_F(EntryTest, ASecondInstanceIsRefused) {
    platform.instance.granted = false;
    EXPECT_EQ(Launch(), E_FAIL);
    ASSERT_EQ(platform.dialogs.shown().size(), 1u);
    EXPECT_EQ(platform.dialogs.shown()[0].text, "このアプリケーションは多重起動できません。");
    EXPECT_EQ(platform.dialogs.shown()[0].caption, "ERRORが発生しました");
    EXPECT_EQ(platform.dialogs.shown()[0].icon, platform::BoxIcon::Hand);
    EXPECT_FALSE(platform.window.created);
}

TEST_F(EntryTest, AWindowThatCannotBeCreatedEndsQuietly) {
    platform.window.createFails = true;
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(platform.dialogs.shown().empty());
}

TEST_F(EntryTest, ARunWritesTheLastWindowPositionIntoTheSettings) {
    platform.messages.Push({platform::MessageType::Move, 12, 34});
    EXPECT_EQ(Launch(3), 0);
    SystemSettings saved;
    ASSERT_TRUE(ReadSettings(saved));
    EXPECT_EQ(saved.windowX, 12);
    EXPECT_EQ(saved.windowY, 34);
    // The next run puts the window there.
    EXPECT_EQ(Launch(1), 0);
    EXPECT_EQ(platform.window.client.x, 12);
    EXPECT_EQ(platform.window.client.y, 34);
}

// The frame is known only once the window is shown; the window is fitted again with it.
TEST_F(EntryTest, OnASmallScreenTheFramedWindowFitsAndTheRenderSizeStaysTheChosenOne) {
    platform.window.screen = {1366, 798};
    platform.window.titleBar = 30;
    gfx::Size renderSize, backBuffer;
    EXPECT_EQ(Launch(1,
                     [&](D3DXMain& app, uint32_t) {
                         renderSize = app.lib.frame.renderSize;
                         backBuffer = app.device->BackBufferSize();
                     }),
              0);
    EXPECT_EQ(platform.window.client, (platform::Rect{0, 30, 1365, 768}));
    EXPECT_EQ(renderSize, (gfx::Size{1920, 1080}));
    EXPECT_EQ(backBuffer, renderSize);
    SystemSettings saved;
    ASSERT_TRUE(ReadSettings(saved));
    EXPECT_EQ(saved.resolutionIndex, 1);
}

TEST_F(EntryTest, TheWindowShowsTheGamesIconWithTransparentCorners) {
    EXPECT_EQ(Launch(), 0);
    const gfx::Image& icon = platform.window.icon;
    ASSERT_TRUE(gfx::IsWellFormed(icon));
    EXPECT_EQ(icon.size, (gfx::Size{64, 64}));
    EXPECT_EQ(icon.rgba[3], 0);                         // top-left corner
    EXPECT_EQ(icon.rgba[(32 * 64 + 32) * 4 + 3], 255);  // centre
}

TEST_F(EntryTest, AWorkingFolderWithoutTheArchiveFailsTheStartNamingThePathTried) {
    const auto gameFolder = std::filesystem::current_path();
    std::filesystem::current_path(platform.saveDir);
    ::testing::internal::CaptureStderr();
    const int result = Launch();
    const std::string stderrText = ::testing::internal::GetCapturedStderr();
    std::filesystem::current_path(gameFolder);

    EXPECT_EQ(result, E_FAIL);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kInitFailed, kInitFailed}));
    EXPECT_NE(stderrText.find((platform.saveDir / "data.dat").string()), std::string::npos)
        << stderrText;
}

TEST_F(EntryTest, NoBackendAndNoDeviceHaveTheirOwnMessages) {
    platform.graphics.SetAvailable(false);
    EXPECT_EQ(Launch(), E_FAIL);
    platform.graphics.SetAvailable(true);
    platform.graphics.SetDeviceCreationFails(true);
    EXPECT_EQ(Launch(), E_FAIL);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "DirectXのバージョンを最新のものにアップデートしてください",
                              kInitFailed, "Direct3D の初期化に失敗しました", kInitFailed}));
}

TEST_F(EntryTest, AFailedDisplayChangeEndsTheRunWithItsMessage) {
    EXPECT_EQ(Launch(100,
                     [&](D3DXMain&, uint32_t frame) {
                         if (frame == 2) {
                             g_windowed = 0;
                             platform.device().LoseDevice(1000);
                         }
                     }),
              E_FAIL);
    EXPECT_EQ(BoxTexts().back(), "動作中に不具合が発生しました強制終了します");
}

// The message names the first missing capability; the shader model has a sentence of its own.
TEST(CapsCheckTest, TheFirstMissingCapabilityIsNamedThenInitialisationFails) {
    const struct {
        const char* missing;
        void (*spoil)(gfx::Caps&);
    } rows[] = {
        {"PixelShader20", [](gfx::Caps& c) { c.shaderModel = 0x0150; }},
        {"D3DPTEXTURECAPS_POW2", [](gfx::Caps& c) { c.textureCaps = gfx::kTextureCapsPow2; }},
        {"D3DPTEXTURECAPS_SQUAREONLY",
         [](gfx::Caps& c) { c.textureCaps = gfx::kTextureCapsSquareOnly; }},
        {"D3DPCMPCAPS_GREATEREQUAL", [](gfx::Caps& c) { c.alphaGreaterEqual = false; }},
        {"D3DPRASTERCAPS_WFOG", [](gfx::Caps& c) { c.perPixelFog = false; }},
        {"D3DPMISCCAPS_FOGANDSPECULARALPHA", [](gfx::Caps& c) { c.fogWithSpecularAlpha = false; }},
        {"NumSimultaneousRTs", [](gfx::Caps& c) { c.maxRenderTargets = 1; }},
        {"MaxTextureHeight", [](gfx::Caps& c) { c.maxTextureHeight = 512; }},
        // Both texture sizes short: the width is named, being checked first.
        {"MaxTextureWidth", [](gfx::Caps& c) { c.maxTextureWidth = c.maxTextureHeight = 256; }}};
    for (const auto& row : rows) {
        const std::string missing = row.missing;
        gfx::Caps caps = gfx::NullDevice::FullCaps();
        row.spoil(caps);
        FakePlatform platform;
        platform.graphics = gfx::NullGraphics(caps);
        EXPECT_EQ(LaunchGame(platform), E_FAIL) << missing;
        const std::string message =
            missing == "PixelShader20"
                ? "ビデオカードが対応してません。起動するにはピクセルシェーダ "
                  "2.0に対応したビデオカードが必要です"
                : "ビデオカードが対応していません:" + missing;
        EXPECT_EQ(BoxTexts(platform), (std::vector<std::string>{message, kInitFailed}));
    }
}

}  // namespace
