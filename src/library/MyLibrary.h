#pragma once
#include <cstdint>

#include <glm/vec2.hpp>

#include "audio/CSoundManager.h"
#include "content/SteamworksHelper.h"
#include "library/Archive.h"
#include "library/CModelManager.h"
#include "library/CTextureManager.h"
#include "library/Camera.h"
#include "library/Input.h"
#include "library/Result.h"
#include "platform/Platform.h"
#include "scene/SaveData.h"
#include "scene/TextData.h"

// Per-frame values the library keeps for everyone.
struct FrameValues {
    uint32_t previousSample = 0;  // ms; the frame rate is measured over 10 frames
    uint32_t lastSample = 0;
    int32_t sampleCountdown = 0;
    const int32_t* active = nullptr;  // the process-wide window flags
    const int32_t* minimized = nullptr;
    float framesPerSecond = 0;
    gfx::Size renderSize;  // pixels of the 3-D scene's render targets
    gfx::Size clientSize;  // pixels of the window's client area
    gfx::Size layoutSize{1920, 1080};
    glm::vec2 cursorLayout{0, 0};  // cursor in the overlay's layout space: origin centre, y up
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

    // Once, after the device exists: opens "data.dat" in the working directory and loads the
    // text table. Returns S_OK or E_FAIL (the reason on stderr).
    HRESULT Initialise(gfx::Device* device);
    // Once a frame before the scene: window position into the settings, frame rate, input, cursor,
    // then the audio listener from the camera and the audio update.
    void FrameStep(int32_t windowLeft, int32_t windowTop);

    // Around a device reset (display-mode change or lost device).
    HRESULT ReleaseDeviceResources();
    HRESULT RestoreDeviceResources();

    SystemSettings settings;
    platform::Window* window = nullptr;
    gfx::Device* device = nullptr;
    Input input;
    FrameValues frame;
    Camera camera;  // the live view; fields and their camera events move it
    SteamworksHelper steamworks;
    TextData textData;
    Archive archive;  // open from Initialise to destruction
    CSoundManager sound;
    CTextureManager textures;
    CModelManager models;

  private:
    platform::Services& services_;
};
