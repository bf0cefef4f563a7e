#include "Session.h"

#include <cstdio>
#include <fstream>

#include "Png.h"
#include "StateDump.h"

namespace driver {

void Session::OnFrameStart(D3DXMain& app, uint32_t frame) {
    for (const Action& action : script_.At(frame)) input_.Apply(action);
    if (options_.shots.contains(frame)) app.device->CaptureNextPresent();
}

void Session::OnFramePresented(D3DXMain& app, uint32_t frame) {
    const auto shots = options_.shots.equal_range(frame);
    for (auto it = shots.first; it != shots.second; ++it) TakeShot(app, it->second);
    const auto states = options_.states.equal_range(frame);
    for (auto it = states.first; it != states.second; ++it) WriteState(app, frame, it->second);
    if (frame + 1 == options_.frames) messages_.PostQuit();
}

void Session::TakeShot(D3DXMain& app, const std::string& path) {
    gfx::Image image;
    if (!app.device->ReadBack(image)) {
        std::fprintf(stderr, "hm-driver: no picture for %s: this backend keeps no pixels\n",
                     path.c_str());
        ok_ = false;
        return;
    }
    if (!WritePng(path, image)) {
        std::fprintf(stderr, "hm-driver: cannot write %s\n", path.c_str());
        ok_ = false;
    }
}

void Session::WriteState(const D3DXMain& app, uint32_t frame, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << StateJson(app, frame);
    if (!out.flush()) {
        std::fprintf(stderr, "hm-driver: cannot write %s\n", path.c_str());
        ok_ = false;
    }
}

}  // namespace driver
