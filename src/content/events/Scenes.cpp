#include "content/events/Scenes.h"

#include <algorithm>
#include <cmath>

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include "collision/CollObj.h"
#include "content/Inventory.h"
#include "content/Services.h"
#include "content/events/BathroomDoor.h"
#include "content/events/Blocks.h"
#include "content/events/Examine.h"
#include "content/fields/FieldFactory.h"
#include "levels/GuestRooms.h"
#include "library/Angles.h"
#include "library/AssetNames.h"
#include "library/Format.h"
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

// The boiler's loose panel, in the boiler's space: high on its front, and where it lies fallen.
constexpr glm::vec3 kPanelOn{0, 0.7f, -0.33f};  // proud of the casing: darts meet it first
constexpr glm::vec3 kPanelSize{0.9f, 0.45f, 0.03f};
constexpr glm::vec3 kPanelDown{0.15f, 0.02f, -0.8f};
constexpr glm::vec3 kPanelLying{-90, 15, 0};
constexpr int32_t kFallFrames = 20;
constexpr int32_t kClatterAt = 18;
constexpr int32_t kRoofLeftStage = 9;  // once the roof's door has been used, its ghost is gone
constexpr glm::vec3 kBoilerReach{1.6f, 1.6f, 1.2f};

// A toilet stall: its door swings open in a few frames; a trap drags the player to its mouth,
// then in, spinning, until the door slams, and a moment of darkness ends the game.
constexpr float kStallOpen = -70;  // the open door's turn, degrees
constexpr int32_t kOpenFrames = 8;
constexpr int32_t kDragFrames = 8;
constexpr int32_t kSpinUntil = 150;
constexpr int32_t kSlamAt = 145;
constexpr float kSpinPerFrame = 10;
constexpr int32_t kDarkFrames = 30;
constexpr glm::vec3 kStallReach{0.8f, 1.6f, 0.6f};
constexpr glm::vec3 kDoorMiddle{0.4f, 0, 0};       // from the hinge
constexpr glm::vec3 kStallInside{0.35f, 0, 0.9f};  // the toilet, from the hinge
constexpr float kBreathVolume = 0.25f;
constexpr int32_t kRoom202Key = 0;
constexpr int32_t kKeyAwardWithNote = 10, kKeyAwardWithoutNote = 11, kTrapAward = 12;

constexpr int32_t kChairMoveFrames = 50;
constexpr float kChairNotices = 3.0f;  // how near the player comes before the chair moves
constexpr int32_t kChairAward = 21;

}  // namespace

Drug::Drug()
    : crickets_(AssetRow("suzumusi.wav")),
      swallow_(AssetRow("step2.wav")),
      knock_(AssetRow("keylock.wav")) {
    bottle.modelIndex = AssetRow("bottle.x");
    MakeTrigger(trigger);
    trigger.scale = kBottleReach;
    meshes = {&bottle, &trigger};
    sounds = {&crickets_, &swallow_, &knock_};
    box_.AddLine(u"Ev_Guest_Room_0");
    box_.Register(*this);
}

void Drug::Init(Personal*, MyLibrary*) {
    trigger.position = bottle.position;
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

Boiler::Boiler()
    : crickets_(AssetRow("suzumusi.wav")),
      hum_(AssetRow("ari.wav")),
      clatter_(AssetRow("oop.wav")),
      scare_(AssetRow("oop.wav")) {
    body.modelIndex = AssetRow("roof_boiler.x");
    body.collider.type = COLL_OBB;
    body.collider.kind = KIND_SOLID;
    panel.modelIndex = Ev::kCubeModel;
    panel.parent = &body.world;
    panel.position = kPanelOn;
    panel.scale = kPanelSize;
    panel.colour = {0.72f, 0.71f, 0.64f, 1.0f};
    panel.collider.type = COLL_OBB;
    panel.collider.kind = KIND_DART_STOPPER;  // a dart sticks in it
    MakeTrigger(trigger);
    trigger.parent = &body.world;
    trigger.position = {0, kBoilerReach.y / 2, -0.3f - kBoilerReach.z / 2};
    trigger.scale = kBoilerReach;
    meshes = {&body, &panel, &trigger};
    hum_.loop = 1;
    sounds = {&crickets_, &hum_, &clatter_, &scare_};
    loose_.AddLine(u"Ev_Roof_Top_0");
    gap_.AddLine(u"Ev_Roof_Top_1");
    loose_.Register(*this);
    gap_.Register(*this);
    fallPosition_.SetKey(0, kPanelOn);
    fallPosition_.SetKey(kFallFrames / 2, {0.1f, 0.5f, -0.65f});
    fallPosition_.SetKey(kFallFrames, kPanelDown);
    fallTurn_.SetKey(0, {0, 0, 0});
    fallTurn_.SetKey(kFallFrames, kPanelLying);
}

void Boiler::Init(Personal* scenePlayer, MyLibrary*) {
    if (scenePlayer->record.storyStage < kBoilerGapStage) return;
    state_ = Panel::Fallen;
    panel.position = kPanelDown;
    panel.rotation = kPanelLying;
}

void Boiler::Update() {
    const glm::vec3 at(body.world[3]);
    PlayAt(crickets_, at);
    PlayAt(hum_, at);
    const bool gapOpen = player->record.storyStage >= kBoilerGapStage;
    if (Examined(trigger, *player)) Show(gapOpen ? gap_ : loose_, *player);
    Finished(loose_, *this);
    Finished(gap_, *this);
    if (state_ == Panel::Wobbling) Wobble();
    if (state_ == Panel::Falling) Fall();
    panel.Update(*library);
    panel.UpdateBox();
}

void Boiler::Wobble() {
    constexpr float kWobbleDegrees = 4.0f;
    constexpr int32_t kWobblePeriod = 50;
    const float phase = static_cast<float>(clock_++ % kWobblePeriod) / kWobblePeriod;
    panel.rotation.z = kWobbleDegrees * std::sin(phase * 6.2831853f);
    if (panel.collider.hitState != HIT_BY_DART) return;
    player->AttachLastDart(panel.world);
    state_ = Panel::Falling;
    clock_ = 0;
}

void Boiler::Fall() {
    ++clock_;
    panel.position = fallPosition_.Sample(clock_);
    panel.rotation = fallTurn_.Sample(clock_);
    if (clock_ == kClatterAt) PlayAt(clatter_, glm::vec3(body.world[3]));
    if (clock_ <= kFallFrames) return;
    SaveRecord& record = player->record;
    if (record.storyStage < kRoofLeftStage && record.EnemyMode == kEnemyAbsent) {
        record.EnemyMode = kEnemyChasing;
        PlayAt(scare_, glm::vec3(body.world[3]));
    }
    record.storyStage = std::max(record.storyStage, kBoilerGapStage);
    state_ = Panel::Fallen;
}

Rest_Men_Toile::Rest_Men_Toile(bool trap)
    : trap_(trap),
      doorSound_(AssetRow("dooropen.wav")),
      slam_(AssetRow("doorclose.wav")),
      breath_(AssetRow("voice.wav")),
      scare_(AssetRow("oop.wav")) {
    door.modelIndex = AssetRow("rest_door.x");
    MakeTrigger(trigger);
    trigger.scale = kStallReach;
    meshes = {&door, &trigger};
    breath_.loop = 1;
    breath_.volume = kBreathVolume;
    sounds = {&doorSound_, &slam_, &breath_, &scare_};
    opened_.AddLine(u"Ev_Rest_Men_10");
    key_.AddLine(u"Ev_Rest_Men_11");
    key_.AddLine(u"Ev_Rest_Men_12");
    opened_.Register(*this);
    key_.Register(*this);
}

void Rest_Men_Toile::Hang(const glm::vec3& hinge) {
    door.position = hinge;
    trigger.position = hinge + kDoorMiddle + glm::vec3(0, kStallReach.y / 2, -kStallReach.z / 2);
}

void Rest_Men_Toile::Update() {
    switch (state_) {
        case Stall::Shut:
            if (trap_) PlayAt(breath_, trigger.position);
            if (Examined(trigger, *player)) {
                player->Yaw() = FacingOf(door.position + kDoorMiddle - player->Position());
                Show(opened_, *player);
            }
            if (Finished(opened_, *this)) state_ = Stall::Opening;
            break;
        case Stall::Opening:
            Open();
            break;
        case Stall::Open:
            GiveKey();
            break;
        case Stall::Dragging:
        case Stall::Spinning:
        case Stall::Dark:
            Drag();
            break;
        case Stall::Done:
            break;
    }
}

void Rest_Men_Toile::Open() {
    door.rotation.y = kStallOpen * static_cast<float>(++clock_) / kOpenFrames;
    if (clock_ < kOpenFrames) return;
    PlayAt(doorSound_, trigger.position);
    clock_ = 0;
    if (!trap_) {
        state_ = Stall::Open;
        return;
    }
    breath_.FadeOutAndRewind(0);
    PlayAt(scare_, trigger.position);
    const glm::vec3 from = player->Position();
    const glm::vec3 mouth = door.position + kDoorMiddle + glm::vec3(0, from.y, 0);
    const glm::vec3 inside = door.position + kStallInside + glm::vec3(0, from.y, 0);
    drag_.SetKey(0, from);
    drag_.SetKey(kDragFrames, mouth);
    drag_.SetKey(kSpinUntil, inside);
    state_ = Stall::Dragging;
}

void Rest_Men_Toile::GiveKey() {
    SaveRecord& record = player->record;
    if (Examined(trigger, *player)) {
        if (content::KeyTaken(record, kRoom202Key)) {
            state_ = Stall::Done;
            return;
        }
        Show(key_, *player);
    }
    if (!Finished(key_, *this) || content::KeyTaken(record, kRoom202Key)) return;
    record.itemTaken[kRoom202Key] = 1;
    content::SetKeyHeld(record, kRoom202Key, true);
    PlayPickupCue(*player);
    const content::Services engine(*library);
    if (engine.Counters().toiletTrapTaken == 0) {
        engine.Award(engine.Counters().toiletNoteRead ? kKeyAwardWithNote : kKeyAwardWithoutNote);
    }
}

void Rest_Men_Toile::Drag() {
    Personal& guest = *player;
    guest.controlMode = kControlHeld;
    ++clock_;
    if (state_ == Stall::Dark) {
        if (clock_ < kDarkFrames) return;
        const content::Services engine(*library);
        engine.Award(kTrapAward);
        engine.Counters().toiletTrapTaken = 1;
        guest.motion = gt_Model::kMotionRest;
        guest.SetSpawn(0, {0, 0, 0});
        parent->parent->AddChild(MakeGameover());
        state_ = Stall::Done;
        return;
    }
    guest.Position() = guest.followPoint = drag_.Sample(clock_);
    if (clock_ > kDragFrames) {
        state_ = Stall::Spinning;
        guest.Yaw() += kSpinPerFrame;
    }
    if (clock_ == kSlamAt) {
        door.rotation.y = 0;
        PlayAt(slam_, trigger.position);
    }
    if (clock_ < kSpinUntil) return;
    state_ = Stall::Dark;
    clock_ = 0;
}

std::u16string Rest_Men_Toile::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\nGOFlag = %d\n", text + Name(), trap_ ? 1 : 0);
}

LobbyChair::LobbyChair() {
    chair.modelIndex = AssetRow("chair_tesuri.x");
    chair.collider.type = COLL_OBB;
    chair.collider.kind = KIND_SOLID;
    meshes.push_back(&chair);
}

void LobbyChair::Init(Personal* scenePlayer, MyLibrary*) {
    constexpr glm::vec3 kSlide{0.5f, 0, 0}, kTurn{0, 30, 0};
    slide_.SetKey(0, chair.position);
    slide_.SetKey(kChairMoveFrames, chair.position + kSlide);
    turn_.SetKey(0, chair.rotation);
    turn_.SetKey(kChairMoveFrames, chair.rotation + kTurn);
    if (scenePlayer->record.flagLobbyChair != 0) Pose(kChairMoveFrames);
}

void LobbyChair::Update() {
    SaveRecord& record = player->record;
    if (record.flagLobbyChair != 0) return;
    if (clock_ < 0 && glm::distance(player->Position(), chair.position) < kChairNotices) clock_ = 0;
    if (clock_ < 0) return;
    Pose(++clock_);
    chair.Update(*library);
    chair.UpdateBox();
    if (clock_ < kChairMoveFrames) return;
    record.flagLobbyChair = 1;
    content::Services(*library).Award(kChairAward);
}

void LobbyChair::Pose(int32_t frame) {
    chair.position = slide_.Sample(frame);
    chair.rotation = turn_.Sample(frame);
}

}  // namespace Ev
