#include "content/events/Scenes.h"

#include <glm/common.hpp>

#include "content/Services.h"
#include "content/events/BathroomDoor.h"
#include "content/events/Blocks.h"
#include "content/events/Examine.h"
#include "levels/GuestRooms.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"
#include "world/EnemyState.h"
#include "world/gt_Model.h"

namespace Ev {
namespace {

constexpr int32_t kDrunkStage = 4;
constexpr int32_t kSunkStage = 6;
constexpr int32_t kSinkFrames = 200;
constexpr glm::vec4 kSunkLight{0.8f, 0.8f, 0.9f, 1.0f};  // the sun's colour scaled by this at last
constexpr int32_t kSinkAward = 2;
constexpr int32_t kSwallowEvery = 40;  // motion frames between the swallows
// The knocks at the door, frames of a 300-frame round.
constexpr int32_t kKnockRound = 300;
constexpr int32_t kKnocks[] = {100, 140, 250};
constexpr glm::vec3 kBottleReach{1.0f, 1.2f, 1.0f};

constexpr int32_t kFanStage = 7;
constexpr int32_t kFanAward = 8;
constexpr int32_t kSwitchedOnLine = 2;  // the question's second answer
constexpr int32_t kRattleEvery = 90;

}  // namespace

Drug::Drug()
    : crickets_(AssetRow("suzumusi.wav")),
      swallow_(AssetRow("step2.wav")),
      knock_(AssetRow("keylock.wav")) {
    bottle.modelIndex = AssetRow("bottle.x");
    MakeTrigger(trigger);
    trigger.parent = &bottle.world;
    trigger.scale = kBottleReach;
    meshes = {&bottle, &trigger};
    sounds = {&crickets_, &swallow_, &knock_};
    box_.AddLine(u"Ev_Guest_Room_0");
    box_.Register(*this);
}

void Drug::Update() {
    const int32_t stage = player->record.storyStage;
    bottle.hidden = stage >= kDrunkStage ? 1 : 0;
    if (stage < kDrunkStage) {
        Drink();
        return;
    }
    crickets_.FadeOutAndRewind(0);
    if (stage == kBathroomReachableStage) DimTheRoom();
    if (stage == kBathroomReachableStage || stage == kSunkStage) KnockNowAndThen();
}

void Drug::Drink() {
    Personal& guest = *player;
    switch (phase_) {
        case Phase::Waiting:
            PlayAt(crickets_, bottle.position);
            if (!Examined(trigger, guest)) break;
            guest.controlMode = kControlHeld;
            guest.motion = gt_Model::kMotionRaiseHand;
            guest.bodyModel.frame = 0;
            phase_ = Phase::Drinking;
            break;
        case Phase::Drinking: {
            // The body's clock has stepped this frame: it passes the motion's end only once.
            const int32_t frame = guest.bodyModel.frame;
            if (frame % kSwallowEvery == 0) PlayAt(swallow_, bottle.position);
            const int32_t end = guest.bodyModel.motions[gt_Model::kMotionRaiseHand].LastKey();
            if (frame <= end) break;
            Show(box_, guest);
            phase_ = Phase::Reading;
            break;
        }
        case Phase::Reading:
            if (Finished(box_, *this)) guest.record.storyStage = kDrunkStage;
            break;
    }
}

void Drug::DimTheRoom() {
    FieldLighting& light = content::Services(*library).Lighting();
    if (!lightBefore_) lightBefore_ = light.sunColour;
    const float t = static_cast<float>(dimClock_ % kSinkFrames) / kSinkFrames;
    light.sunColour = glm::mix(*lightBefore_, *lightBefore_ * kSunkLight, t);
    if (++dimClock_ < kSinkFrames) return;
    player->record.storyStage = kSunkStage;
    content::Services(*library).Award(kSinkAward);
}

void Drug::KnockNowAndThen() {
    knockClock_ = knockClock_ % kKnockRound + 1;
    for (int32_t knock : kKnocks) {
        constexpr level::Point kDoor = level::kGuestRoomCorridorDoor;
        if (knockClock_ == knock) PlayAt(knock_, {kDoor.x, kDoor.y, kDoor.z});
    }
}

AirSwitch::AirSwitch() : click_(AssetRow("keylock.wav")) {
    MakeTrigger(trigger);
    meshes.push_back(&trigger);
    sounds.push_back(&click_);
    constexpr int32_t kLeftAlone = 1;
    box_.AddQuestion(u"Ev_Guest_Bath_0", kLeftAlone, kSwitchedOnLine);
    box_.AddJumpLine(u"Ev_Guest_Bath_1");
    box_.AddLine(u"Ev_Guest_Bath_2");
    box_.Register(*this);
}

void AirSwitch::Update() {
    SaveRecord& record = player->record;
    const bool working =
        record.storyStage >= kBathroomReachableStage && record.storyStage < kFanStage;
    if (working && Examined(trigger, *player)) {
        switchedOn_ = false;
        Show(box_, *player);
    }
    if (box_.IsOpen() && box_.lineIndex == kSwitchedOnLine && !switchedOn_) {
        switchedOn_ = true;
        PlayAt(click_, trigger.position);
    }
    if (!Finished(box_, *this) || !switchedOn_ || !working) return;
    record.storyStage = kFanStage;
    content::Services(*library).Award(kFanAward);
}

Air::Air() : hum_(AssetRow("ari.wav")), rattle_(AssetRow("keylock.wav")) {
    mouth.modelIndex = Ev::kCubeModel;
    mouth.hidden = 1;
    meshes.push_back(&mouth);
    hum_.loop = 1;
    sounds = {&hum_, &rattle_};
}

void Air::Update() {
    const SaveRecord& record = player->record;
    if (record.storyStage < kFanStage) return;
    PlayAt(hum_, mouth.position);
    const bool ghostAbout =
        record.EnemyMode >= kEnemyWaiting && record.EnemyMode <= kEnemyHoldingBack;
    if (ghostAbout && ++rattleClock_ % kRattleEvery == 0) PlayAt(rattle_, mouth.position);
}

}  // namespace Ev
