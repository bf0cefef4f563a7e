#pragma once
#include <cstdint>

#include "scene/Scene.h"
#include "world/Fish.h"
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

}  // namespace Ev
