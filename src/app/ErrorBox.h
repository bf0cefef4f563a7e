#pragma once
#include "platform/Platform.h"

// Tells the player why the game cannot go on, in a box with an OK button and on stderr. UTF-8.
inline void ShowErrorBox(platform::Services& services, const char* text,
                         platform::BoxIcon icon = platform::BoxIcon::Exclamation) {
    services.dialogs.Show(text, "ERRORが発生しました", icon, platform::BoxButtons::Ok, false);
}
