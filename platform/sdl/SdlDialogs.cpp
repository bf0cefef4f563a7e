#include "platform/sdl/SdlDialogs.h"

#include <SDL.h>

#include <cstdio>
#include <string>

namespace platform {
namespace {

Uint32 IconFlag(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Hand:
            return SDL_MESSAGEBOX_ERROR;
        case BoxIcon::Exclamation:
            return SDL_MESSAGEBOX_WARNING;
        case BoxIcon::Question:
            return SDL_MESSAGEBOX_INFORMATION;
    }
    return SDL_MESSAGEBOX_INFORMATION;
}

BoxAnswer DefaultAnswer(BoxButtons buttons) {
    return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::No;
}

const char* AnswerName(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Ok:
            return "OK";
        case BoxAnswer::Yes:
            return "Yes";
        case BoxAnswer::No:
            return "No";
    }
    return "?";
}

constexpr int ButtonId(BoxAnswer answer) {
    return static_cast<int>(answer);
}

// The default button takes both Return and Escape, so a stray key press never confirms.
constexpr Uint32 kDefaultKeys =
    SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
// Japanese labels, as the game asks for its confirmation boxes in Japanese.
const SDL_MessageBoxButtonData kOkButtons[] = {{kDefaultKeys, ButtonId(BoxAnswer::Ok), "OK"}};
const SDL_MessageBoxButtonData kYesNoButtons[] = {
    {0, ButtonId(BoxAnswer::Yes), "はい"},
    {kDefaultKeys, ButtonId(BoxAnswer::No), "いいえ"},
};

}  // namespace

BoxAnswer SdlDialogs::Show(const std::string& text, const std::string& caption, BoxIcon icon,
                           BoxButtons buttons, bool ownerWindow) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());

    SDL_MessageBoxData box{};
    box.flags = IconFlag(icon) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.window = ownerWindow ? owner_.handle() : nullptr;
    box.title = caption.c_str();
    box.message = text.c_str();
    if (buttons == BoxButtons::Ok) {
        box.numbuttons = SDL_arraysize(kOkButtons);
        box.buttons = kOkButtons;
    } else {
        box.numbuttons = SDL_arraysize(kYesNoButtons);
        box.buttons = kYesNoButtons;
    }

    const BoxAnswer fallback = DefaultAnswer(buttons);
    int pressed = -1;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        std::fprintf(stderr, "%s: no display can show this message (%s); answered %s\n",
                     caption.c_str(), SDL_GetError(), AnswerName(fallback));
        return fallback;
    }
    // -1: the box was closed without a button, which counts as Escape.
    for (int i = 0; i < box.numbuttons; ++i) {
        if (box.buttons[i].buttonid == pressed) return static_cast<BoxAnswer>(pressed);
    }
    return fallback;
}

}  // namespace platform
