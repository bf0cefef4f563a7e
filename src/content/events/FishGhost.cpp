#include "content/events/FishGhost.h"

#include <algorithm>

#include "levels/Upstairs.h"
#include "library/Angles.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

enum Step : int32_t {
    kWaiting = 0,   // until the player comes along the corridor
    kCrossing = 1,  // walking across it
    kGone = 2,      // out of sight until the player reaches the far end
    kFading = 3,    // standing at the far end, fading
    kDone = 4,
};

// The north corridor is watched from ahead of the player, looking back: the fish crosses it
// behind them, from the roof door to room 201's door, and is gone into the room. At the corner the
// view turns down the west corridor, where the fish stands waiting and fades.
constexpr int32_t kCrossFrames = 200;
constexpr int32_t kFadeFrames = 100;
constexpr float kCrossFrom = 12.5f;  // the player's z
constexpr glm::vec3 kCrossStart{2.6f, level::kF3Floor, 11.5f};
constexpr glm::vec3 kCrossEnd{0.1f, level::kF3Floor, 7.6f};
constexpr float kFadeFrom = 29.5f;  // the player's z
constexpr glm::vec3 kFarEnd{-10.5f, level::kF3Floor, 31.1f};
constexpr float kFacingTheCorner = 90;
constexpr int32_t kCrossedStage = 21;
constexpr int32_t kFadedStage = 22;

}  // namespace

FishGhost::FishGhost() {
    fish.hidden = 1;  // until it crosses
    walk.SetKey(0, kCrossStart);
    walk.SetKey(kCrossFrames, kCrossEnd);
}

void FishGhost::Init(Personal* player, MyLibrary*) {
    // A story already past the apparition resumes it.
    if (player->record.storyStage == kCrossedStage) step = kGone;
    if (player->record.storyStage >= kFadedStage) step = kDone;
}

void FishGhost::Update() {
    SaveRecord& record = player->record;
    const glm::vec3& at = player->Position();
    if (step == kWaiting && at.z >= kCrossFrom) {
        record.storyStage = kCrossedStage;
        step = kCrossing;
    }
    if (step == kCrossing) {
        fish.hidden = 0;
        fish.MotType = Fish::kMotionWalk;
        fish.root.position = walk.Sample(clock);
        fish.root.rotation.y = FacingOf(kCrossEnd - kCrossStart);
        if (++clock > kCrossFrames) {
            fish.hidden = 1;
            step = kGone;
            clock = 0;
        }
    }
    if (step == kGone && at.z >= kFadeFrom) {
        record.storyStage = kFadedStage;
        fish.hidden = 0;
        step = kFading;
    }
    if (step == kFading) Fade();
    fish.Update(*library);
}

void FishGhost::Fade() {
    fish.MotType = Fish::kMotionIdle;
    fish.root.position = kFarEnd;
    fish.root.rotation.y = kFacingTheCorner;
    const float alpha = 1.0f - std::min(static_cast<float>(clock) / kFadeFrames, 1.0f);
    for (CObjMesh* part : fish.parts) part->colour = {1, 1, 1, alpha};
    if (++clock > kFadeFrames) {
        fish.hidden = 1;
        step = kDone;
    }
}

void FishGhost::Draw() {
    fish.DrawRig(*library, library->effect.inShadowPass == 1);
}

}  // namespace Ev
