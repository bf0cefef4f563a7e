#pragma once
// The puzzles solved with darts thrown at something out of reach: the women's changing room's wall
// clock, which each dart drives an hour on until it strikes five, and room 202's hanging lamp,
// which darts in quick succession swing hard enough to shake loose the hand light tied to it.
#include <array>
#include <cstdint>
#include <string>

#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/Flashlight.h"
#include "world/KeyCurve.h"
#include "world/Motion.h"

namespace Ev {

// The story stage the clock sets when it first shows five o'clock.
inline constexpr int32_t kClockStruckFiveStage = 14;

// Where a clock's hands point at `seconds` past midnight: degrees clockwise from twelve.
struct ClockHands {
    float hour;
    float minute;
    float second;
};
ClockHands HandsAt(int32_t seconds);

class Clock final : public Scene {
  public:
    static constexpr int32_t kStartTime = 3600;  // one o'clock
    static constexpr int32_t kStruckFive = 5 * 3600;

    Clock();
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"Clock"; }

    // Seconds past midnight the face shows.
    int32_t Time() const { return time_; }
    bool Running() const { return framesToRun_ > 0; }

    CObjMesh clock;                 // placed by the field on a wall
    CObjMesh face;                  // the reach of darts at its dial, hanging from the clock
    std::array<CObjMesh, 3> hands;  // hour, minute, second: hanging from the clock

  private:
    void TurnHands();

    CObjSound tick_;
    int32_t time_ = kStartTime;
    int32_t framesToRun_ = 0;  // left of the hour a dart set going; 0 while it stands
};

class Denki202 final : public Scene {
  public:
    // Each dart that strikes the lamp swings it this much harder; the swing dies away by
    // kSwingDecay a frame, and above kShakenLoose the hand light falls.
    static constexpr float kSwingPerDart = 0.2f;
    static constexpr float kSwingDecay = 0.002f;
    static constexpr float kShakenLoose = 0.6f;
    static constexpr int32_t kFallFrames = 40;

    enum class LightState { Hanging, Falling, Fallen };

    Denki202();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"Denki202"; }

    float Swing() const { return swing_; }
    LightState State() const { return state_; }

    CObjMesh lamp;     // placed by the field at its ceiling rose, turned by yaw only
    Flashlight light;  // tied below the lamp until it falls
    CObjMesh trigger;  // the reach around the light where it lies

  private:
    void SwingLamp();
    void Shine();
    void StartFall();
    void Fall();
    void Examine();

    KeyCurve swingCurve_;  // one swing there and back, degrees at full power
    MotionTrack fallPath_;
    MotionTrack fallTurn_;
    TextBox box_;
    CObjSound thud_;
    glm::vec3 restingTurn_{0.0f};  // the lamp's placed rotation
    float swing_ = 0;              // the swing's power
    int32_t swingFrame_ = 0;       // runs 0 to the curve's end and back
    int32_t swingStep_ = 1;
    int32_t fallFrame_ = 0;
    LightState state_ = LightState::Hanging;
};

}  // namespace Ev
