#include "GoalRunner.h"

namespace driver {

std::optional<std::string> GoalRunner::Step(const D3DXMain& app, uint32_t frame,
                                            ScriptedInput& input) {
    // Goals that finish without touching the input let the next one start in the same frame.
    while (!failed_ && current_ < goals_.size()) {
        if (!play_) {
            play_ = MakePlay(goals_[current_].goal);
            started_ = frame;
        }
        const Progress progress = play_->Step(app, frame - started_, input);
        if (progress.state == Progress::State::Running) return std::nullopt;
        if (progress.state == Progress::State::Failed) {
            failed_ = true;
            return Failure(frame, progress.why);
        }
        if (const auto* shot = std::get_if<Shot>(&goals_[current_].goal)) {
            shots_.push_back(shot->name);
        }
        play_.reset();
        ++current_;
    }
    return std::nullopt;
}

std::optional<std::string> GoalRunner::Unfinished(uint32_t frame) const {
    if (failed_ || current_ >= goals_.size()) return std::nullopt;
    return Failure(frame, "still unfinished when the run ended");
}

std::string GoalRunner::Failure(uint32_t frame, const std::string& why) const {
    const GoalLine& goal = goals_[current_];
    return "script line " + std::to_string(goal.line) + " \"" + goal.text + "\": frame " +
           std::to_string(frame) + ": " + why;
}

}  // namespace driver
