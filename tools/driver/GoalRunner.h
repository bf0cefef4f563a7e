#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "GoalPlays.h"
#include "Script.h"

class D3DXMain;

namespace driver {

class ScriptedInput;

// Plays the script's goal lines one after another, each from the frame the one before finished.
class GoalRunner {
  public:
    explicit GoalRunner(std::span<const GoalLine> goals) : goals_(goals) {}

    // At the start of each frame, after the framed lines. Once a goal fails: one line naming the
    // script line, the frame and what went wrong; the runner then stops.
    std::optional<std::string> Step(const D3DXMain& app, uint32_t frame, ScriptedInput& input);
    // After the last frame: the same kind of line for a goal still unfinished.
    std::optional<std::string> Unfinished(uint32_t frame) const;
    // The names of the `shot` goals finished in this frame's Step, which picture this frame.
    std::vector<std::string> TakeShots() { return std::exchange(shots_, {}); }

  private:
    std::string Failure(uint32_t frame, const std::string& why) const;

    std::span<const GoalLine> goals_;
    size_t current_ = 0;
    std::unique_ptr<GoalPlay> play_;
    uint32_t started_ = 0;
    bool failed_ = false;
    std::vector<std::string> shots_;
};

}  // namespace driver
