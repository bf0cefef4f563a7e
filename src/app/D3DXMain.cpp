#include "app/D3DXMain.h"

#include <array>

#include "app/ErrorBox.h"
#include "app/FrameDraw.h"
#include "app/Globals.h"
#include "app/WindowProc.h"

namespace {

struct CapsCheck {
    bool (*passes)(const gfx::Caps&);
    const char* message;
};

// The device checks, in the order they are made; the first that fails is reported.
constexpr std::array<CapsCheck, 9> kCapsChecks{{
    {[](const gfx::Caps& c) { return c.shaderModel >= 0x0303; },
     "ビデオカードが対応してません。起動するにはピクセルシェーダ "
     "2.0に対応したビデオカードが必要です"},
    {[](const gfx::Caps& c) { return c.textureCaps != gfx::kTextureCapsPow2; },
     "ビデオカードが対応していません:D3DPTEXTURECAPS_POW2"},
    {[](const gfx::Caps& c) { return c.textureCaps != gfx::kTextureCapsSquareOnly; },
     "ビデオカードが対応していません:D3DPTEXTURECAPS_SQUAREONLY"},
    {[](const gfx::Caps& c) { return c.alphaGreaterEqual; },
     "ビデオカードが対応していません:D3DPCMPCAPS_GREATEREQUAL"},
    {[](const gfx::Caps& c) { return c.perPixelFog; },
     "ビデオカードが対応していません:D3DPRASTERCAPS_WFOG"},
    {[](const gfx::Caps& c) { return c.fogWithSpecularAlpha; },
     "ビデオカードが対応していません:D3DPMISCCAPS_FOGANDSPECULARALPHA"},
    // The scene pass writes two colour outputs at once.
    {[](const gfx::Caps& c) { return c.maxRenderTargets >= 2; },
     "ビデオカードが対応していません:NumSimultaneousRTs"},
    {[](const gfx::Caps& c) { return c.maxTextureWidth >= 1024; },
     "ビデオカードが対応していません:MaxTextureWidth"},
    {[](const gfx::Caps& c) { return c.maxTextureHeight >= 768; },
     "ビデオカードが対応していません:MaxTextureHeight"},
}};

}  // namespace

D3DXMain::D3DXMain(platform::Services& appServices)
    : services(appServices), lib(appServices), player(appServices.clock.Now()) {}

// The members go in reverse order: the scene tree, the player, the library (which saves the
// settings and closes the archive), and the device last, since the textures the library and the
// scenes hold live in it.
D3DXMain::~D3DXMain() = default;

HRESULT D3DXMain::InitDevice() {
    if (!services.graphics.Open()) {
        ShowErrorBox(services, "DirectXのバージョンを最新のものにアップデートしてください");
        return E_FAIL;
    }
    d3d = &services.graphics;
    presentParams = gfx::PresentParams{};
    device = d3d->CreateDevice(services.window);
    // The back buffer has the render size; Present scales it into the window.
    presentParams.backBuffer = lib.RenderSize();
    if (!device || !device->Reset(presentParams)) {
        ShowErrorBox(services, "Direct3D の初期化に失敗しました");
        return E_FAIL;
    }
    const gfx::Caps caps = device->GetCaps();
    for (const CapsCheck& check : kCapsChecks) {
        if (!check.passes(caps)) {
            ShowErrorBox(services, check.message);
            return E_FAIL;
        }
    }
    if (Failed(lib.Initialise(device.get()))) {
        ShowErrorBox(services, "Direct3Dの初期化に失敗しました");
        return E_FAIL;
    }
    player.SetSpawn(180.0f, {0.0f, 0.42f, 2.0f});
    StartTitle();
    lib.sound.Engine().masterVolume = lib.settings.soundVolume;
    lib.effect.lightFactors.z = lib.settings.lightLevel + 4.0f;
    library = &lib;
    return S_OK;
}

int D3DXMain::MainLoop() {
    platform::Message message;
    uint32_t last = services.clock.Now();
    for (;;) {
        const uint32_t now = services.clock.Now();
        if (services.messages.Peek(message)) {
            WindowProc(message, services);
        } else if (now - last >= kFrameMs) {
            // No catch-up: a late frame only starts the next period.
            last = now;
            if (!RunFrame()) return E_FAIL;
        } else {
            services.messages.Wait(kFrameMs - (now - last));
        }
        if (message.type == platform::MessageType::Quit) return 0;
    }
}

bool D3DXMain::RunFrame() {
    if (observer) observer->OnFrameStart(*this, framesRun);
    // Exclusive full screen loses the device when the player switches away, and the world stands
    // still until they return; desktop full screen keeps its device, so that is done here. The
    // picture stays as it was, and a minimised window is updated without being drawn.
    const bool awayFromFullScreen = !presentParams.windowed && !g_active;
    const bool worldRuns = !deviceLost && !awayFromFullScreen;
    const bool drawn = !g_minimized && !awayFromFullScreen;
    if (drawn) {
        device->Clear(0xFFFFFFFF, 1.0f, 0);
        device->BeginScene();
    }
    if (worldRuns) {
        lib.FrameStep(g_windowLeft, g_windowTop);
        RunField(drawn);
    }
    if (drawn) device->EndScene();
    if (Failed(ApplyDisplayMode())) return false;
    if (drawn && device->Present() == gfx::DeviceState::Lost) RecoverLostDevice();
    if (observer) observer->OnFramePresented(*this, framesRun);
    ++framesRun;
    return true;
}

void D3DXMain::StartTitle() {
    rootScene.AddChild(makeTitle ? makeTitle() : std::make_unique<Scene>());
}

void D3DXMain::RunField(bool drawn) {
    Scene* field = rootScene.CurrentChild();
    if (!field) return;
    const bool entering = field->library == nullptr;
    if (entering) field->Enter(&player, &lib);
    field->Frame();
    achievementNotice.Update(
        lib.steamworks, field->OpenDialogue() != nullptr || player.controlMode == kControlMenu);
    if (drawn) {
        DrawFrame(*field);
        achievementNotice.Draw(lib);
    }
    if (rootScene.titleRequested != 0) {
        rootScene.titleRequested = 0;
        StartTitle();
    }
    if (!entering) return;
    // The previous field goes only now, after the new one has run a frame. A field that already
    // added the next one in that frame keeps it.
    Scene* next = rootScene.CurrentChild();
    for (auto& child : rootScene.children) {
        if (child.get() != field && child.get() != next) child.reset();
    }
}

void D3DXMain::RecoverLostDevice() {
    lib.input.ReleaseCapture();
    deviceLost = 1;
    if (Failed(ReleaseDeviceResources())) return;
    if (device->TestCooperativeLevel() != gfx::DeviceState::NotReset) {
        services.clock.Sleep(150);
        return;
    }
    if (!device->Reset(presentParams)) services.messages.PostQuit();
    if (!Failed(RestoreDeviceResources())) deviceLost = 0;
}
