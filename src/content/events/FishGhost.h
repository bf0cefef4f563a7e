#pragma once
#include <cstdint>

#include "scene/Scene.h"
#include "world/Fish.h"
#include "world/KeyCurve.h"
#include "world/Motion.h"

namespace Ev {

// The upper corridor late in the night (from stage 20): a fish walks across the corridor behind
// the player, then stands at the far end of the next one and fades away.
class FishGhost final : public Scene {
  public:
    FishGhost();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    void Draw() override;
    const char16_t* Name() const override { return u"FishGhost"; }

    Fish fish;
    int32_t step = 0;
    int32_t clock = 0;
    MotionTrack walk;  // where the fish crosses, by clock

  private:
    void Fade();
};

// The square, when the guest first steps out of the inn (stage 18): behind them by a lantern a
// fish stands facing the inn, turns its head to watch them go, and sinks from sight. From then on
// the night has turned (stage 19).
class TenYen final : public Scene {
  public:
    TenYen();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    void Draw() override;
    const char16_t* Name() const override { return u"TenYen"; }

    Fish fish;
    int32_t clock = -1;  // frames since it appeared; −1 before it does

  private:
    KeyCurve alpha_;
    KeyCurve yaw_;
    KeyCurve sink_;
    KeyCurve look_;  // how far its head and body turn towards the player
};

}  // namespace Ev
