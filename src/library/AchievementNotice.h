#pragma once
#include <cstdint>
#include <optional>

#include "platform/gfx/Device.h"
#include "world/CObjFVF.h"
#include "world/CObjText.h"
#include "world/KeyCurve.h"

class MyLibrary;
class SteamworksHelper;

// The short notice of a new award in the top right corner: a heading and the achievement's name
// on a dark panel, faded in, held for a few seconds and faded out; awards made meanwhile wait
// their turn. It never covers a dialogue box or the pause menu: while one is open the notice is
// hidden and its time stands still.
class AchievementNotice {
  public:
    static constexpr int32_t kFrames = 240;  // on screen, fades included

    AchievementNotice();
    AchievementNotice(const AchievementNotice&) = delete;
    AchievementNotice& operator=(const AchievementNotice&) = delete;

    // Once a frame after the field's: `held` while a dialogue box or the pause menu is open.
    void Update(SteamworksHelper& record, bool held);
    // Over the whole frame, its fade included; nothing while hidden.
    void Draw(MyLibrary& library);

    // The achievement on screen now; nullopt while none is, or while the notice is held.
    std::optional<int32_t> Shown() const;

  private:
    void Layout(gfx::Size layout);

    std::optional<int32_t> current_;  // the award being announced, shown or held
    int32_t frame_ = 0;               // of its time on screen
    bool visible_ = false;
    float alpha_ = 0.0f;
    KeyCurve fade_;
    CObjFVF panel_;
    CObjFVF accent_;  // a lantern-coloured edge, so the panel reads as the game's own
    CObjText heading_;
    CObjText name_;
};
