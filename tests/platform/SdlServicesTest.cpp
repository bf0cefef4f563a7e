// The SDL services on the offscreen video driver (hm_add_test selects it).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>

#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlCursor.h"
#include "platform/sdl/SdlDialogs.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlMessageQueue.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"
#include "support/TempFolder.h"

namespace platform {
namespace {

class SdlServicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(video_.ok()) << SDL_GetError();
        ASSERT_TRUE(window_.Create(kClient)) << SDL_GetError();
    }

    static constexpr Rect kClient{40, 30, 320, 240};
    SdlVideo video_;
    SdlWindow window_{SdlWindow::Surface::Plain};
};

TEST_F(SdlServicesTest, WindowKeepsTheClientRectangle) {
    EXPECT_EQ(window_.ClientSize(), (gfx::Size{320, 240}));
    // The offscreen driver has no borders, so the outer rectangle is the client's.
    EXPECT_EQ(window_.OuterRect(), kClient);
    EXPECT_TRUE(SDL_GetWindowFlags(window_.handle()) & SDL_WINDOW_ALLOW_HIGHDPI);
    EXPECT_FALSE(window_.Create(kClient)) << "one window per run";
    // An input method would take the walking keys while text input is on.
    EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST_F(SdlServicesTest, FullScreenAndBackGivesTheWindowedPlacement) {
    ASSERT_TRUE(window_.PlaceFullScreen());
    EXPECT_TRUE(SDL_GetWindowFlags(window_.handle()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
    const Rect again{10, 20, 256, 144};
    ASSERT_TRUE(window_.PlaceWindowed(again));
    const Uint32 flags = SDL_GetWindowFlags(window_.handle());
    EXPECT_FALSE(flags & SDL_WINDOW_FULLSCREEN_DESKTOP);
    EXPECT_FALSE(flags & SDL_WINDOW_HIDDEN);
    EXPECT_EQ(window_.OuterRect(), again);
}

TEST_F(SdlServicesTest, CursorClipIsConvertedIntoTheWindow) {
    SdlCursor cursor(window_);
    const Rect screen{kClient.x + 8, kClient.y + 6, 100, 50};
    cursor.Clip(&screen);
    const SDL_Rect* clip = SDL_GetWindowMouseRect(window_.handle());
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(std::tie(clip->x, clip->y, clip->w, clip->h), std::make_tuple(8, 6, 100, 50));

    cursor.Clip(nullptr);
    EXPECT_EQ(SDL_GetWindowMouseRect(window_.handle()), nullptr);
}

SDL_Event KeyUp(SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYUP;
    e.key.keysym.sym = key;
    return e;
}

TEST_F(SdlServicesTest, QueueDropsIgnoredEventsAndDeliversAPostedQuitLast) {
    SdlMessageQueue queue;
    Message m;
    while (queue.Peek(m)) {
    }  // whatever the window's creation queued

    SDL_Event ignored = KeyUp(SDLK_a);
    SDL_Event escape = KeyUp(SDLK_ESCAPE);
    ASSERT_EQ(SDL_PushEvent(&ignored), 1);
    ASSERT_EQ(SDL_PushEvent(&escape), 1);
    queue.PostQuit();

    ASSERT_TRUE(queue.Peek(m));
    EXPECT_EQ(m.type, MessageType::KeyUp);
    EXPECT_EQ(m.a, static_cast<int>(Key::Escape));
    ASSERT_TRUE(queue.Peek(m));
    EXPECT_EQ(m.type, MessageType::Quit);
    EXPECT_FALSE(queue.Peek(m)) << "a quit is delivered once";
}

TEST_F(SdlServicesTest, WaitReturnsAtOnceForAPostedQuitAndLeavesEventsQueued) {
    SdlMessageQueue queue;
    SdlClock clock;
    Message m;
    while (queue.Peek(m)) {
    }

    queue.PostQuit();
    const uint32_t before = clock.Now();
    queue.Wait(5000);
    EXPECT_LT(clock.Now() - before, 1000u);
    ASSERT_TRUE(queue.Peek(m));
    EXPECT_EQ(m.type, MessageType::Quit);

    SDL_Event escape = KeyUp(SDLK_ESCAPE);
    ASSERT_EQ(SDL_PushEvent(&escape), 1);
    queue.Wait(5000);
    ASSERT_TRUE(queue.Peek(m)) << "Wait must not take the event that woke it";
    EXPECT_EQ(m.type, MessageType::KeyUp);
}

// A player's own pad mappings: SDL reads the file SDL_GAMECONTROLLERCONFIG_FILE names as the
// game's input starts the controllers, so nothing of the game may start them earlier or hide it.
TEST_F(SdlServicesTest, ThePadMappingsFileAPlayerNamesIsApplied) {
    const std::string guid = "03000000feca0000efbe000000000000";  // a pad no built-in line knows
    TempFolder folder;
    const auto file = folder.Path() / "gamecontrollerdb.txt";
    std::ofstream(file) << guid << ",Inn Test Pad,a:b0,b:b1,start:b7,platform:Linux,\n";
    setenv("SDL_GAMECONTROLLERCONFIG_FILE", file.c_str(), 1);
    {
        SdlInput input(window_);
        char* mapping =
            SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid.c_str()));
        ASSERT_NE(mapping, nullptr);
        EXPECT_NE(std::string(mapping).find("Inn Test Pad"), std::string::npos) << mapping;
        SDL_free(mapping);
    }
    unsetenv("SDL_GAMECONTROLLERCONFIG_FILE");
}

struct DialogCase {
    const char* name;
    BoxButtons buttons;
    BoxIcon icon;
    bool owner;
    BoxAnswer expected;

    friend void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }
};

class SdlDialogsTest : public SdlServicesTest, public ::testing::WithParamInterface<DialogCase> {
  protected:
    void SetUp() override {
        // Without any display no box can appear, so the default button answers.
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        SdlServicesTest::SetUp();
    }
};

TEST_P(SdlDialogsTest, WithoutADisplayTheDefaultButtonAnswersAndStderrTellsTheText) {
    SdlDialogs dialogs(window_);
    ::testing::internal::CaptureStderr();
    const BoxAnswer answer = dialogs.Show("アプリを終了しますか?", "終了", GetParam().icon,
                                          GetParam().buttons, GetParam().owner);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, GetParam().expected);
    EXPECT_EQ(err.rfind("終了: アプリを終了しますか?\n", 0), 0u) << err;
}

INSTANTIATE_TEST_SUITE_P(Boxes, SdlDialogsTest,
                         ::testing::Values(DialogCase{"OkOwned", BoxButtons::Ok, BoxIcon::Hand,
                                                      true, BoxAnswer::Ok},
                                           DialogCase{"YesNoFree", BoxButtons::YesNoDefaultNo,
                                                      BoxIcon::Question, false, BoxAnswer::No}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace platform
