#pragma once
#include "platform/Platform.h"

// Reacts to one window message: keeps the window flags, toggles full screen on Alt+Enter, leaves
// full screen or asks before quitting on Escape, and turns a closed window into a quit.
void WindowProc(const platform::Message& message, platform::Services& services);
