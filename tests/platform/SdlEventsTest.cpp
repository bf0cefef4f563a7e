#include "platform/sdl/SdlEvents.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace platform {
namespace {

SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    return e;
}

SDL_Event Window(SDL_WindowEventID id, Sint32 data1 = 0, Sint32 data2 = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = id;
    e.window.data1 = data1;
    e.window.data2 = data2;
    return e;
}

SDL_Event Plain(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    return e;
}

struct EventCase {
    const char* name;
    SDL_Event event;
    std::optional<Message> expected;
};

constexpr Borders kBorders{30, 4, 5, 6};  // top, left, bottom, right
const int kEscape = static_cast<int>(platform::Key::Escape);
const int kEnter = static_cast<int>(platform::Key::Enter);

TEST(TranslateEventTest, GivesTheFramesMessage) {
    const EventCase cases[] = {
        EventCase{"EscapeUp", Key(SDL_KEYUP, SDLK_ESCAPE), Message{MessageType::KeyUp, kEscape}},
        EventCase{"EscapeDownIgnored", Key(SDL_KEYDOWN, SDLK_ESCAPE), std::nullopt},
        EventCase{"OtherKeyUpIgnored", Key(SDL_KEYUP, SDLK_a), std::nullopt},
        EventCase{"AltEnter", Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT),
                  Message{MessageType::SysKeyDown, kEnter}},
        EventCase{"RightAltKeypadEnter", Key(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT),
                  Message{MessageType::SysKeyDown, kEnter}},
        EventCase{"AltEnterWithShiftToo", Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT | KMOD_LSHIFT),
                  Message{MessageType::SysKeyDown, kEnter}},
        EventCase{"PlainEnterIgnored", Key(SDL_KEYDOWN, SDLK_RETURN), std::nullopt},
        EventCase{"CtrlEnterIgnored", Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LCTRL), std::nullopt},
        EventCase{"AltEnterRepeatIgnored", Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT, 1),
                  std::nullopt},
        EventCase{"AltEnterReleaseIgnored", Key(SDL_KEYUP, SDLK_RETURN, KMOD_LALT), std::nullopt},
        EventCase{"Quit", Plain(SDL_QUIT), Message{MessageType::Destroy}},
        EventCase{"Close", Window(SDL_WINDOWEVENT_CLOSE), Message{MessageType::Destroy}},
        EventCase{"FocusGained", Window(SDL_WINDOWEVENT_FOCUS_GAINED),
                  Message{MessageType::Activate, 1}},
        EventCase{"FocusLost", Window(SDL_WINDOWEVENT_FOCUS_LOST),
                  Message{MessageType::Activate, 0}},
        EventCase{"Minimised", Window(SDL_WINDOWEVENT_MINIMIZED), Message{MessageType::Minimize}},
        EventCase{"Restored", Window(SDL_WINDOWEVENT_RESTORED), Message{MessageType::Restore}},
        // The client's top-left, less the left and top borders, is the outer window's.
        EventCase{"MovedGivesOuterCorner", Window(SDL_WINDOWEVENT_MOVED, 100, 200),
                  Message{MessageType::Move, 96, 170}},
        EventCase{"MovedBeyondScreenEdge", Window(SDL_WINDOWEVENT_MOVED, 2, 10),
                  Message{MessageType::Move, -2, -20}},
        EventCase{"ResizedIgnored", Window(SDL_WINDOWEVENT_RESIZED, 640, 480), std::nullopt},
        EventCase{"MouseMotionIgnored", Plain(SDL_MOUSEMOTION), std::nullopt}};
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Message> got = TranslateEvent(c.event, kBorders);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (!got) continue;
        EXPECT_EQ(got->type, c.expected->type);
        EXPECT_EQ(got->a, c.expected->a);
        EXPECT_EQ(got->b, c.expected->b);
    }
}

}  // namespace
}  // namespace platform
