#include "content/events/FishGhost.h"

#include <algorithm>

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

constexpr int32_t kCrossFrames = 200;
constexpr int32_t kFadeFrames = 100;
constexpr float kCrossFrom = 2.8f;  // the player's x
constexpr float kFadeFrom = 29.5f;  // the player's z
constexpr int32_t kCrossedStage = 21;
constexpr int32_t kFadedStage = 22;
constexpr glm::vec3 kFarEnd{-7.9f, 2.56f, 32.0f};

}  // namespace

FishGhost::FishGhost() {
    walk.SetKey(0, {1.0f, 2.56f, 31.1f});
    walk.SetKey(kCrossFrames, {-1.0f, 2.56f, 31.1f});
}

void FishGhost::Init(Personal* player, MyLibrary*) {
    // A story already past the apparition resumes it.
    if (player->record.storyStage == kCrossedStage) step = kGone;
    if (player->record.storyStage >= kFadedStage) {
        step = kDone;
        fish.hidden = 1;
    }
}

void FishGhost::Update() {
    SaveRecord& record = player->record;
    const glm::vec3& at = player->Position();
    if (step == kWaiting && at.x < kCrossFrom) {
        record.storyStage = kCrossedStage;
        step = kCrossing;
    }
    if (step == kCrossing) {
        fish.MotType = Fish::kMotionWalk;
        fish.root.position = walk.Sample(clock);
        fish.root.rotation.y = -90;
        if (++clock > kCrossFrames) {
            step = kGone;
            clock = 0;
        }
    }
    if (step == kGone && at.z >= kFadeFrom) {
        record.storyStage = kFadedStage;
        step = kFading;
    }
    if (step == kFading) Fade();
    fish.Update(*library);
}

void FishGhost::Fade() {
    fish.MotType = Fish::kMotionIdle;
    fish.root.position = kFarEnd;
    fish.root.rotation.y = 0;
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
