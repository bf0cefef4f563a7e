#include "app/Entry.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/D3DXMain.h"
#include "app/ErrorBox.h"
#include "app/WindowIcon.h"
#include "library/Resolution.h"

platform::Rect PlaceWindow(int32_t savedX, int32_t savedY, gfx::Size chosen,
                           platform::Rect usable) {
    gfx::Size size = chosen;
    if (size.width > usable.width || size.height > usable.height) {
        const gfx::Rect fit = gfx::FitAspect(chosen, {usable.width, usable.height});
        size = {fit.width, fit.height};
    }
    if (savedX >= usable.x && savedY >= usable.y &&
        savedX + size.width <= usable.x + usable.width &&
        savedY + size.height <= usable.y + usable.height) {
        return {savedX, savedY, size.width, size.height};
    }
    return {usable.x + (usable.width - size.width) / 2,
            usable.y + (usable.height - size.height) / 2, size.width, size.height};
}

int ApplicationEntry(platform::Services& services, const LaunchOptions& options) {
    std::setlocale(LC_ALL, "");
    std::srand(options.randomSeed.value_or(services.clock.Now()));

    if (!services.instance.Acquire()) {
        ShowErrorBox(services, "このアプリケーションは多重起動できません。",
                     platform::BoxIcon::Hand);
        return E_FAIL;
    }

    auto root = std::make_unique<D3DXMain>(services);
    root->observer = options.observer;
    root->makeTitle = options.makeTitle;
    root->lib.fixedRenderSize = options.renderSize;
    root->lib.fixedSceneScale = options.sceneScale;
    if (options.logFailedLoads) {
        const LoadLog toStderr = [](std::string_view line) {
            std::fprintf(stderr, "%.*s", static_cast<int>(line.size()), line.data());
        };
        root->lib.textures.SetFailLog(toStderr);
        root->lib.models.SetFailLog(toStderr);
    }
    ReadSettings(root->lib.settings);
    root->lib.steamworks.Open();
    root->resolutionIndex = root->lib.settings.resolutionIndex;
    root->windowRect =
        PlaceWindow(root->lib.settings.windowX, root->lib.settings.windowY,
                    ResolutionSize(root->resolutionIndex), services.window.UsableArea());
    if (!services.window.Create(root->windowRect)) return 0;
    services.window.SetIcon(WindowIcon());

    if (Failed(root->InitDevice())) {
        ShowErrorBox(services, "Direct3Dの初期化に失敗しました", platform::BoxIcon::Exclamation);
        return E_FAIL;
    }
    services.window.Show();
    // The window manager has framed the window now: the frame must fit the usable area too.
    const platform::Rect framed =
        PlaceWindow(root->windowRect.x, root->windowRect.y, ResolutionSize(root->resolutionIndex),
                    services.window.UsableArea());
    if (framed != root->windowRect && services.window.PlaceWindowed(framed)) {
        root->windowRect = framed;
    }
    if (Failed(root->MainLoop())) {
        ShowErrorBox(services, "動作中に不具合が発生しました強制終了します",
                     platform::BoxIcon::Exclamation);
        return E_FAIL;
    }
    return 0;
}
