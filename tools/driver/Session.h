#pragma once
#include <optional>
#include <string>
#include <vector>

#include "GoalRunner.h"
#include "Options.h"
#include "RandomPlay.h"
#include "Script.h"
#include "ScriptedInput.h"
#include "StatsLog.h"
#include "app/D3DXMain.h"

namespace driver {

// Plays the script into the game frame by frame, takes the screenshots and state dumps asked for,
// and ends the run after the last frame. Asked for a field, it starts a new game there in place
// of the title; asked for random play, it plays it alongside the script and starts its new games.
class Session : public FrameObserver {
  public:
    Session(const Options& options, const Script& script, ScriptedInput& input,
            platform::MessageQueue& messages);

    void OnFrameStart(D3DXMain& app, uint32_t frame) override;
    void OnFramePresented(D3DXMain& app, uint32_t frame) override;

    // False when a screenshot, state or stats file could not be written, or a goal line failed.
    bool ok() const { return ok_ && (!stats_ || stats_->ok()); }

  private:
    // A new game in field `number` (one the factory builds) at story stage `stage`, taking over
    // from the field that runs, as the title's new game does; the player arrives at spawn's x, y,
    // z facing its w (degrees).
    void StartInField(D3DXMain& app, FieldId number, int32_t stage, const glm::vec4& spawn);
    // The random player's input, and its next new game once the pause menu is closed.
    void PlayRandomly(D3DXMain& app, uint32_t frame);
    // The `--set` values, into the player's record.
    void WriteRecord(SaveRecord& record) const;
    void TakeShot(D3DXMain& app, const std::string& path);
    void WriteState(const D3DXMain& app, uint32_t frame, const std::string& path);
    // Says why the script failed; the run's result becomes a failure.
    void ReportFailure(const std::string& why);

    const Options& options_;
    const Script& script_;
    ScriptedInput& input_;
    platform::MessageQueue& messages_;
    GoalRunner goals_;
    std::vector<std::string> goalShots_;  // the PNG paths of this frame's `shot` goals
    std::optional<RandomPlay> randomPlay_;
    std::optional<StatsLog> stats_;
    // The frame after a new game's first: the `--set` values are written again then.
    uint32_t recordRewriteFrame_ = 1;
    bool ok_ = true;
};

}  // namespace driver
