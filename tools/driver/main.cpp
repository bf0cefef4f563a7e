// hm-driver: runs the real game loop headless, on a virtual 16 ms clock, with scripted input,
// and writes screenshots and state dumps at the frames asked for. Exits with the game's result.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "DrawOnDemand.h"
#include "Options.h"
#include "PinnedWindow.h"
#include "Script.h"
#include "ScriptedInput.h"
#include "Session.h"
#include "app/Entry.h"
#include "content/fields/FieldFactory.h"
#include "platform/InstanceLock.h"
#include "platform/gfx/NullDevice.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"
#include "scene/SaveFile.h"

namespace {

std::optional<driver::Script> LoadScript(const std::string& path) {
    std::string error;
    if (path.empty()) {
        std::istringstream none;
        return driver::Script::Parse(none, error);
    }
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "hm-driver: cannot open %s\n", path.c_str());
        return std::nullopt;
    }
    auto script = driver::Script::Parse(in, error);
    if (!script) std::fprintf(stderr, "hm-driver: %s: %s\n", path.c_str(), error.c_str());
    return script;
}

std::filesystem::path PrepareSaveDir(const std::string& requested) {
    std::filesystem::path dir = requested;
    if (dir.empty()) {
        dir = std::filesystem::temp_directory_path() / ("hm-driver-" + std::to_string(::getpid()));
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return dir;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = driver::ParseOptions({argv + 1, argv + argc}, error);
    if (!options) {
        std::fprintf(stderr, "hm-driver: %s\n%s", error.c_str(), driver::Usage());
        return 2;
    }
    const auto script = LoadScript(options->inputPath);
    if (!script) return 2;

    const std::filesystem::path saveDir = PrepareSaveDir(options->saveDir);
    SetSaveFolderOverride(saveDir);
    ::setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ::setenv("ALSOFT_DRIVERS", "null", 1);  // silent audio output

    const bool gl = options->backend == driver::Backend::Gl;
    platform::SdlVideo video;
    platform::SdlWindow sdlWindow(gl ? platform::SdlWindow::Surface::OpenGl
                                     : platform::SdlWindow::Surface::Plain);
    driver::PinnedWindow window(sdlWindow, options->size);
    platform::SdlGraphics glGraphics(sdlWindow);
    driver::DrawOnDemandGraphics glOnDemand(glGraphics);
    gfx::NullGraphics nullGraphics;
    platform::Graphics& graphics = !gl ? nullGraphics
                                   : options->shotDir.empty()
                                       ? static_cast<platform::Graphics&>(glGraphics)
                                       : glOnDemand;

    headless::VirtualClock clock;
    headless::ScriptedMessages messages(clock);
    headless::ScriptedDialogs dialogs;
    headless::RecordingCursor cursor;
    platform::InstanceLock instance(saveDir);
    driver::ScriptedInput input(messages, dialogs);
    driver::Session session(*options, *script, input, messages);
    platform::Services services{clock,  messages, dialogs,  window,
                                cursor, input,    graphics, instance};

    // A desktop gives the new window the focus; the offscreen one does not say so.
    messages.Push({platform::MessageType::Activate, 1});
    LaunchOptions launch;
    launch.makeTitle = MakeTitle;
    launch.randomSeed = options->seed;
    launch.observer = &session;
    launch.logFailedLoads = true;
    // A fixed window renders at its own size unless told otherwise, so small runs are fast.
    launch.renderSize = options->render ? options->render : options->size;
    launch.sceneScale = options->sceneScale;
    const int result = ApplicationEntry(services, launch);

    std::fprintf(stderr, "hm-driver: game ended with 0x%08x; saves in %s\n",
                 static_cast<unsigned>(result), saveDir.c_str());
    if (result == 0 && !session.ok()) return 1;
    return result;
}
