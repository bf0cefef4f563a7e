#include "app/Entry.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/D3DXMain.h"
#include "app/ErrorBox.h"
#include "library/Resolution.h"

namespace {}  // namespace

platform::Rect PlaceWindow(int32_t savedX, int32_t savedY, gfx::Size size, gfx::Size screen) {
    if (savedX >= 0 && savedY >= 0 && savedX + size.width <= screen.width &&
        savedY + size.height <= screen.height) {
        return {savedX, savedY, size.width, size.height};
    }
    return {(screen.width - size.width) / 2, (screen.height - size.height) / 2, size.width,
            size.height};
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
    root->lib.steamworks.enabled = options.achievementsEnabled;
    if (options.logFailedLoads) {
        const LoadLog toStderr = [](std::string_view line) {
            std::fprintf(stderr, "%.*s", static_cast<int>(line.size()), line.data());
        };
        root->lib.textures.SetFailLog(toStderr);
        root->lib.models.SetFailLog(toStderr);
    }
    ReadSettings(root->lib.settings);
    root->resolutionIndex = root->lib.settings.resolutionIndex;
    root->windowRect =
        PlaceWindow(root->lib.settings.windowX, root->lib.settings.windowY,
                    ResolutionSize(root->resolutionIndex), services.window.ScreenSize());
    if (!services.window.Create(root->windowRect)) return 0;

    if (Failed(root->InitDevice())) {
        ShowErrorBox(services, "Direct3Dの初期化に失敗しました", platform::BoxIcon::Exclamation);
        return E_FAIL;
    }
    services.window.Show();
    if (Failed(root->MainLoop())) {
        ShowErrorBox(services, "動作中に不具合が発生しました強制終了します",
                     platform::BoxIcon::Exclamation);
        return E_FAIL;
    }
    return 0;
}
