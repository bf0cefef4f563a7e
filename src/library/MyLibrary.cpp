#include "library/MyLibrary.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include <glm/geometric.hpp>

#include "app/Globals.h"
#include "library/ArchivePlaces.h"
#include "library/AssetNames.h"
#include "library/Catalogue.h"
#include "library/Resolution.h"
#include "world/CObjSound.h"

namespace {
constexpr int kEffectRow = AssetRow("main_hlsl.cfx");
constexpr int kTextTableRow = AssetRow("TextData.csv");
}  // namespace

MyLibrary::MyLibrary(platform::Services& services)
    : input(services.input, services.cursor, services.window),
      archive(AssetCatalogue()),
      sound([this](int32_t index) { return archive.Read(index); }),
      services_(services) {}

MyLibrary::~MyLibrary() {
    WriteSettings(settings);
    CObjSound::SetSoundTable(nullptr);
}

HRESULT MyLibrary::Initialise(gfx::Device* libraryDevice) {
    device = libraryDevice;
    window = &services_.window;
    frame.active = &g_active;
    frame.minimized = &g_minimized;
    input.ReleaseCapture();

    if (Failed(RestoreDeviceResources())) {
        std::fprintf(stderr, "hollowmere: the render targets cannot be made\n");
        return E_FAIL;
    }
    if (Failed(quad.Create(*device)) || Failed(mirrorQuad.Create(*device))) return E_FAIL;
    meshBuffers.SetDevice(device);

    const std::vector<std::filesystem::path> places = ArchivePlaces();
    if (!archive.Open(ChooseArchive(places))) {
        std::fprintf(stderr, "hollowmere: %s\n", archive.OpenError().c_str());
        for (const auto& place : places) {
            std::fprintf(stderr, "hollowmere: looked for the archive at %s\n", place.c_str());
        }
        return E_FAIL;
    }
    const auto effectFile = archive.Read(kEffectRow);
    if (!effectFile || Failed(effect.Create(*device, *effectFile))) return E_FAIL;
    // A table that cannot be read shows every text as its key.
    // Without a sound card the engine falls back to a silent output by itself.
    if (Failed(sound.Init())) return E_FAIL;
    CObjSound::SetSoundTable(&sound);
    if (const auto table = archive.Read(kTextTableRow)) textData.Load(*table);
    textData.SetLanguage(u"Japanese");
    return fontAtlas.Init(*this, textUnit, textUnit);
}

void MyLibrary::FrameStep(int32_t windowLeft, int32_t windowTop) {
    settings.windowX = windowLeft;
    settings.windowY = windowTop;

    if (frame.sampleCountdown < 1) {
        frame.previousSample = frame.lastSample;
        frame.lastSample = services_.clock.Now();
        frame.sampleCountdown = 10;
    }
    --frame.sampleCountdown;
    const uint32_t elapsed = frame.lastSample - frame.previousSample;
    if (elapsed > 0) frame.framesPerSecond = 10.0f / static_cast<float>(elapsed) * 1000.0f;

    effect.FrameUpdate(static_cast<float>(frame.renderSize.width),
                       static_cast<float>(frame.renderSize.height));

    input.Poll(*frame.active != 0, *frame.minimized != 0);

    // The window may have been resized since the last frame; the picture keeps its shape in it.
    frame.clientSize = window->ClientSize();
    const gfx::Rect picture = gfx::FitAspect(frame.renderSize, frame.clientSize);
    const platform::Point cursor = input.state.cursor;
    if (picture.width > 0 && picture.height > 0) {
        frame.cursorLayout.x =
            static_cast<float>(cursor.x - picture.x) * frame.layoutSize.width / picture.width -
            frame.layoutSize.width / 2.0f;
        frame.cursorLayout.y =
            frame.layoutSize.height / 2.0f -
            static_cast<float>(cursor.y - picture.y) * frame.layoutSize.height / picture.height;
    }

    const Camera& view = effect.camera;
    const glm::vec3 front = glm::normalize(view.at - view.eye);
    const glm::vec3 right = glm::cross(front, glm::vec3(0, 1, 0));
    sound.Engine().SetListener(view.eye, front, glm::cross(right, front));
    sound.Update();
}

HRESULT MyLibrary::ReleaseDeviceResources() {
    surf.Release();
    return S_OK;
}

HRESULT MyLibrary::RestoreDeviceResources() {
    frame.renderSize = RenderSize();
    const auto targets = CSurf::Describe(frame.renderSize, SceneScale());
    const CSTexState& scene = targets[CSurf::kScene];
    frame.sceneSize = {static_cast<int>(scene.width), static_cast<int>(scene.height)};
    return device ? surf.Create(*device, targets) : S_OK;
}

gfx::Size MyLibrary::RenderSize() const {
    return fixedRenderSize.value_or(ResolutionSize(settings.resolutionIndex));
}

float MyLibrary::SceneScale() const {
    if (fixedSceneScale) return *fixedSceneScale;
    return device && device->GetCaps().softwareRasteriser ? kSoftwareSceneScale : 1.0f;
}
