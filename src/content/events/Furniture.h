#pragma once
// The guest room's furniture that moves when examined: the refrigerator and the safe, whose doors
// swing out on their hinges, and the closet panel that slides aside from the note kept behind it.
#include <cstdint>

#include <glm/vec3.hpp>

#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/KeyCurve.h"

namespace Ev {

// A cabinet's parts and how its door moves.
struct CabinetRow {
    const char16_t* name;
    int32_t bodyModel;
    int32_t doorModel;
    glm::vec3 hinge;      // the door's origin in the body's frame
    int32_t openFrames;   // the door stands open once its counter passes this
    float openAngle;      // degrees of yaw; positive swings the door out to the front
    int32_t achievement;  // awarded as the door starts to move; -1 none
    bool shutsWhenLeft;   // swings shut by itself once the player steps away
};

// A piece of furniture with a hinged door: examined shut, the door swings open over the row's
// frames; examined open, it shows what is inside.
class Cabinet : public Scene {
  public:
    const char16_t* Name() const override { return row_.name; }

    CObjMesh body;     // solid; placed by the field
    CObjMesh door;     // hangs from the body at its hinge
    CObjMesh trigger;  // the reach in front of the body, hangs from it

  protected:
    explicit Cabinet(const CabinetRow& row);

    // On examine: a shut door starts to open, an open one shows `inside`.
    void OpenOrShow(TextBox& inside);
    // Moves the door on by a frame.
    void SwingDoor();

  private:
    enum class Swing : uint8_t { Closed, Opening, Open, Closing };

    const CabinetRow& row_;
    KeyCurve angle_;
    CObjSound openSound_;
    CObjSound closeSound_;
    Swing state_ = Swing::Closed;
    int32_t counter_ = 0;
};

namespace cabinet {
extern const CabinetRow kReizouko, kKinko;
}  // namespace cabinet

// The guest room's small refrigerator, all but empty; opening it is rewarded.
class Reizouko final : public Cabinet {
  public:
    Reizouko();
    void Update() override;

  private:
    TextBox inside_;
};

// The guest room's old safe: shut fast until the night has gone on; then it opens once and gives
// up the charm kept in it.
class Kinko final : public Cabinet {
  public:
    Kinko();
    void Update() override;

  private:
    TextBox locked_;
    TextBox inside_;
};

// The closet panel with a note behind it: examined, it slides aside; examined again, the note is
// read; examined where it has slid to, it slides back.
class Memo final : public Scene {
  public:
    Memo();
    void Update() override;
    const char16_t* Name() const override { return u"Memo"; }

    CObjMesh trigger;  // before the panel; placed by the field, unscaled: the panel hangs from it
    CObjMesh closer;   // before the panel slid aside, hangs from the trigger
    CObjMesh panel;    // hangs from the trigger

  private:
    KeyCurve slide_;
    CObjSound sound_;
    TextBox note_;
    bool open_ = false;
    int32_t counter_ = 0;
};

}  // namespace Ev
