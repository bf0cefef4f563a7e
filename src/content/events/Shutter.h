#pragma once
// The upper corridor's fire shutter and its control panel. The shutter closes the way to the
// stairs down to the lobby until the panel raises it; the panel wants light to be read and the
// fire out before it answers.
#include <cstdint>

#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/KeyCurve.h"

namespace Ev {

// The story stage from which the shutter stands raised.
inline constexpr int32_t kShutterRaisedStage = 12;

class Shutter final : public Scene {
  public:
    Shutter();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"Shutter"; }

    CObjMesh shutter;  // placed by the field, solid while it stands down
    CObjMesh trigger;  // the reach in front of it, hanging from it

  private:
    static constexpr int32_t kNotMoving = -1;

    void Lift(float height);

    TextBox box_;
    KeyCurve rise_;
    CObjSound rumble_;
    CObjSound clank_;
    float baseHeight_ = 0;
    int32_t frame_ = kNotMoving;  // the frame of the rise, while it rises
    bool raised_ = false;
};

class BoukaSwitch final : public Scene {
  public:
    BoukaSwitch();
    void Update() override;
    const char16_t* Name() const override { return u"BoukaSwitch"; }

    CObjMesh trigger;  // placed and sized by the field

  private:
    TextBox& Chosen();

    TextBox alarm_;    // the fire is still burning somewhere
    TextBox dark_;     // nothing can be read without the hand light
    TextBox control_;  // the fire is out: raise the shutter?
};

}  // namespace Ev
