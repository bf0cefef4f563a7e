#pragma once
// The ways out of a field: invisible trigger volumes and sliding doors, each firing one row of the
// exit table.
#include <cstdint>

#include <glm/vec3.hpp>

#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjText.h"

struct ExitRow;

namespace Ev {

// Takes exit `exit` of the table when the player is free and touches `trigger`, with the action
// input unless the exit is walked through. An index of no exit never fires.
class ExitBase : public Scene {
  public:
    void Update() override;
    // Puts the exit where its field's table says: a trigger volume of `size` centred at
    // `position`; a door stands there instead, turned by `yaw` degrees.
    virtual void Place(const glm::vec3& position, const glm::vec3& size, float yaw);

    int32_t exit;
    CObjMesh trigger;  // an invisible box, the event's first mesh

  protected:
    explicit ExitBase(int32_t exitIndex);
    // Goes through: the exit's row into the next field. Nothing for an index of no exit.
    void Leave();
    bool StoryReached(int32_t stage) const;

  private:
    const ExitRow* Row() const;
};

// An invisible volume at the mouth of a passage or a stair.
class ExitTrigger final : public ExitBase {
  public:
    explicit ExitTrigger(int32_t exitIndex) : ExitBase(exitIndex) {}
    const char16_t* Name() const override { return u"HitFlag"; }
};

// A way that stands in its field all along but lets the player through only from a stage of the
// story on, so that it opens while the player is still in the field.
template <int32_t kFromStage>
class ExitFromStage final : public ExitBase {
  public:
    explicit ExitFromStage(int32_t exitIndex) : ExitBase(exitIndex) {}
    void Update() override {
        if (StoryReached(kFromStage)) ExitBase::Update();
    }
    const char16_t* Name() const override { return u"HitFlag"; }
};

// A sliding wooden door in its frame, examined from the front.
class Door : public ExitBase {
  public:
    explicit Door(int32_t exitIndex);
    const char16_t* Name() const override { return u"Door"; }
    void Place(const glm::vec3& position, const glm::vec3& size, float yaw) override;

    // Stands the door against a wall: `surface` the foot of the wall's face, `yaw` degrees turning
    // the door's front (−z unturned) to face away from the wall.
    void Stand(const glm::vec3& surface, float yaw);
    // A name plate over the door, showing the text of `key`.
    void ShowPlate(const char16_t* key);

    CObjMesh frame;
    CObjMesh panel;  // hangs from the frame
    CObjMesh knob;   // hangs from the panel
    CObjMesh plate;  // hangs from the frame; none until shown
    CObjText name;   // on the plate
};

}  // namespace Ev
