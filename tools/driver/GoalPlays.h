#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Goals.h"

class D3DXMain;

namespace driver {

class ScriptedInput;

// How a goal stands after a frame. A goal reports Done only in a frame where it touched no
// input, so the next goal may start in that same frame without the two pressing over each other.
struct Progress {
    enum class State { Running, Done, Failed };
    State state = State::Running;
    std::string why;  // for Failed: what went wrong, with what the game showed

    static Progress Running() { return {}; }
    static Progress Done() { return {State::Done, ""}; }
    static Progress Failed(std::string why) { return {State::Failed, std::move(why)}; }
};

// One goal being played.
class GoalPlay {
  public:
    virtual ~GoalPlay() = default;
    // At the start of a frame, before the input poll; `elapsed` counts from 0 at the goal's
    // first frame. `app` is the game as the frame before left it.
    virtual Progress Step(const D3DXMain& app, uint32_t elapsed, ScriptedInput& input) = 0;
};

std::unique_ptr<GoalPlay> MakePlay(const Goal& goal);

}  // namespace driver
