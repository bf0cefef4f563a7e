#pragma once
#include <cstdint>
#include <memory>

#include "library/AchievementNotice.h"
#include "library/MyLibrary.h"
#include "library/Result.h"
#include "platform/Platform.h"
#include "scene/FieldMaker.h"
#include "scene/Personal.h"
#include "scene/Scene.h"

class D3DXMain;

// Told around every frame; the headless driver feeds its script and takes its screenshots and
// state dumps here. frame: 0 for the first frame run.
class FrameObserver {
  public:
    virtual ~FrameObserver() = default;
    // Before the frame clears the screen.
    virtual void OnFrameStart(D3DXMain& app, uint32_t frame) = 0;
    // After it was presented (or would have been: minimised and held frames present nothing).
    virtual void OnFramePresented(D3DXMain& app, uint32_t frame) = 0;
};

inline constexpr uint32_t kFrameMs = 16;  // the game's tick; every speed and timer counts these

// The application root: owns the device, the library, the player and the scene tree, and runs the
// main loop. Destruction deletes the scenes and the player, then the library (which saves the
// settings), and releases the device last.
class D3DXMain {
  public:
    explicit D3DXMain(platform::Services& services);
    D3DXMain(const D3DXMain&) = delete;
    D3DXMain& operator=(const D3DXMain&) = delete;
    virtual ~D3DXMain();

    // Creates and checks the device, initialises the library and adds the title field.
    HRESULT InitDevice();
    // Until the quit message: 0, or E_FAIL when a display-mode change failed.
    int MainLoop();

    // Brings the window and the device to the requested window mode and resolution.
    HRESULT ApplyDisplayMode();
    HRESULT ReleaseDeviceResources();
    HRESULT RestoreDeviceResources();

    platform::Services& services;
    FrameObserver* observer = nullptr;
    FieldMaker makeTitle = nullptr;  // none: runs start in an empty field
    uint32_t framesRun = 0;

    platform::Graphics* d3d = nullptr;  // the opened backend
    gfx::PresentParams presentParams;
    std::unique_ptr<gfx::Device> device;  // outlives everything declared after it
    int32_t deviceLost = 0;  // 1 while the device is lost: the scene is neither updated nor drawn
    MyLibrary* library = nullptr;
    MyLibrary lib;
    Personal player;
    Scene rootScene;
    // Drawn over every field, so that it outlives the field that made the award.
    AchievementNotice achievementNotice;
    int32_t resolutionIndex = 1;                    // applied to the window
    platform::Rect windowRect{50, 50, 1920, 1080};  // client area position and size

  private:
    // One tick; false when the display-mode step failed.
    bool RunFrame();
    // `drawn` false updates the field without drawing it.
    void RunField(bool drawn);
    // The first field of a run, and the field a return to the title starts.
    void StartTitle();
    void RecoverLostDevice();
};
