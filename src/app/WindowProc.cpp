#include "app/WindowProc.h"

#include "app/Globals.h"

int32_t g_windowed = 1;
int32_t g_windowLeft = -1;
int32_t g_windowTop = -1;
int32_t g_active = 0;
int32_t g_minimized = 0;

void ResetWindowGlobals() {
    g_windowed = 1;
    g_windowLeft = -1;
    g_windowTop = -1;
    g_active = 0;
    g_minimized = 0;
}

namespace {

void OnEscape(platform::Services& services) {
    if (!g_windowed) {
        g_windowed = 1;  // the display-mode step returns to a window next frame
        return;
    }
    services.cursor.Show(true);
    const auto answer =
        services.dialogs.Show("アプリを終了しますか?", "終了", platform::BoxIcon::Question,
                              platform::BoxButtons::YesNoDefaultNo, true);
    if (answer == platform::BoxAnswer::Yes) services.messages.PostQuit();
}

}  // namespace

void WindowProc(const platform::Message& message, platform::Services& services) {
    using platform::MessageType;
    switch (message.type) {
        case MessageType::Destroy:
            services.messages.PostQuit();
            break;
        case MessageType::Move:
            g_windowLeft = message.a;
            g_windowTop = message.b;
            break;
        case MessageType::Activate:
            g_active = message.a != 0;
            break;
        case MessageType::Minimize:
            g_minimized = 1;
            break;
        case MessageType::Restore:
            g_minimized = 0;
            break;
        case MessageType::KeyUp:
            if (message.a == static_cast<int>(platform::Key::Escape)) OnEscape(services);
            break;
        case MessageType::SysKeyDown:
            if (message.a == static_cast<int>(platform::Key::Enter)) g_windowed = 1 - g_windowed;
            break;
        case MessageType::None:
        case MessageType::Quit:
            break;
    }
}
