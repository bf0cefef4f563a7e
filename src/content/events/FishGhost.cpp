#include "content/events/FishGhost.h"

#include <algorithm>

#include "levels/Outdoor.h"
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

// The square: the fish appears by the lantern at the forecourt's steps once the player is well out
// onto the square, where the view looks back at the inn over them; out there its pale skin gives
// a faint light of its own.
constexpr float kSeenFrom = 28.0f;  // the player's z
constexpr glm::vec3 kByTheLantern{3.4f, level::kForecourtTop, 32.6f};
constexpr glm::vec3 kPaleGlow{0.55f, 0.62f, 0.7f};
constexpr float kPaleGlowStrength = 0.5f;
constexpr int32_t kSeenStage = 19;
constexpr int32_t kFadeInUntil = 40, kTurnFrom = 70, kTurnUntil = 150, kSinkFrom = 210,
                  kGoneAt = 270;

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
    fish.SetAlpha(alpha);
    if (++clock > kFadeFrames) {
        fish.hidden = 1;
        step = kDone;
    }
}

void FishGhost::Draw() {
    fish.DrawRig(*library, library->effect.inShadowPass == 1);
}

TenYen::TenYen() {
    fish.hidden = 1;
    for (CObjMesh* part : fish.parts) {
        part->emissive = kPaleGlow;
        part->emissiveIntensity = kPaleGlowStrength;
    }
    alpha_.Add(0, 0);
    alpha_.Add(kFadeInUntil, 1);
    alpha_.Add(kSinkFrom, 1);
    alpha_.Add(kGoneAt, 0);
    // Facing the doors, then turning half round as it watches.
    yaw_.Add(0, 0);
    yaw_.Add(kTurnFrom, 0);
    yaw_.Add(kSinkFrom, 110);
    yaw_.Add(kGoneAt, 110);
    sink_.Add(0, 0);
    sink_.Add(kSinkFrom, 0);
    sink_.Add(kGoneAt, -0.5f);
    look_.Add(0, 0);
    look_.Add(kTurnFrom, 0);
    look_.Add(kTurnUntil, 1);
    look_.Add(kGoneAt, 1);
}

void TenYen::Init(Personal* scenePlayer, MyLibrary*) {
    if (scenePlayer->record.storyStage >= kSeenStage) clock = kGoneAt;
}

void TenYen::Update() {
    if (clock >= kGoneAt) return;
    if (clock < 0 && player->Position().z < kSeenFrom) {
        player->record.storyStage = kSeenStage;
        clock = 0;
    }
    if (clock < 0) return;
    fish.hidden = 0;
    fish.MotType = Fish::kMotionIdle;
    // The curves are read below their last key, where they do not wrap round.
    fish.root.position = kByTheLantern + glm::vec3(0, sink_.Value(clock), 0);
    fish.root.rotation.y = yaw_.Value(clock);
    fish.SetAlpha(alpha_.Value(clock));
    fish.LookToward(player->Position(), look_.Value(clock));
    if (++clock == kGoneAt) fish.hidden = 1;
    fish.Update(*library);
}

void TenYen::Draw() {
    fish.DrawRig(*library, library->effect.inShadowPass == 1);
}

}  // namespace Ev
