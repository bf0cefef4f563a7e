#pragma once
// The events that script the ghost's appearances: its entrance into a room during a chase, the
// guest bathroom's and the women's changing room's scares, and its walk across the lobby.
#include <cstdint>
#include <string>

#include "scene/Scene.h"
#include "world/CObjSound.h"
#include "world/Motion.h"

namespace Ev {

// A chase carried into a room: the ghost holds back out of sight at first and comes on after 90
// frames. Coming in while it held back in the room before brings it on at once.
class ActiveEnemy final : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"ActiveEnemy"; }

    int32_t count = 0;
};

// The guest bathroom's ghost (stage 7): it appears and waits, comes for a player who steps within
// 2.5 units, and its defeat moves the story on.
class EnemyGuestBath final : public Scene {
  public:
    EnemyGuestBath();
    void Update() override;
    const char16_t* Name() const override { return u"EnemyGuestBath"; }

    CObjSound scare;
};

// The women's changing room (stage 14): the ghost appears at the player's shoulder, watches them
// for 80 frames, then gives chase; its defeat moves the story on.
class Datui_Enemy final : public Scene {
  public:
    Datui_Enemy();
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"Datui_Enemy"; }

    CObjSound voice;
    CObjSound steps;
    CObjSound scare;
    int32_t wait = 0;
};

// The lobby (before stage 13): the ghost crosses the far end of the hall once the player comes
// in, and is gone.
class EnemyWalk final : public Scene {
  public:
    EnemyWalk();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"EnemyWalk"; }

    CObjSound steps;
    MotionTrack path;
    int32_t step = 0;
    int32_t clock = 0;
};

}  // namespace Ev
