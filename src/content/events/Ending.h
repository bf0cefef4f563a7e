#pragma once
// The end of the night: out on the square at dawn, the view draws back from the guest to the inn,
// the last lines are read, and the play is summed up: its time, the darts thrown and the times
// caught. The result is taken once; dismissed, it leads back to the title.
#include <cstdint>
#include <string>

#include "library/EffectLighting.h"
#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjFVF.h"
#include "world/CObjText.h"
#include "world/Motion.h"

namespace Ev {

class Ending final : public Scene {
  public:
    Ending();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"Ending"; }

    enum class Phase : int32_t { Leaving, Reading, Dawn, Result };
    Phase Current() const { return phase_; }
    const std::u16string& ResultLine() const { return resultLine_; }

  private:
    void Daybreak(float share);
    void TakeResult();

    TextBox lines_;
    CObjFVF resultBand_;
    CObjText result_;
    CObjText prompt_;  // how to go on from the result
    std::u16string resultLine_;
    MotionTrack eye_;
    FieldLighting night_;  // the square's light as the ending began
    Phase phase_ = Phase::Leaving;
    int32_t clock_ = 0;
};

}  // namespace Ev
