#pragma once
// The things the player picks up: the keys of the inn's locks, the extinguisher and the radio.
// Examined, each says what was found and goes into the inventory as key k (entry 5 + k, with its
// one-time `itemTaken[k]`); a taken pickup is hidden and never offered again. One row each in a
// table; the classes the fields create are the table's rows.
#include <cstdint>

#include "content/events/Notes.h"
#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"

struct SaveRecord;

namespace Ev {

struct PickupRow {
    const char16_t* name;
    int32_t key;
    NoteLines lines;
    int32_t achievement;                 // awarded as it is taken; -1 none
    bool takenOnExamine;                 // in the inventory from the first look, not the last line
    bool glints;                         // small enough to miss: it catches the light
    void (*alsoTaken)(SaveRecord&);      // what else taking it changes; may be null
    bool (*offered)(const SaveRecord&);  // whether it can be taken yet; null: always
};

class Pickup : public Scene {
  public:
    void Update() override;
    const char16_t* Name() const override { return row_.name; }

    CObjMesh item;     // placed by the field; hidden once taken
    CObjMesh trigger;  // the reach around the item, hanging from it

  protected:
    explicit Pickup(const PickupRow& row);
    bool Taken() const;

  private:
    void Take();

    const PickupRow& row_;
    TextBox box_;
};

namespace pickup {
extern const PickupRow kDining_Key, kKey203, kGenkanKey, kRest_Women_Key, kSyoukaki, kWood_Chair,
    kRazikase;
}  // namespace pickup

template <const PickupRow& row>
class PickupOf final : public Pickup {
  public:
    PickupOf() : Pickup(row) {}
};

using Dining_Key = PickupOf<pickup::kDining_Key>;          // in the women's bath, key 3
using Key203 = PickupOf<pickup::kKey203>;                  // in the staff room's key box, key 6
using GenkanKey = PickupOf<pickup::kGenkanKey>;            // the front-door key in room 203, key 7
using Rest_Women_Key = PickupOf<pickup::kRest_Women_Key>;  // the roof key in the toilets, key 1
using Syoukaki = PickupOf<pickup::kSyoukaki>;              // the fire extinguisher, key 2
using Wood_Chair = PickupOf<pickup::kWood_Chair>;          // the key under a chair, key 4

// The radio left playing in the men's bath, muffled by the steam; taken, it falls silent and its
// battery lid gives up key 5.
class Razikase final : public Pickup {
  public:
    Razikase();
    void Update() override;

  private:
    CObjSound music_;
};

// The staff room's key box, locked with key 5; open, it shows what hangs inside.
class KeyDesk final : public Scene {
  public:
    KeyDesk();
    void Update() override;
    const char16_t* Name() const override { return u"KeyDesk"; }

    CObjMesh trigger;  // placed and sized by the field

  private:
    TextBox locked_;
    TextBox unlocking_;
    TextBox open_;
    CObjSound openSound_;
};

}  // namespace Ev
