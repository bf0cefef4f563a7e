#include "world/Enemy.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

#include "library/Angles.h"
#include "library/Format.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

namespace {

constexpr float kMarkerHeight = 0.35f;    // the marker's centre above the body's feet
constexpr int32_t kLungeStart = 100;      // the lunge clock counts down from here...
constexpr int32_t kLungeEnd = 60;         // ...moving the ghost while above this (39 frames)
constexpr float kLungeReach2 = 1.2f;      // squared distance at which a walking ghost lunges
constexpr int32_t kSequenceFrames = 100;  // the catch and the vanishing
constexpr float kArrived2 = 0.0001f;      // squared distance at which a breadcrumb is reached
constexpr float kWalkStep = 0.01f;        // per frame, times the speed factor
constexpr float kLungeStep = 0.02f;

glm::vec3 ToVec3(const Vec3f& v) {
    return {v[0], v[1], v[2]};
}

void SetVec3(Vec3f& out, const glm::vec3& v) {
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}

}  // namespace

Enemy::Enemy(FieldMaker gameOver) : gameOver_(gameOver) {
    flame.textureIndex = AssetRow("fire.bmp");
    flame.growth = {0.5f, 1.0f, 1.0f};
    flame.colour = {0, 0, 10};
    flame.alpha = 10;
    flame.emissive = {0, 0, 10, 10};
    flame.speed = 1.0f;
    flame.spread = 0.5f;
    flame.timeStep = 0.02f;
    flame.maxLife = 1.0f;
    flame.hidden = 1;
    particles.push_back(&flame);

    marker.modelIndex = AssetRow("sphere.x");
    marker.hidden = 1;
    marker.position = {0, kMarkerHeight, 0};
    marker.scale = glm::vec3(0.2f);
    marker.collider.type = COLL_SPHERE;
    hitBox.modelIndex = AssetRow("cube.x");
    hitBox.hidden = 1;
    hitBox.parent = &marker.world;
    hitBox.position = {0, 0.3f, 0};
    hitBox.scale = {1, 7, 1};
    hitBox.collider.type = COLL_OBB;
    meshes = {&marker, &hitBox};
    sounds = {&stepSound, &voiceSound};

    sight_.type = COLL_SEGMENT;
    ClearSightTrail();
}

Enemy::~Enemy() {
    // Darts stuck to the ghost follow its matrices, which are about to go.
    if (player == nullptr) return;
    for (auto& dart : player->darts) dart->Ground();
}

void Enemy::Init(Personal* scenePlayer, MyLibrary* sceneLibrary) {
    Scene::Init(scenePlayer, sceneLibrary);
    const SaveRecord& record = player->record;
    marker.position = record.enemyPos;
    marker.rotation.y = record.enemyYaw;
    pAnc.front()->pos = record.enemyPos;
}

void Enemy::Update() {
    SaveRecord& record = player->record;
    const bool fast = record.enemyFast == 1;
    moveSpeed = fast ? 2.0f : 1.0f;
    attackCooldown = fast ? 10 : 100;
    if (record.EnemyMode == kEnemyAbsent || record.EnemyMode == kEnemyDefeated) {
        flame.hidden = 1;
        body.hidden = 1;
        return;
    }
    if (record.EnemyMode == kEnemyChasing || record.EnemyMode == kEnemyCaught) {
        stepSound.Play();
        voiceSound.positional = 1;
        voiceSound.position = record.enemyPos;
        voiceSound.Play();
    }
    // Held by an event (or paused) the ghost stands still; its sounds go on.
    if (player->controlMode != kControlFree && player->controlMode != kControlCaught) return;
    StepMode();
    CommonStep();
    PlaceBody();
}

void Enemy::StepMode() {
    SaveRecord& record = player->record;
    switch (record.EnemyMode) {
        case kEnemyWaiting:
            body.LookToward(player->Position(), 1.0f);
            body.hidden = 0;
            if (hitBox.collider.hitState == HIT_BY_DART) record.EnemyMode = kEnemyChasing;
            break;
        case kEnemyChasing:
            body.hidden = 0;
            TrailStep();
            MoveStep();
            break;
        case kEnemyHoldingBack:
            body.hidden = 1;
            TrailStep();
            break;
        case kEnemyCaught:
            Caught();
            break;
        case kEnemyVanishing:
            Vanish();
            break;
        case kEnemyScriptedWalk:
            body.hidden = 0;
            body.MotType = Fish::kMotionWalk;
            break;
        default:
            break;
    }
}

void Enemy::Caught() {
    SaveRecord& record = player->record;
    glm::vec4& lightFactors = library->effect.lightFactors;
    player->controlMode = kControlCaught;
    body.MotType = Fish::kMotionCatch;
    const float progress = static_cast<float>(AtCount) / kSequenceFrames;
    lightFactors.x = -2.0f - 3.0f * progress;
    stepSound.volume = 1.0f - progress;
    if (++AtCount <= kSequenceFrames) return;
    AtCount = -kSequenceFrames;
    record.EnemyMode = kEnemyAbsent;
    player->SetSpawn(0, {0, 0, 0});
    lightFactors.x = 1.0f;
    if (std::unique_ptr<Scene> next = gameOver_ ? gameOver_() : nullptr) {
        parent->parent->AddChild(std::move(next));
    }
}

void Enemy::Vanish() {
    SaveRecord& record = player->record;
    player->controlMode = kControlCaught;
    const float left = static_cast<float>(kSequenceFrames - AtCount) / kSequenceFrames;
    SetVolumes(left);
    SetBodyAlpha(left);
    stepSound.Play();
    voiceSound.Play();
    body.LookToward(player->Position(), 1.0f);
    body.MotType = Fish::kMotionIdle;
    if (++AtCount <= kSequenceFrames) return;
    stepSound.FadeOutAndRewind(0);
    voiceSound.FadeOutAndRewind(0);
    record.EnemyMode = kEnemyDefeated;
    player->controlMode = kControlFree;
    SetVolumes(0);
}

void Enemy::CommonStep() {
    const int32_t mode = player->record.EnemyMode;
    if (mode == kEnemyAbsent) body.hidden = 1;
    if (mode == kEnemyAbsent || mode == kEnemyVanishing || mode == kEnemyDefeated) return;
    marker.Update(*library);
    marker.UpdateSphere();
    hitBox.Update(*library);
    hitBox.UpdateBox();
    if (hitBox.collider.hitState == HIT_BY_DART) TakeDartHit();
    Blink();
    SaveRecord& record = player->record;
    if (record.HitPoint < 1) {
        AtCount = 0;
        record.EnemyMode = kEnemyVanishing;
        SetBodyAlpha(1.0f);
        stepSound.FadeOutAndRewind(0);
        voiceSound.FadeOutAndRewind(0);
    }
    PushOutOfSolids();
}

void Enemy::TakeDartHit() {
    SaveRecord& record = player->record;
    if (record.dartsFinished == 0) {
        // Darts do the ghost no harm until the darts puzzle has been finished.
        library->steamworks.Award(kDartAward);
        return;
    }
    if (record.EnemyMode == kEnemyCaught || Muteki > 0) return;
    Muteki = kInvincibleFrames;
    record.HitPoint = std::max(record.HitPoint - 1, 0);
}

void Enemy::Blink() {
    if (Muteki <= 0) {
        SetBodyAlpha(1.0f);
        flame.hidden = 1;
        return;
    }
    flame.hidden = 0;
    flame.position = player->record.enemyPos - glm::vec3(0, 0.4f, 0);
    // Fades out over the first half of the invincible frames and back in over the second.
    const int32_t half = kInvincibleFrames / 2;
    const float b = static_cast<float>(Muteki < half + 1 ? half - Muteki : Muteki - half) / half;
    voiceSound.volume = b;
    SetBodyAlpha(b);
    --Muteki;
}

void Enemy::PushOutOfSolids() {
    glm::vec3& position = player->record.enemyPos;
    OBB& sphere = marker.collider;
    for (CollObj* shape : parent->colliders) {
        if (shape->kind != KIND_SOLID) continue;
        if (library->collision.Test(sphere, *shape) == 0) continue;
        const glm::vec3 push = ToVec3(sphere.push);
        position += push;
        // Later shapes see the corrected place, so a corner of two shapes is not pushed twice.
        SetVec3(sphere.centre, ToVec3(sphere.centre) + push);
    }
}

void Enemy::PlaceBody() {
    const SaveRecord& record = player->record;
    marker.position = record.enemyPos;
    body.root.position = record.enemyPos - glm::vec3(0, kMarkerHeight, 0);
    body.root.rotation.y = record.enemyYaw;
    body.beadCount = record.HitPoint;
    body.Update(*library);
}

bool Enemy::SightBlocked(const glm::vec3& from, const glm::vec3& to) {
    sight_.radius = marker.collider.radius;
    SetVec3(sight_.start, from);
    SetVec3(sight_.end, to);
    for (CollObj* shape : parent->colliders) {
        if (shape->kind != KIND_SOLID) continue;
        if (library->collision.Test(sight_, *shape) != 0) return true;
    }
    return false;
}

void Enemy::TrailStep() {
    SaveRecord& record = player->record;
    const glm::vec3 target = player->Position();
    if (!SightBlocked(record.enemyPos, target)) {
        sightBlocked = 0;
        ClearSightTrail();
        pAnc.front()->pos = target;
        return;
    }
    sightBlocked = 1;
    if (pAnc.size() >= kMaxTrail) {
        // No more breadcrumbs: the ghost makes for the one it is walking to and waits there.
        body.MotType = Fish::kMotionIdle;
        currentAnchor->next = nullptr;
        record.enemyYaw = FacingOf(SafeNormalise(currentAnchor->pos - record.enemyPos));
    } else {
        ExtendTrail();
    }
    ArriveAtAnchor();
}

void Enemy::ClearSightTrail() {
    // In sight the trail is two fresh breadcrumbs: the player's place, then the one that will
    // follow the player once out of sight.
    if (pAnc.size() != 2) {
        pAnc.clear();
        pAnc.push_back(std::make_unique<AnchorNode>());
        pAnc.push_back(std::make_unique<AnchorNode>());
    }
    for (auto& node : pAnc) *node = AnchorNode{.pos = node->pos};
    currentAnchor = tailAnchor = pAnc.front().get();
    tailAnchor->next = pAnc.back().get();
}

void Enemy::ExtendTrail() {
    const glm::vec3 target = player->Position();
    AnchorNode& following = *tailAnchor->next;
    following.pos = target;
    if (!SightBlocked(tailAnchor->pos, target)) return;
    // The player has gone out of the last breadcrumb's sight: drop one where they stand.
    tailAnchor = &following;
    tailAnchor->next = FreeNode();
}

AnchorNode* Enemy::FreeNode() {
    for (auto& node : pAnc) {
        if (node->used == 0) {
            *node = AnchorNode{.pos = node->pos};
            return node.get();
        }
    }
    pAnc.push_back(std::make_unique<AnchorNode>());
    return pAnc.back().get();
}

void Enemy::ArriveAtAnchor() {
    SaveRecord& record = player->record;
    const glm::vec3 gap = currentAnchor->pos - record.enemyPos;
    if (glm::dot(gap, gap) >= kArrived2 || currentAnchor->used == 0) return;
    if (currentAnchor->next == nullptr) {
        record.EnemyMode = kEnemyWaiting;  // the trail ran out
        return;
    }
    currentAnchor->used = 0;
    currentAnchor = currentAnchor->next;
}

void Enemy::MoveStep() {
    SaveRecord& record = player->record;
    if (AtCount < 0) {
        // Recovering from a lunge: turning back towards the player.
        ++AtCount;
        body.LookToward(player->Position(),
                        static_cast<float>(AtCount + kSequenceFrames) / kSequenceFrames);
        body.MotType = Fish::kMotionIdle;
        return;
    }
    body.headTurn = body.bodyTurn = 0;
    if (AtFlag == 1) {
        body.MotType = Fish::kMotionAttack;
        --AtCount;
        if (AtCount < 1) {
            AtFlag = 0;
            AtCount = -attackCooldown;
        } else if (AtCount > kLungeEnd) {
            record.enemyPos += lungeDir * (kLungeStep * moveSpeed);
            if (marker.collider.hitState == HIT_BY_PLAYER) {
                AtCount = 0;
                AtFlag = 0;
                record.EnemyMode = kEnemyCaught;
                stepSound.FadeOutAndRewind(0);
            }
        }
        return;
    }
    const glm::vec3 d = SafeNormalise(currentAnchor->pos - record.enemyPos);
    record.enemyPos += d * (kWalkStep * moveSpeed);
    record.enemyYaw = FacingOf(d);
    body.MotType = Fish::kMotionWalk;
    const glm::vec3 gap = player->Position() - record.enemyPos;
    if (sightBlocked == 0 && glm::dot(gap, gap) < kLungeReach2) {
        lungeDir = d;
        AtFlag = 1;
        AtCount = kLungeStart;
    }
}

void Enemy::Draw() {
    body.DrawRig(*library, library->effect.inShadowPass == 1);
}

void Enemy::SetBodyAlpha(float alpha) {
    for (CObjMesh* part : body.parts) part->colour = {1, 1, 1, alpha};
}

void Enemy::SetVolumes(float volume) {
    for (CObjSound* sound : {&stepSound, &voiceSound}) {
        sound->fadeStep = volume;
        sound->volume = volume;
    }
}

std::u16string Enemy::DebugText(const std::u16string& text) const {
    const SaveRecord& record = player->record;
    return FormatText(
        u"%s\nHitPoint = %d\nEnemyMode = %d\npAnc.size = %zd\nMuteki = %d\nAtFlag = "
        u"%d\nAtCount = %d\ny = %f\n",
        text + Name(), record.HitPoint, record.EnemyMode, pAnc.size(), Muteki, AtFlag, AtCount,
        static_cast<double>(AtCount) / 100 + 100);
}
