#pragma once
// The telephone booth on the square, whose telephone rings all night. Answered, it is the inn
// calling its guest home: the dawn that comes down the line is no dawn, and the night ends there.
#include <cstdint>

#include "library/EffectLighting.h"
#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/KeyCurve.h"
#include "world/Motion.h"

namespace Ev {

class publictel final : public Scene {
  public:
    publictel();
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"publictel"; }

    // What the booth is doing; the order is the order a call runs in.
    enum class Phase : int32_t {
        Closed,
        Opening,
        Open,
        Closing,
        Lifting,  // the receiver taken up: the player steps into the doorway
        Listening,
        Dawn,  // the light outside turns white
    };
    Phase Current() const { return phase_; }

    CObjMesh booth;    // placed by the field; solid, its doorway towards the booth's -z
    CObjMesh hinge;    // the door's hinge post, turned by the door curve
    CObjMesh door;     // the glazed door, hung from the hinge
    CObjMesh trigger;  // before the doorway

  private:
    void Examine();
    void Answer();
    void StepIn();
    void WatchTheDawn();
    glm::vec3 BoothPoint(const glm::vec3& local) const;

    TextBox ringing_;  // the call, and whether to answer it
    TextBox silent_;   // after letting it ring
    TextBox call_;     // the voice on the line
    CObjSound openSound_;
    CObjSound closeSound_;
    CObjSound dawnSound_;
    KeyCurve doorAngle_;
    MotionTrack stepIn_;
    Phase phase_ = Phase::Closed;
    int32_t doorClock_ = 0;
    int32_t callClock_ = 0;
    bool rangOff_ = false;      // the call was let ring out on this visit
    FieldLighting nightLight_;  // the square's light when the dawn began
};

}  // namespace Ev
