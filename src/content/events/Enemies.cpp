#include "content/events/Enemies.h"

#include <algorithm>
#include <glm/geometric.hpp>

#include "content/Services.h"
#include "content/events/Examine.h"
#include "library/Angles.h"
#include "library/AssetNames.h"
#include "library/Format.h"
#include "scene/Personal.h"
#include "world/Enemy.h"

namespace Ev {
namespace {

constexpr int32_t kComeOnFrame = 90;  // a ghost held back comes on after this many frames
constexpr int32_t kCountLimit = 100;
constexpr int32_t kGuestBathStage = 7;
constexpr float kGuestBathNotice2 = 6.25f;  // squared: 2.5 units
constexpr int32_t kGuestBathAward = 9;
constexpr int32_t kChangingRoomStage = 14;
constexpr glm::vec3 kChangingRoomBaths{-5.0f, 0.35f, 0.0f};  // the ghost appears on this side
constexpr int32_t kWatchFrames = 80;
constexpr int32_t kLobbyWalkStage = 13;
constexpr float kLobbyWalkFrom = 3.53f;  // the player's x
constexpr int32_t kWalkFrames = 200;

SaveRecord& Record(Scene& event) {
    return event.player->record;
}

}  // namespace

void ActiveEnemy::Init(Personal* player, MyLibrary*) {
    count = 0;
    int32_t& mode = player->record.EnemyMode;
    if (mode == kEnemyChasing) {
        mode = kEnemyHoldingBack;
    } else if (mode == kEnemyHoldingBack) {
        mode = kEnemyChasing;
    }
}

void ActiveEnemy::Update() {
    int32_t& mode = Record(*this).EnemyMode;
    if (mode != kEnemyChasing && mode != kEnemyHoldingBack) return;
    count = std::min(count + 1, kCountLimit);
    if (count == kComeOnFrame) mode = kEnemyChasing;
}

std::u16string ActiveEnemy::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\ncount = %d\n", text + Name(), count);
}

EnemyGuestBath::EnemyGuestBath() : scare(AssetRow("oop.wav")) {
    sounds.push_back(&scare);
}

void EnemyGuestBath::Update() {
    SaveRecord& record = Record(*this);
    if (record.storyStage != kGuestBathStage) return;
    switch (record.EnemyMode) {
        case kEnemyAbsent:
            record.EnemyMode = kEnemyWaiting;
            break;
        case kEnemyWaiting: {
            const glm::vec3 gap = player->Position() - record.enemyPos;
            if (glm::dot(gap, gap) < kGuestBathNotice2) {
                scare.Play();
                record.EnemyMode = kEnemyChasing;
            }
            break;
        }
        case kEnemyDefeated:
            record.storyStage = kGuestBathStage + 1;
            record.EnemyMode = kEnemyAbsent;
            content::Services(*library).Award(kGuestBathAward);
            break;
        default:
            break;
    }
}

Datui_Enemy::Datui_Enemy()
    : voice(AssetRow("voice.wav")), steps(AssetRow("fish.wav")), scare(AssetRow("oop.wav")) {
    sounds = {&voice, &steps, &scare};
}

void Datui_Enemy::Update() {
    SaveRecord& record = Record(*this);
    const glm::vec3 at = player->Position();
    switch (record.EnemyMode) {
        case kEnemyAbsent:
            if (record.storyStage != kChangingRoomStage || player->aiming != 0) break;
            record.EnemyMode = kEnemyWaiting;
            record.enemyPos = at + SafeNormalise(kChangingRoomBaths - at);
            scare.Play();
            break;
        case kEnemyWaiting: {
            record.enemyYaw = FacingOf(SafeNormalise(at - record.enemyPos)) / 2;
            PlayAt(voice, record.enemyPos);
            PlayAt(steps, record.enemyPos);
            if (++wait <= kWatchFrames) break;
            voice.FadeOutAndRewind(0);
            steps.FadeOutAndRewind(0);
            record.EnemyMode = kEnemyChasing;
            break;
        }
        case kEnemyDefeated:
            record.storyStage = kChangingRoomStage + 1;
            record.EnemyMode = kEnemyAbsent;
            break;
        default:
            break;
    }
}

std::u16string Datui_Enemy::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\nwait = %d\n", text + Name(), wait);
}

EnemyWalk::EnemyWalk() : steps(AssetRow("fish.wav")) {
    sounds.push_back(&steps);
    path.SetKey(0, {1.0f, 0.35f, 42.0f});
    path.SetKey(kWalkFrames, {-1.0f, 0.35f, 42.0f});
}

void EnemyWalk::Init(Personal* player, MyLibrary*) {
    player->record.HitPoint = SaveRecord{}.HitPoint;
    player->record.EnemyMode = kEnemyScriptedWalk;
}

void EnemyWalk::Update() {
    if (player->controlMode == kControlHeld) return;
    SaveRecord& record = Record(*this);
    record.enemyYaw = 270;
    if (step == 0 && player->Position().x < kLobbyWalkFrom) {
        record.storyStage = kLobbyWalkStage;
        step = 1;
    }
    if (step != 1) return;
    steps.Play();
    if (++clock > kWalkFrames) {
        steps.FadeOutAndRewind(0);
        record.EnemyMode = kEnemyAbsent;
        step = 2;
    }
    const glm::vec3 at = path.Sample(clock);
    record.enemyPos.x = at.x;
    record.enemyPos.z = at.z;
}

}  // namespace Ev
