#pragma once
#include <cstdint>

#include "scene/Scene.h"

namespace Fld {

// The test room: a small walled floor with the examinable message cube in front of the spawn
// point, boxes to walk against, and a wall panel facing the spawn point to throw darts at. The
// camera follows the player's character.
class TestRoom : public Scene {
  public:
    static constexpr int32_t kNumber = 0;
    static constexpr int32_t kStoryStage = 20;

    void Init(Personal* player, MyLibrary* library) override;
    const char16_t* Name() const override { return u"TestRoom"; }
};

}  // namespace Fld
