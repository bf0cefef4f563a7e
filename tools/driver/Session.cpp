#include "Session.h"

#include <cstdio>
#include <fstream>
#include <utility>

#include "Png.h"
#include "RecordFields.h"
#include "StateDump.h"
#include "content/fields/FieldFactory.h"

namespace driver {

Session::Session(const Options& options, const Script& script, ScriptedInput& input,
                 platform::MessageQueue& messages)
    : options_(options),
      script_(script),
      input_(input),
      messages_(messages),
      goals_(script.Goals()) {
    if (options.randomPlayFieldFrames) {
        randomPlay_.emplace(options.seed, *options.randomPlayFieldFrames,
                            options.size.value_or(gfx::Size{1280, 720}));
    }
    if (options.statsEvery > 0) stats_.emplace(options.statsPath, options.statsEvery);
}

void Session::OnFrameStart(D3DXMain& app, uint32_t frame) {
    if (frame == 0 && options_.field) {
        const auto field = static_cast<FieldId>(*options_.field);
        const FieldStart start = StartOf(field);
        const glm::vec4 spawn = options_.spawn.value_or(glm::vec4(start.position, start.yaw));
        StartInField(app, field, options_.stage.value_or(start.stage), spawn);
    }
    if (randomPlay_) PlayRandomly(app, frame);
    // A room that holds the ghost sets its start (variant, hit points, often its mode) as it
    // builds: written again once the room has run its first frame, the values asked for hold.
    if (frame == recordRewriteFrame_) WriteRecord(app.player.record);
    for (const Action& action : script_.At(frame)) input_.Apply(action);
    if (const auto failure = goals_.Step(app, frame, input_)) {
        ReportFailure(*failure);
        messages_.PostQuit();
    }
    for (const std::string& name : goals_.TakeShots()) {
        if (!options_.shotDir.empty()) goalShots_.push_back(options_.shotDir + "/" + name + ".png");
    }
    if (options_.shots.contains(frame) || !goalShots_.empty()) app.device->CaptureNextPresent();
}

void Session::OnFramePresented(D3DXMain& app, uint32_t frame) {
    const auto shots = options_.shots.equal_range(frame);
    for (auto it = shots.first; it != shots.second; ++it) TakeShot(app, it->second);
    for (const std::string& path : std::exchange(goalShots_, {})) TakeShot(app, path);
    const auto states = options_.states.equal_range(frame);
    for (auto it = states.first; it != states.second; ++it) WriteState(app, frame, it->second);
    if (stats_) stats_->AfterFrame(app, frame, randomPlay_ ? randomPlay_->Round() : 0);
    if (frame + 1 != options_.frames) return;
    if (const auto unfinished = goals_.Unfinished(frame)) ReportFailure(*unfinished);
    messages_.PostQuit();
}

void Session::ReportFailure(const std::string& why) {
    std::fprintf(stderr, "hm-driver: %s\n", why.c_str());
    ok_ = false;
}

void Session::PlayRandomly(D3DXMain& app, uint32_t frame) {
    for (const Action& action : randomPlay_->Step(frame)) input_.Apply(action);
    // The menu holds the world and is closed by the player alone; the new game waits for it.
    if (!randomPlay_->FieldDue(frame) || app.player.controlMode == kControlMenu) return;
    const RandomPlay::Visit visit = randomPlay_->TakeVisit(frame);
    const FieldStart start = StartOf(visit.field);
    StartInField(app, visit.field, visit.stage, glm::vec4(start.position, start.yaw));
    recordRewriteFrame_ = frame + 1;
}

void Session::StartInField(D3DXMain& app, FieldId number, int32_t stage, const glm::vec4& spawn) {
    Personal& player = app.player;
    ResetRecord(player.record, app.services.clock.Now());
    player.record.storyStage = stage;
    player.controlMode = kControlFree;
    player.SetSpawn(spawn.w, glm::vec3(spawn));
    WriteRecord(player.record);
    // The field that runs (the title, at the first frame) goes after the new one's first frame.
    app.rootScene.AddChild(MakeFieldOf(number));
}

void Session::WriteRecord(SaveRecord& record) const {
    for (const RecordWrite& write : options_.recordWrites) {
        if (int32_t* value = FindRecordInt(record, write.name)) *value = write.value;
    }
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
