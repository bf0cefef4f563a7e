#pragma once
#include "scene/Scene.h"

namespace Fld {

// A tatami room of the upper floor, watched from high on its east wall while the player is in its
// west half (the entry, the closet, the bathroom's door), from the corner by the bathroom's nook
// otherwise.
class TatamiRoom : public Scene {
  public:
    void Update() override;
};

// The player's guest room.
class Guest_Room final : public TatamiRoom {
  public:
    const char16_t* Name() const override { return u"Guest_Room"; }
    void Init(Personal* player, MyLibrary* library) override;
};

// Room 201, shut from the corridor: it is left by taking its key.
class Fld_201 final : public TatamiRoom {
  public:
    const char16_t* Name() const override { return u"Fld_201"; }
    void Init(Personal* player, MyLibrary* library) override;
};

// Room 202.
class Fld_202 final : public TatamiRoom {
  public:
    const char16_t* Name() const override { return u"Fld_202"; }
    void Init(Personal* player, MyLibrary* library) override;
};

// Room 203.
class Fld_203 final : public TatamiRoom {
  public:
    const char16_t* Name() const override { return u"Fld_203"; }
    void Init(Personal* player, MyLibrary* library) override;
};

// The hidden room: the guest room's plan again, unshadowed and glaring, its entry's door the way
// out of the inn.
class SecretRoom final : public TatamiRoom {
  public:
    const char16_t* Name() const override { return u"SecretRoom"; }
    void Init(Personal* player, MyLibrary* library) override;
};

// A unit bathroom of a guest room, watched from its south wall while the player is near its door,
// from above its basin otherwise.
class UnitBath : public Scene {
  public:
    void Update() override;
};

// The guest room's bathroom.
class Guest_Bath final : public UnitBath {
  public:
    const char16_t* Name() const override { return u"Guest_Bath"; }
    void Init(Personal* player, MyLibrary* library) override;
};

// Room 201's bathroom, whose duct leads up to the roof's boiler.
class Fld_201_Bath final : public UnitBath {
  public:
    const char16_t* Name() const override { return u"Fld_201_Bath"; }
    void Init(Personal* player, MyLibrary* library) override;
};

}  // namespace Fld
