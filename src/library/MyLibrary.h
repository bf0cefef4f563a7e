#pragma once
#include <cstdint>
#include <optional>

#include <glm/vec2.hpp>

#include "audio/CSoundManager.h"
#include "collision/CollisionTable.h"
#include "library/Archive.h"
#include "library/CEffect.h"
#include "library/CModelManager.h"
#include "library/CSurf.h"
#include "library/CTextureManager.h"
#include "library/FontAtlas.h"
#include "library/Input.h"
#include "library/ModelBuffers.h"
#include "library/Result.h"
#include "library/SteamworksHelper.h"
#include "platform/Platform.h"
#include "scene/SaveData.h"
#include "scene/TextData.h"
#include "world/FVF.h"

// Per-frame values the library keeps for everyone.
struct FrameValues {
    uint32_t previousSample = 0;  // ms; the frame rate is measured over 10 frames
    uint32_t lastSample = 0;
    int32_t sampleCountdown = 0;
    const int32_t* active = nullptr;  // the process-wide window flags
    const int32_t* minimized = nullptr;
    float framesPerSecond = 0;
    gfx::Size renderSize;  // pixels of the back buffer, which the 2-D overlay draws at
    gfx::Size sceneSize;   // pixels the 3-D scene is shaded at, scaled up to the render size
    gfx::Size clientSize;  // the window's client area in window units, read every frame
    gfx::Size layoutSize{1920, 1080};
    // Cursor in the overlay's layout space (origin centre, y up), mapped through the part of the
    // window the picture is shown in.
    glm::vec2 cursorLayout{0, 0};
};

// Owns every shared resource of the game: the settings record, input, the achievement record and
// (as they arrive) the archive, caches, effect, sound, text table and render targets.
class MyLibrary {
  public:
    // Holds on to the services; opens nothing.
    explicit MyLibrary(platform::Services& services);
    MyLibrary(const MyLibrary&) = delete;
    MyLibrary& operator=(const MyLibrary&) = delete;
    // Writes the settings record first, then closes the archive and frees everything.
    virtual ~MyLibrary();

    // Once, after the device exists: makes the render targets and the shared quads, opens
    // "data.dat" from the first of ArchivePlaces() that holds it, builds the effect from its row,
    // starts the audio, loads the text table and the font atlas. Returns S_OK or E_FAIL (the reason
    // on stderr).
    HRESULT Initialise(gfx::Device* device);
    // Once a frame before the scene: window position into the settings, frame rate, the effect's
    // frame values, input, cursor, then the audio listener from the camera and the audio update.
    void FrameStep(int32_t windowLeft, int32_t windowTop);

    // Around a device reset (display-mode change or lost device): the render targets are dropped
    // and made again at the render size of the chosen resolution.
    HRESULT ReleaseDeviceResources();
    HRESULT RestoreDeviceResources();

    // The size the scene renders at: the chosen resolution's, whatever the window's size, unless a
    // tool fixed it.
    gfx::Size RenderSize() const;
    // The game clock, milliseconds (the play time and the saves count it).
    uint32_t NowMs() const { return services_.clock.Now(); }
    std::optional<gfx::Size> fixedRenderSize;  // set before Initialise
    // How much of the render size's width and height the 3-D scene is shaded at: all of it on a
    // graphics card, less on a rasteriser that runs on the CPU, unless a tool fixed it.
    float SceneScale() const;
    std::optional<float> fixedSceneScale;  // set before Initialise

    SystemSettings settings;
    platform::Window* window = nullptr;
    gfx::Device* device = nullptr;
    Input input;
    FrameValues frame;
    CEffect effect;  // its `camera` is the live view; fields and their camera events move it
    CSurf surf;      // the render targets
    FVF quad;
    FVFMirror mirrorQuad;
    ModelBuffers meshBuffers;
    FontAtlas fontAtlas;
    int32_t textUnit = 24;  // pixels; text and menu layouts scale by it
    SteamworksHelper steamworks;
    AwardCounters awardCounters;
    CollisionTable collision;  // the pair tests every mover uses
    TextData textData;
    Archive archive;  // open from Initialise to destruction
    CSoundManager sound;
    CTextureManager textures;
    CModelManager models;

  private:
    platform::Services& services_;
};
