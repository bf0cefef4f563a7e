#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/D3DXMain.h"
#include "app/Entry.h"
#include "app/Globals.h"
#include "platform/gfx/NullDevice.h"
#include "platform/headless/Services.h"
#include "scene/SaveFile.h"
#include "support/FakeInput.h"
#include "support/TempFolder.h"

// A desktop of a given size with one window that only records where it was put.
class FakeWindow : public platform::Window {
  public:
    gfx::Size screen{2560, 1440};
    platform::Rect client;
    bool fullScreen = false;
    bool shown = false;
    int titleBar = 0;  // the frame's height above the client area, known once shown
    bool created = false;
    bool createFails = false;
    int placements = 0;

    bool Create(const platform::Rect& rect) override {
        created = !createFails;
        client = rect;
        return created;
    }
    void Show() override { shown = true; }
    gfx::Size ScreenSize() override { return screen; }
    platform::Rect UsableArea() override {
        const int frame = shown ? titleBar : 0;
        return {0, frame, screen.width, screen.height - frame};
    }
    platform::Rect OuterRect() override {
        return {client.x - 1, client.y - 30, client.width + 2, client.height + 31};
    }
    gfx::Size ClientSize() override {
        return fullScreen ? screen : gfx::Size{client.width, client.height};
    }
    bool PlaceWindowed(const platform::Rect& rect) override {
        ++placements;
        fullScreen = false;
        client = rect;
        return true;
    }
    bool PlaceFullScreen() override {
        ++placements;
        fullScreen = true;
        return true;
    }
    void SetIcon(const gfx::Image& image) override { icon = image; }
    gfx::Image icon;
};

class GrantedInstance : public platform::SingleInstance {
  public:
    bool granted = true;
    bool Acquire() override { return granted; }
};

// Headless services around a fake window and the null backend, with saves in a fresh folder.
struct FakePlatform : headless::Services<FakeWindow, FakeInput, GrantedInstance> {
    TempFolder saves;
    const std::filesystem::path saveDir = saves.Path();

    FakePlatform() : Services(1000) {
        ResetWindowGlobals();
        SetSaveFolderOverride(saveDir);
    }
    ~FakePlatform() { SetSaveFolderOverride({}); }
    gfx::NullDevice& device() { return *graphics.lastDevice(); }
};

// Stands in for the content's title screen: an empty field by that name.
inline std::unique_ptr<Scene> MakeTitleProbe() {
    struct Title : Scene {
        const char16_t* Name() const override { return u"Title"; }
    };
    return std::make_unique<Title>();
}

// Calls a function after each presented frame and quits after `frames` frames of this hook.
class FrameHook : public FrameObserver {
  public:
    using Fn = std::function<void(D3DXMain&, uint32_t)>;
    FrameHook(platform::MessageQueue& queue, uint32_t frames, Fn fn = {})
        : queue_(queue), frames_(frames), fn_(std::move(fn)) {}
    void OnFrameStart(D3DXMain&, uint32_t) override {}
    void OnFramePresented(D3DXMain& app, uint32_t frame) override {
        if (fn_) fn_(app, frame);
        if (++seen_ == frames_) queue_.PostQuit();
    }

  private:
    platform::MessageQueue& queue_;
    uint32_t frames_;
    uint32_t seen_ = 0;
    Fn fn_;
};

// The whole game from its entry, the title probe first, quitting after `frames` frames; `fn` is
// called after each.
inline int LaunchGame(FakePlatform& platform, uint32_t frames = 1, FrameHook::Fn fn = {}) {
    FrameHook hook(platform.messages, frames, std::move(fn));
    LaunchOptions options;
    options.makeTitle = MakeTitleProbe;
    options.observer = &hook;
    options.randomSeed = 1;
    return ApplicationEntry(platform.services, options);
}

// The application with its device made on a window at `client`, its main loop run a few frames at
// a time.
class AppTest : public ::testing::Test {
  protected:
    explicit AppTest(platform::Rect client = {0, 0, 1280, 720}) : client_(client) {}
    void SetUp() override {
        ASSERT_TRUE(platform.window.Create(client_));
        ASSERT_EQ(app.InitDevice(), S_OK);
    }
    // Runs the main loop for `frames` frames, calling `fn` after each, and expects its `result`.
    void Run(uint32_t frames, FrameHook::Fn fn = {}, int result = 0) {
        FrameHook hook(platform.messages, frames, std::move(fn));
        app.observer = &hook;
        EXPECT_EQ(app.MainLoop(), result);
        app.observer = nullptr;
    }

    FakePlatform platform;
    D3DXMain app{platform.services};

  private:
    platform::Rect client_;
};
