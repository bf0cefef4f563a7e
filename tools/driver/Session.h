#pragma once
#include <string>
#include <vector>

#include "GoalRunner.h"
#include "Options.h"
#include "Script.h"
#include "ScriptedInput.h"
#include "app/D3DXMain.h"

namespace driver {

// Plays the script into the game frame by frame, takes the screenshots and state dumps asked for,
// and ends the run after the last frame. Asked for a field, it starts a new game there in place
// of the title.
class Session : public FrameObserver {
  public:
    Session(const Options& options, const Script& script, ScriptedInput& input,
            platform::MessageQueue& messages)
        : options_(options),
          script_(script),
          input_(input),
          messages_(messages),
          goals_(script.Goals()) {}

    void OnFrameStart(D3DXMain& app, uint32_t frame) override;
    void OnFramePresented(D3DXMain& app, uint32_t frame) override;

    // False when a screenshot or state file could not be written, or a goal line failed.
    bool ok() const { return ok_; }

  private:
    // A new game in field `number` (one the factory builds) instead of the title.
    void StartInField(D3DXMain& app, int32_t number);
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
    bool ok_ = true;
};

}  // namespace driver
