#pragma once
#include <cstdint>

// Process-wide window flags: the window procedure writes them, the next frame reads them.
extern int32_t g_windowed;    // 1 = a window is wanted, 0 = full screen; every run starts windowed
extern int32_t g_windowLeft;  // outer window position in screen pixels, -1 until the first move
extern int32_t g_windowTop;
extern int32_t g_active;  // the window has the focus
extern int32_t g_minimized;

// Back to the start values, for a second run in the same process (tests, the headless driver).
void ResetWindowGlobals();
