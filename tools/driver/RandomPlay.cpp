#include "RandomPlay.h"

#include <algorithm>
#include <array>

#include "Options.h"
#include "content/fields/FieldFactory.h"

namespace driver {
namespace {

using platform::VirtualKey;

constexpr uint32_t kActChance = 12;  // one frame in this many starts something new

constexpr std::array kWalkKeys{VirtualKey::W,    VirtualKey::A,    VirtualKey::S,
                               VirtualKey::D,    VirtualKey::Up,   VirtualKey::Down,
                               VirtualKey::Left, VirtualKey::Right};
// Examine, aim, the menu and its choices; not Escape (it asks to quit), not Alt or Enter.
constexpr std::array kTapKeys{VirtualKey::E,    VirtualKey::Q,    VirtualKey::Space, VirtualKey::Up,
                              VirtualKey::Down, VirtualKey::Left, VirtualKey::Right};
constexpr std::array<uint16_t, 7> kPadButtons{
    platform::kPadA,    platform::kPadB,    platform::kPadStart, platform::kPadUp,
    platform::kPadDown, platform::kPadLeft, platform::kPadRight};

enum class Act { Walk, Tap, Throw, Point, Click, PadButton, PadStick, PadTrigger };
// How often each act is drawn, by weight.
constexpr std::array<std::pair<Act, uint32_t>, 8> kActs{{
    {Act::Walk, 6},
    {Act::Tap, 4},
    {Act::Throw, 2},
    {Act::Point, 3},
    {Act::Click, 2},
    {Act::PadButton, 2},
    {Act::PadStick, 2},
    {Act::PadTrigger, 1},
}};

}  // namespace

RandomPlay::RandomPlay(uint32_t seed, uint32_t fieldFrames, gfx::Size client)
    : random_(seed), fieldFrames_(fieldFrames), client_(client) {
    for (int32_t number = 0; number < kFieldCount; ++number) {
        const auto field = static_cast<FieldId>(number);
        if (!MakeFieldOf(field)) continue;
        const auto stage = Between(static_cast<uint32_t>(StartOf(field).stage), kLastStage);
        visits_.push_back({field, static_cast<int32_t>(stage)});
    }
}

uint32_t RandomPlay::Between(uint32_t low, uint32_t high) {
    return std::uniform_int_distribution<uint32_t>(low, high)(random_);
}

void RandomPlay::Hold(const Action& press, const Action& release, uint32_t frames,
                      std::vector<Action>& out) {
    out.push_back(press);
    later_.emplace(frame_ + frames, release);
}

std::vector<Action> RandomPlay::Step(uint32_t frame) {
    frame_ = frame;
    std::vector<Action> out;
    if (frame == 0) out.push_back(PadConnect{true});
    while (!later_.empty() && later_.begin()->first <= frame) {
        out.push_back(later_.begin()->second);
        later_.erase(later_.begin());
    }
    if (Between(1, kActChance) == 1) StartAct(out);
    return out;
}

void RandomPlay::StartAct(std::vector<Action>& out) {
    uint32_t total = 0;
    for (const auto& [act, weight] : kActs) total += weight;
    uint32_t draw = Between(1, total);
    Act act = kActs.front().first;
    for (const auto& [candidate, weight] : kActs) {
        if (draw <= weight) {
            act = candidate;
            break;
        }
        draw -= weight;
    }
    const auto key = [](VirtualKey k, bool down) { return Action{KeyAction{k, down}}; };
    switch (act) {
        case Act::Walk:
            for (uint32_t keys = Between(1, 2); keys > 0; --keys) {
                const VirtualKey walk = PickFrom(kWalkKeys);
                Hold(key(walk, true), key(walk, false), Between(15, 240), out);
            }
            break;
        case Act::Tap: {
            const VirtualKey tap = PickFrom(kTapKeys);
            Hold(key(tap, true), key(tap, false), Between(1, 3), out);
            break;
        }
        case Act::Throw: {
            // Aim, let the hand come up, throw, and hold the aim a while longer.
            const uint32_t throwAt = Between(10, 40);
            Hold(key(VirtualKey::Q, true), key(VirtualKey::Q, false), throwAt + Between(2, 60),
                 out);
            later_.emplace(frame_ + throwAt, key(VirtualKey::E, true));
            later_.emplace(frame_ + throwAt + 1, key(VirtualKey::E, false));
            break;
        }
        case Act::Point:
            out.push_back(MouseMove{{static_cast<int>(Between(0, client_.width - 1)),
                                     static_cast<int>(Between(0, client_.height - 1))}});
            break;
        case Act::Click: {
            const auto button =
                Between(0, 1) == 0 ? platform::MouseButton::Left : platform::MouseButton::Right;
            Hold(MouseButtonAction{button, true}, MouseButtonAction{button, false}, Between(1, 30),
                 out);
            break;
        }
        case Act::PadButton: {
            const uint16_t button = PickFrom(kPadButtons);
            Hold(PadButtonAction{button, true}, PadButtonAction{button, false}, Between(1, 30),
                 out);
            break;
        }
        case Act::PadStick: {
            const bool right = Between(0, 1) == 1;
            const auto axis = [&] {
                return static_cast<int16_t>(static_cast<int32_t>(Between(0, 65535)) - 32768);
            };
            Hold(PadStick{right, axis(), axis()}, PadStick{right, 0, 0}, Between(10, 120), out);
            break;
        }
        case Act::PadTrigger: {
            const bool right = Between(0, 1) == 1;
            Hold(PadTrigger{right, static_cast<uint8_t>(Between(1, 255))}, PadTrigger{right, 0},
                 Between(1, 30), out);
            break;
        }
    }
}

RandomPlay::Visit RandomPlay::TakeVisit(uint32_t frame) {
    nextVisit_ = frame + fieldFrames_;
    if (round_.empty()) {
        round_ = visits_;
        ++rounds_;
        std::shuffle(round_.begin(), round_.end(), random_);
    }
    const Visit visit = round_.back();
    round_.pop_back();
    return visit;
}

}  // namespace driver
