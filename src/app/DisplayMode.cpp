#include "app/D3DXMain.h"
#include "app/Entry.h"
#include "app/Globals.h"
#include "library/Resolution.h"

namespace {
constexpr uint32_t kSettleMs = 500;  // the game pauses this long after every applied change
}

HRESULT D3DXMain::ApplyDisplayMode() {
    const int32_t requestedResolution = lib.settings.resolutionIndex;
    if (presentParams.windowed == (g_windowed != 0) && resolutionIndex == requestedResolution) {
        return S_OK;
    }
    resolutionIndex = requestedResolution;
    presentParams = gfx::PresentParams{};
    presentParams.windowed = g_windowed != 0;
    // In both modes the back buffer has the render size and Present scales it into the window,
    // keeping its shape: full screen takes the desktop whatever resolution is chosen.
    presentParams.backBuffer = lib.RenderSize();

    platform::Window& window = services.window;
    if (presentParams.windowed) {
        windowRect = PlaceWindow(-1, -1, ResolutionSize(resolutionIndex), window.UsableArea());
        if (!window.PlaceWindowed(windowRect)) return E_FAIL;
    } else {
        const platform::Rect outer = window.OuterRect();
        windowRect.x = outer.x;
        windowRect.y = outer.y;
        if (!window.PlaceFullScreen()) return E_FAIL;
    }

    if (Failed(ReleaseDeviceResources())) return E_FAIL;
    device->Reset(presentParams);  // a refused reset shows in the test below
    if (Failed(RestoreDeviceResources())) return E_FAIL;
    if (device->TestCooperativeLevel() != gfx::DeviceState::Ok) return E_FAIL;
    services.clock.Sleep(kSettleMs);
    return S_OK;
}

HRESULT D3DXMain::ReleaseDeviceResources() {
    return lib.ReleaseDeviceResources();
}

HRESULT D3DXMain::RestoreDeviceResources() {
    return lib.RestoreDeviceResources();
}
