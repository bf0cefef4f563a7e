#include "GoalPlays.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <glm/geometric.hpp>

#include "Conditions.h"
#include "ScriptedInput.h"
#include "StateDump.h"
#include "app/D3DXMain.h"
#include "library/Angles.h"
#include "library/TextBox.h"

namespace driver {
namespace {

using platform::VirtualKey;

constexpr uint32_t kWalkTimeout = 1200;
constexpr uint32_t kQuestionTimeout = 600;
constexpr uint32_t kThrowTimeout = 300;
constexpr float kAimTolerance = 0.5f;  // degrees
constexpr float kPixelsPerDegree = 5;  // below the aim's own rate, so the turn settles
constexpr int32_t kPixelLimit = 100;   // larger pointer jumps count as this many

glm::vec2 Floor(const glm::vec3& v) {
    return {v.x, v.z};
}

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

std::string Point(glm::vec2 p) {
    return "(" + Number(p.x) + ", " + Number(p.y) + ")";
}

void SetKey(ScriptedInput& input, VirtualKey key, bool down) {
    input.Apply(KeyAction{key, down});
}

// The walking keys as one held combination: forward W (+1) or S (-1), across D (+1) or A (-1).
// The game takes a walk's direction from the view when the combination changes and keeps it
// while the same keys stay held; each choice is judged by the direction it will really walk.
class WalkKeys {
  public:
    void Steer(const D3DXMain& app, glm::vec2 towards, ScriptedInput& input) {
        const glm::vec3& eye = app.lib.effect.camera.eye;
        const glm::vec3& at = app.lib.effect.camera.at;
        const glm::vec2 view = Floor(at - eye);
        const glm::vec2 kept = Floor(app.player.walkDir);
        const glm::vec2 want = glm::normalize(towards);
        Combo best;
        float bestDot = -2;
        for (int forward = -1; forward <= 1; ++forward) {
            for (int across = -1; across <= 1; ++across) {
                const Combo combo{forward, across};
                if (combo == Combo{}) continue;
                const glm::vec2 ahead = combo == held_ ? kept : view;
                const glm::vec2 walk = static_cast<float>(forward) * ahead +
                                       static_cast<float>(across) * glm::vec2(ahead.y, -ahead.x);
                const float length = glm::length(walk);
                const float dot = length > 0 ? glm::dot(walk / length, want) : -2;
                if (dot > bestDot) {
                    bestDot = dot;
                    best = combo;
                }
            }
        }
        Hold(best, input);
    }
    void Release(ScriptedInput& input) { Hold({}, input); }
    bool Held() const { return !(held_ == Combo{}); }

  private:
    struct Combo {
        int forward = 0;
        int across = 0;
        bool operator==(const Combo&) const = default;
    };

    void Hold(Combo combo, ScriptedInput& input) {
        SetKey(input, VirtualKey::W, combo.forward > 0);
        SetKey(input, VirtualKey::S, combo.forward < 0);
        SetKey(input, VirtualKey::D, combo.across > 0);
        SetKey(input, VirtualKey::A, combo.across < 0);
        held_ = combo;
    }

    Combo held_;
};

// The body trails a point the keys move; let go, the two close in on the point half way
// between them, where the body comes to rest. That resting point is steered onto the goal. A walk
// that leads through a way out ends there: the point belongs to the field it started in.
class WalkToPlay final : public GoalPlay {
  public:
    explicit WalkToPlay(const WalkTo& goal) : goal_(goal) {}

    Progress Step(const D3DXMain& app, uint32_t elapsed, ScriptedInput& input) override {
        const int32_t field = app.player.record.currentField;
        if (elapsed == 0) field_ = field;
        if (field != field_) {
            keys_.Release(input);
            return Progress::Done();
        }
        const glm::vec2 body = Floor(app.player.Position());
        const glm::vec2 rest = (body + Floor(app.player.followPoint)) * 0.5f;
        if (elapsed >= kWalkTimeout) {
            keys_.Release(input);
            return Progress::Failed("the player is at " + Point(body) + ", " +
                                    Number(glm::distance(body, goal_.point)) + " from " +
                                    Point(goal_.point) + " after " + std::to_string(elapsed) +
                                    " frames");
        }
        if (glm::distance(rest, goal_.point) > goal_.radius / 2) {
            keys_.Steer(app, goal_.point - rest, input);
            return Progress::Running();
        }
        if (keys_.Held()) {
            keys_.Release(input);
            return Progress::Running();
        }
        return glm::distance(body, goal_.point) <= goal_.radius ? Progress::Done()
                                                                : Progress::Running();
    }

  private:
    WalkTo goal_;
    WalkKeys keys_;
    int32_t field_ = 0;
};

// One frame of the walking keys nearest the point's way: the body turns along them.
class FacePlay final : public GoalPlay {
  public:
    explicit FacePlay(const Face& goal) : goal_(goal) {}

    Progress Step(const D3DXMain& app, uint32_t elapsed, ScriptedInput& input) override {
        const glm::vec2 towards = goal_.point - Floor(app.player.Position());
        if (elapsed == 0 && glm::length(towards) > 0) {
            keys_.Steer(app, towards, input);
            return Progress::Running();
        }
        if (keys_.Held()) {
            keys_.Release(input);
            return Progress::Running();
        }
        return Progress::Done();
    }

  private:
    Face goal_;
    WalkKeys keys_;
};

// Degrees the aim must still turn: across (towards +x from +z) and down.
glm::vec2 AimError(const D3DXMain& app, const glm::vec3& target) {
    const glm::vec3& eye = app.lib.effect.camera.eye;
    const glm::vec3 view = app.lib.effect.camera.at - eye;
    const glm::vec3 want = target - eye;
    const auto down = [](const glm::vec3& v) {
        const float length = glm::length(v);
        return length > 0 ? -Degrees(std::asin(std::clamp(v.y / length, -1.0f, 1.0f))) : 0.0f;
    };
    float across = FacingOf(want) - FacingOf(view);
    across -= 360 * std::round(across / 360);
    return {across, down(want) - down(view)};
}

int32_t Pixels(float degrees) {
    if (std::abs(degrees) <= kAimTolerance) return 0;
    const auto pixels = static_cast<int32_t>(std::lround(degrees * kPixelsPerDegree));
    return std::clamp(pixels == 0 ? (degrees > 0 ? 1 : -1) : pixels, -kPixelLimit, kPixelLimit);
}

// Q held to aim, the pointer turns the aim onto the target, E throws, both let go.
class ThrowPlay final : public GoalPlay {
  public:
    explicit ThrowPlay(const ThrowAt& goal) : goal_(goal) {}

    Progress Step(const D3DXMain& app, uint32_t elapsed, ScriptedInput& input) override {
        const Personal& player = app.player;
        if (elapsed >= kThrowTimeout) return GiveUp(player, input);
        switch (phase_) {
            case Phase::Raise:
                throwsBefore_ = player.record.throwCount;
                SetKey(input, VirtualKey::Q, true);
                phase_ = Phase::Turn;
                return Progress::Running();
            case Phase::Turn: {
                if (player.aiming == 0) return Progress::Running();
                const glm::vec2 error = goal_.target ? AimError(app, *goal_.target) : glm::vec2(0);
                const platform::Point centre = app.lib.input.state.centre;
                const platform::Point move{Pixels(error.x), Pixels(error.y)};
                if (move.x == 0 && move.y == 0) {
                    phase_ = Phase::Fire;
                } else {
                    input.Apply(MouseMove{{centre.x + move.x, centre.y + move.y}});
                }
                return Progress::Running();
            }
            case Phase::Fire:
                if (player.record.throwCount != throwsBefore_) {
                    LetGo(input);
                    phase_ = Phase::Finished;
                    return Progress::Running();
                }
                // Tapped, not held: the hand takes a new press only once the last throw's
                // pause is over, and a press held through that pause is never taken.
                fireHeld_ = !fireHeld_;
                SetKey(input, VirtualKey::E, fireHeld_);
                return Progress::Running();
            case Phase::Finished:
                break;
        }
        return Progress::Done();
    }

  private:
    enum class Phase { Raise, Turn, Fire, Finished };

    void LetGo(ScriptedInput& input) {
        SetKey(input, VirtualKey::E, false);
        SetKey(input, VirtualKey::Q, false);
    }

    Progress GiveUp(const Personal& player, ScriptedInput& input) {
        LetGo(input);
        std::string why = "no dart left the hand";
        if (phase_ == Phase::Turn) {
            why = player.aiming == 0 ? "no aim: the player holds no darts or is not free"
                                     : "the aim did not settle on the target";
        }
        return Progress::Failed(why + " within " + std::to_string(kThrowTimeout) + " frames");
    }

    ThrowAt goal_;
    Phase phase_ = Phase::Raise;
    int32_t throwsBefore_ = 0;
    bool fireHeld_ = false;
};

class PressPlay final : public GoalPlay {
  public:
    explicit PressPlay(const Press& goal) : goal_(goal) {}

    Progress Step(const D3DXMain&, uint32_t elapsed, ScriptedInput& input) override {
        if (elapsed > 1) return Progress::Done();
        const bool down = elapsed == 0;
        if (const auto* key = std::get_if<VirtualKey>(&goal_.what)) {
            SetKey(input, *key, down);
            return Progress::Running();
        }
        if (!input.Pad().connected) input.Apply(PadConnect{true});
        input.Apply(PadButtonAction{std::get<uint16_t>(goal_.what), down});
        return Progress::Running();
    }

  private:
    Press goal_;
};

class WaitPlay final : public GoalPlay {
  public:
    explicit WaitPlay(const Wait& goal) : goal_(goal) {}

    Progress Step(const D3DXMain&, uint32_t elapsed, ScriptedInput&) override {
        return elapsed >= goal_.frames ? Progress::Done() : Progress::Running();
    }

  private:
    Wait goal_;
};

class WaitForPlay final : public GoalPlay {
  public:
    explicit WaitForPlay(const WaitFor& goal) : goal_(goal) {}

    Progress Step(const D3DXMain& app, uint32_t elapsed, ScriptedInput&) override {
        const Observation seen = Observe(goal_.condition, app);
        if (seen.holds) return Progress::Done();
        if (elapsed < goal_.timeout) return Progress::Running();
        return Progress::Failed("waited " + std::to_string(elapsed) + " frames for " +
                                Describe(goal_.condition) + ": " + seen.seen);
    }

  private:
    WaitFor goal_;
};

class ExpectPlay final : public GoalPlay {
  public:
    explicit ExpectPlay(const Expect& goal) : goal_(goal) {}

    Progress Step(const D3DXMain& app, uint32_t, ScriptedInput&) override {
        const Observation seen = Observe(goal_.condition, app);
        if (seen.holds) return Progress::Done();
        return Progress::Failed("expected " + Describe(goal_.condition) + ", found " + seen.seen);
    }

  private:
    Expect goal_;
};

// Done at once: the session pictures the frame the goal finished in (GoalRunner::TakeShots).
class ShotPlay final : public GoalPlay {
  public:
    Progress Step(const D3DXMain&, uint32_t, ScriptedInput&) override { return Progress::Done(); }
};

// Waits for a question, moves its highlight with Down until the answer is chosen and confirms
// with E, a key down one frame and up the next, until the box leaves the question.
class ChoosePlay final : public GoalPlay {
  public:
    explicit ChoosePlay(const Choose& goal) : goal_(goal) {}

    Progress Step(const D3DXMain& app, uint32_t elapsed, ScriptedInput& input) override {
        if (pressed_) {
            SetKey(input, *pressed_, false);
            pressed_.reset();
            return Progress::Running();
        }
        const TextBox* box = OpenBox(app);
        if (!question_ && box && AnswerCount(*box) == 2) question_ = box->lineIndex;
        if (question_ && (!box || box->lineIndex != *question_)) return Progress::Done();
        if (elapsed >= kQuestionTimeout) {
            return Progress::Failed(question_ ? "the question stayed open"
                                              : "no question was open");
        }
        if (!question_) return Progress::Running();
        pressed_ = box->choice == goal_.answer - 1 ? VirtualKey::E : VirtualKey::Down;
        SetKey(input, *pressed_, true);
        return Progress::Running();
    }

  private:
    Choose goal_;
    std::optional<int32_t> question_;  // the question's line in its box
    std::optional<VirtualKey> pressed_;
};

}  // namespace

std::unique_ptr<GoalPlay> MakePlay(const Goal& goal) {
    return std::visit(
        [](const auto& g) -> std::unique_ptr<GoalPlay> {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, WalkTo>) return std::make_unique<WalkToPlay>(g);
            if constexpr (std::is_same_v<G, Face>) return std::make_unique<FacePlay>(g);
            if constexpr (std::is_same_v<G, ThrowAt>) return std::make_unique<ThrowPlay>(g);
            if constexpr (std::is_same_v<G, Press>) return std::make_unique<PressPlay>(g);
            if constexpr (std::is_same_v<G, Wait>) return std::make_unique<WaitPlay>(g);
            if constexpr (std::is_same_v<G, WaitFor>) return std::make_unique<WaitForPlay>(g);
            if constexpr (std::is_same_v<G, Expect>) return std::make_unique<ExpectPlay>(g);
            if constexpr (std::is_same_v<G, Choose>) return std::make_unique<ChoosePlay>(g);
            if constexpr (std::is_same_v<G, Shot>) return std::make_unique<ShotPlay>();
        },
        goal);
}

}  // namespace driver
