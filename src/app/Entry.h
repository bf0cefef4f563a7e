#pragma once
#include <cstdint>
#include <optional>

#include "platform/Platform.h"
#include "scene/FieldMaker.h"

class FrameObserver;

struct LaunchOptions {
    FieldMaker makeTitle = nullptr;      // the game's title screen
    std::optional<uint32_t> randomSeed;  // default: seeded from the clock
    FrameObserver* observer = nullptr;
    bool logFailedLoads = false;  // textures and models that fail to load, on stderr
    // The render size instead of the chosen resolution's; the headless driver renders small.
    std::optional<gfx::Size> renderSize;
    // The share of the render size the 3-D scene is shaded at instead of the device's (pictures
    // at full detail on a CPU rasteriser).
    std::optional<float> sceneScale;
};

// The whole run: single-instance guard, settings, window, device, main loop, shut-down. Returns
// the process result: 0, or E_FAIL (0x80004005) after showing why.
int ApplicationEntry(platform::Services& services, const LaunchOptions& options = {});

// Where the window's client area goes in the usable area (Window::UsableArea): the chosen size,
// or the largest of its shape that fits when the chosen one does not; at the saved position when
// all of it lies in the usable area there, else centred in it.
platform::Rect PlaceWindow(int32_t savedX, int32_t savedY, gfx::Size chosen, platform::Rect usable);
