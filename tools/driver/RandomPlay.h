#pragma once
#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include "Script.h"
#include "content/fields/FieldId.h"
#include "platform/gfx/Device.h"

namespace driver {

// A restless player for long runs, drawn from a seed: walking keys held for random spans, taps of
// the examine, aim and menu keys, the pointer moved and clicked, darts aimed and thrown, the
// pad's buttons, sticks and triggers. It speaks in the script's actions, so it reaches the game
// through the same input as a script. Every `fieldFrames` frames it asks for a new game in a
// field, each field at a story stage drawn once. The fields come in rounds, each in a new random
// order, so after the first round every visit repeats one made before: what a visit leaves
// behind shows as growth. It never asks to quit or changes the display mode.
class RandomPlay {
  public:
    // `client`: the window's client size, the pointer's range.
    RandomPlay(uint32_t seed, uint32_t fieldFrames, gfx::Size client);

    // The actions that start frame `frame`; frames are asked in order.
    std::vector<Action> Step(uint32_t frame);

    // A field and the story stage to build it at.
    struct Visit {
        FieldId field;
        int32_t stage;
    };
    // Whether the next field is due (from frame 0, then `fieldFrames` after the last visit).
    bool FieldDue(uint32_t frame) const { return frame >= nextVisit_; }
    Visit TakeVisit(uint32_t frame);
    // The rounds begun: 1 during the first.
    uint32_t Round() const { return rounds_; }

  private:
    uint32_t Between(uint32_t low, uint32_t high);
    template <typename Range>
    auto PickFrom(const Range& range) {
        return range[Between(0, static_cast<uint32_t>(std::size(range) - 1))];
    }
    // Presses now, and lets go after `frames`.
    void Hold(const Action& press, const Action& release, uint32_t frames,
              std::vector<Action>& out);
    void StartAct(std::vector<Action>& out);

    std::mt19937 random_;
    uint32_t fieldFrames_;
    gfx::Size client_;
    uint32_t frame_ = 0;
    uint32_t nextVisit_ = 0;
    std::vector<Visit> visits_;  // every field the factory builds, at its stage
    std::vector<Visit> round_;   // the visits this round has still to make
    uint32_t rounds_ = 0;
    std::multimap<uint32_t, Action> later_;  // by the frame they happen in
};

}  // namespace driver
