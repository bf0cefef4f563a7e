#pragma once
#include "scene/Scene.h"
#include "world/CObjMesh.h"

namespace Ev {

// A fixed view for one zone: while the player stands in the trigger volume the live camera looks
// from the eye marker at the target marker. The markers show exactly when the trigger does (to
// lay the zone out), and a trigger with castsShadow 0 switches the view off.
class CamFix : public Scene {
  public:
    CamFix();

    void Update() override;
    const char16_t* Name() const override { return u"CamFix"; }

    CObjMesh eyeMarker;
    CObjMesh targetMarker;
    CObjMesh trigger;  // a box sensor
};

}  // namespace Ev
