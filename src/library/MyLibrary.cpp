#include "library/MyLibrary.h"

#include "app/Globals.h"
#include "library/Resolution.h"

MyLibrary::~MyLibrary() { WriteSettings(settings); }

HRESULT MyLibrary::Initialise(gfx::Device* libraryDevice, platform::Services& services) {
    services_ = &services;
    device = libraryDevice;
    window = &services.window;
    frame.clientSize = window->ClientSize();
    frame.renderSize = frame.clientSize;
    frame.active = &g_active;
    frame.minimized = &g_minimized;
    input.ReleaseCapture(services.cursor);
    return S_OK;
}

void MyLibrary::FrameStep(int32_t windowLeft, int32_t windowTop) {
    settings.windowX = windowLeft;
    settings.windowY = windowTop;

    if (frame.sampleCountdown < 1) {
        frame.previousSample = frame.lastSample;
        frame.lastSample = services_->clock.Now();
        frame.sampleCountdown = 10;
    }
    --frame.sampleCountdown;
    const uint32_t elapsed = frame.lastSample - frame.previousSample;
    if (elapsed > 0) frame.framesPerSecond = 10.0f / static_cast<float>(elapsed) * 1000.0f;

    input.flags = 0;

    const auto& client = frame.clientSize;
    if (client.width > 0 && client.height > 0) {
        frame.cursorLayout.x = static_cast<float>(input.cursor.x) * frame.layoutSize.width /
                                   client.width -
                               frame.layoutSize.width / 2.0f;
        frame.cursorLayout.y = frame.layoutSize.height / 2.0f -
                               static_cast<float>(input.cursor.y) * frame.layoutSize.height /
                                   client.height;
    }
}

HRESULT MyLibrary::ReleaseDeviceResources() { return S_OK; }

HRESULT MyLibrary::RestoreDeviceResources() {
    frame.clientSize = window->ClientSize();
    frame.renderSize = ResolutionSize(settings.resolutionIndex);
    return S_OK;
}
