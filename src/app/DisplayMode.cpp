#include "app/D3DXMain.h"
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
    presentParams = gfx::PresentParams{};
    presentParams.windowed = g_windowed != 0;
    if (resolutionIndex != requestedResolution) {
        const gfx::Size size = ResolutionSize(requestedResolution);
        windowRect.width = size.width;
        windowRect.height = size.height;
        resolutionIndex = requestedResolution;
    }

    platform::Window& window = services.window;
    if (presentParams.windowed) {
        const gfx::Size screen = window.ScreenSize();
        windowRect.x = (screen.width - windowRect.width) / 2;
        windowRect.y = (screen.height - windowRect.height) / 2;
        if (!window.PlaceWindowed(windowRect)) return E_FAIL;
    } else {
        // Full screen takes the desktop's mode whatever resolution is chosen; the chosen one
        // sizes the render targets only.
        const platform::Rect outer = window.OuterRect();
        windowRect.x = outer.x;
        windowRect.y = outer.y;
        if (!window.DesktopMode(presentParams.backBuffer)) return E_FAIL;
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
