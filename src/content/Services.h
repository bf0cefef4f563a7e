#pragma once
#include <array>
#include <cstdint>
#include <string>

#include <glm/vec2.hpp>

#include "library/AchievementList.h"
#include "library/Camera.h"
#include "library/EffectLighting.h"
#include "library/SteamworksHelper.h"

class Input;
class MyLibrary;
struct SystemSettings;

namespace content {

// The engine as the game's content sees it: the live view, the room's light and sound, the
// mirror, the achievement record, and for the menus the controls, texts, settings and clock.
// Fields and events reach the engine through this one narrow surface instead of the library's
// whole set of headers. A view of the library, cheap to make.
class Services {
  public:
    explicit Services(MyLibrary& library) : library_(library) {}

    // The camera every 3-D pass looks through; fields and camera events place it.
    Camera& LiveCamera() const;
    // The light, fog and sun of the room, and the hand-held light's values.
    FieldLighting& Lighting() const;
    // A mirror in view: its reflected camera is drawn in the mirror pass of this frame.
    Camera& MirrorCamera() const;
    void ShowMirror() const;
    // The room's reverb preset (an index of the preset table), applied from the next frame.
    void UseReverb(uint32_t preset) const;
    // Unlocks an achievement; repeats are ignored.
    void Award(int32_t achievement) const;
    AwardCounters& Counters() const;
    // Every achievement, each marked whether it has been earned (in this run or an earlier one).
    std::array<AchievementEntry, kAchievementCount> Achievements() const;

    // The buttons and the cursor, for the screens that are menus (the title).
    Input& Controls() const;
    // Where the pointer is, in the overlay's layout (origin at the centre, y up).
    glm::vec2 Pointer() const;
    // The text of a key, for lines the game composes from it (a missing key gives the key).
    const std::u16string& Text(const char16_t* key) const;
    // The settings record, with the clear-time records.
    SystemSettings& Settings() const;
    // The game clock, milliseconds: the play time counts it.
    uint32_t NowMs() const;

  private:
    MyLibrary& library_;
};

}  // namespace content
