#pragma once
// The doors that do not simply open: locked ones that use up a key from the inventory, ones that
// wait for a point of the story, and ones that tell something before the player goes through.
// One row each in a table; the plain key doors are the table's rows, the others add a hook.
#include <cstdint>

#include "content/events/Doors.h"
#include "content/events/Notes.h"
#include "library/TextBox.h"
#include "world/CObjSound.h"

struct SaveRecord;

namespace Ev {

struct LockRow {
    const char16_t* name;
    int32_t key;                      // the key its lock uses up; -1: it has none
    NoteLines locked;                 // shown while it stays shut
    NoteLines unlocking;              // shown as the key turns
    NoteLines passing;                // shown before going through, while the door tells it
    bool rattles;                     // the lock is heard when it stays shut
    const char16_t* plate = nullptr;  // the name on a door's plate; null: no plate
};

// Examined: shut, it shows why (and rattles); with its key held, the key is used up and it
// unlocks; open, it tells its lines if it has any, then the player goes through. `Look` is what
// the player sees of it: a wooden `Door`, or nothing but its trigger (`ExitBase`) where the room's
// own model draws the doorway.
template <typename Look>
class Locked : public Look {
  public:
    void Update() override;
    const char16_t* Name() const override { return row_.name; }

  protected:
    Locked(int32_t exitIndex, const LockRow& row);

    // The hooks of the doors that are not plain key doors.
    virtual bool Open() const;  // by default: no key, or its key used up
    virtual bool CanUnlock() const { return true; }
    virtual bool TellsFirst() const;  // by default: whenever it has passing lines
    virtual TextBox& ShutBox() { return locked_; }
    virtual void Passed() {}  // what going through changes besides the exit's own row

    const SaveRecord& Record() const;

  private:
    void Pass();

    const LockRow& row_;
    TextBox locked_;
    TextBox unlocking_;
    TextBox passing_;
    CObjSound lockSound_;
    CObjSound openSound_;
};

using LockedDoor = Locked<Door>;
using LockedPassage = Locked<ExitBase>;

namespace lock {
extern const LockRow kDining_Door, kStaff_Door, kDoor202, kDoorRoof, kLobbyIriguti, kLobby_Door,
    kDining_Door2, kDining_Door_In, kDoor201, kDoor203, kDoor203Exit, kDoorRoofTop, kSecret_Door,
    kScDoor, kGuestRoomDoor, kLockedFromOutside, kDatui_Door, kDatui_Harigami, kRest_Women_Door;
}  // namespace lock

template <const LockRow& row>
class LockedDoorOf final : public LockedDoor {
  public:
    explicit LockedDoorOf(int32_t exitIndex) : LockedDoor(exitIndex, row) {}
};

using Dining_Door = LockedDoorOf<lock::kDining_Door>;    // lobby → dining room, key 3
using Staff_Door = LockedDoorOf<lock::kStaff_Door>;      // lobby → staff room, key 4
using Door202 = LockedDoorOf<lock::kDoor202>;            // corridor → room 202, key 0
using DoorRoof = LockedDoorOf<lock::kDoorRoof>;          // corridor → roof stairs, key 1
using LobbyIriguti = LockedDoorOf<lock::kLobbyIriguti>;  // the entrance, key 7
using Lobby_Door = LockedDoorOf<lock::kLobby_Door>;      // staff room → lobby

template <const LockRow& row>
class LockedPassageOf final : public LockedPassage {
  public:
    explicit LockedPassageOf(int32_t exitIndex) : LockedPassage(exitIndex, row) {}
};

using Datui_Door = LockedPassageOf<lock::kDatui_Door>;  // women's changing room → corridor

// The notice on the women's bath door: closed for cleaning, and water running inside. It is read
// until what was lost in there has been found.
class Datui_Harigami final : public LockedPassage {
  public:
    explicit Datui_Harigami(int32_t exitIndex) : LockedPassage(exitIndex, lock::kDatui_Harigami) {}

  protected:
    bool TellsFirst() const override;
};

// The dining room's second door, latched from inside until the player opens it from there.
class Dining_Door2 final : public LockedDoor {
  public:
    explicit Dining_Door2(int32_t exitIndex) : LockedDoor(exitIndex, lock::kDining_Door2) {}

  protected:
    bool Open() const override;
};

// That door seen from inside: the latch is lifted the first time.
class Dining_Door_In final : public LockedDoor {
  public:
    explicit Dining_Door_In(int32_t exitIndex) : LockedDoor(exitIndex, lock::kDining_Door_In) {}

  protected:
    bool TellsFirst() const override;
};

// Room 201, locked until its key has been found inside; a fire crackles behind it until the
// extinguisher has been used.
class Door201 final : public LockedDoor {
  public:
    explicit Door201(int32_t exitIndex);
    void Update() override;

  protected:
    bool Open() const override;

  private:
    CObjSound fire_;
};

// Room 203 stands ajar once its key has been taken from the staff room; going in moves the story
// on.
class Door203 final : public LockedDoor {
  public:
    explicit Door203(int32_t exitIndex) : LockedDoor(exitIndex, lock::kDoor203) {}

  protected:
    bool Open() const override;
    bool TellsFirst() const override;
    void Passed() override;
};

// Room 203 from inside: it lets the player out only once the front-door key has been found.
class Door203Exit final : public LockedDoor {
  public:
    explicit Door203Exit(int32_t exitIndex);
    void Update() override;

  protected:
    bool CanUnlock() const override;
    TextBox& ShutBox() override;

  private:
    TextBox watched_;
};

// The roof's door back to the stairs: the first time through, the player feels watched.
class DoorRoofTop final : public LockedDoor {
  public:
    explicit DoorRoofTop(int32_t exitIndex) : LockedDoor(exitIndex, lock::kDoorRoofTop) {}

  protected:
    bool TellsFirst() const override;
};

// The women's toilet's door: it holds fast while the ghost is in the room; going out leaves the
// ghost behind.
class Rest_Women_Door final : public LockedDoor {
  public:
    explicit Rest_Women_Door(int32_t exitIndex) : LockedDoor(exitIndex, lock::kRest_Women_Door) {}

  protected:
    bool Open() const override;
    void Passed() override;
};

// The hidden room's shrine door, humming with the room's air: through it the night ends.
class ScDoor final : public LockedDoor {
  public:
    explicit ScDoor(int32_t exitIndex);
    void Update() override;

  private:
    CObjSound hum_;
};

// The guest room's door to the corridor: it will not give until the charm is back on its post.
class GuestRoomDoor final : public LockedDoor {
  public:
    explicit GuestRoomDoor(int32_t exitIndex) : LockedDoor(exitIndex, lock::kGuestRoomDoor) {}

  protected:
    bool Open() const override;
    void Passed() override;  // the first step out of the room is rewarded
};

// Room 201's door seen from inside: locked from the corridor, it never opens from here.
class LockedFromOutside final : public LockedDoor {
  public:
    LockedFromOutside() : LockedDoor(kNoExit, lock::kLockedFromOutside) {}

  protected:
    bool Open() const override { return false; }

  private:
    static constexpr int32_t kNoExit = -1;
};

// The gap in the corridor's wallpaper, which gives way late in the night.
class Secret_Door final : public LockedDoor {
  public:
    explicit Secret_Door(int32_t exitIndex) : LockedDoor(exitIndex, lock::kSecret_Door) {}

  protected:
    bool Open() const override;
};

}  // namespace Ev
