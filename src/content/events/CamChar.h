#pragma once
#include "scene/Scene.h"
#include "world/CObjMesh.h"

namespace Ev {

// The camera that follows the player's character. Each frame the live camera's target eases
// toward the player, faster the farther away the player is, and the eye keeps a fixed offset
// from the target. The player's aiming view, later in the frame, overrides both.
class CamChar : public Scene {
  public:
    CamChar();

    void Update() override;
    const char16_t* Name() const override { return u"CharCam"; }

    // Never drawn; its position is the eye's offset from the target, in world units.
    CObjMesh mesh;
};

// How far the target moves toward a player `toPlayer` away this frame: normalise(d) × |d|² ×
// 0.02, but never past the player (from 50 units away the plain rule would overshoot, and from
// 100 swing ever wider).
glm::vec3 TargetStep(const glm::vec3& toPlayer);

}  // namespace Ev
