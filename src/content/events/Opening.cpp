#include "content/events/Opening.h"

#include <algorithm>

#include "content/Services.h"
#include "content/events/Examine.h"
#include "content/fields/FieldFactory.h"
#include "levels/GuestRooms.h"
#include "levels/Upstairs.h"
#include "library/Angles.h"
#include "library/AssetNames.h"
#include "library/Input.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr int32_t kCaptionFade = 60;    // frames of a caption's fading in, and of its fading out
constexpr int32_t kFadeOutFrames = 30;  // the screen darkens this long at the end of a view
constexpr glm::vec4 kCaptionColour{0.92f, 0.88f, 0.8f, 1.0f};
constexpr float kCaptionSize = 1.5f;
constexpr float kTextUnit = 24;  // a line of text at size 1, before its line factor
constexpr float kTwoLinesUp = kTextUnit * kCaptionSize * 1.1f / 2;  // two lines about the middle
constexpr uint32_t kDreamReverb = 23;  // the walk to the room is remembered as if under water
constexpr uint32_t kPlainReverb = 0;

// The dark screen at the start, and the music it starts.
constexpr int32_t kFirstFrames = 400;
constexpr int32_t kMusic = AssetRow("opening.wav");
constexpr float kMusicFadeStep = 0.01f;  // the music's volume falls this much a frame at the end

// The square: the view drifts from the path's mouth towards the inn's front, then rests on it.
constexpr int32_t kSquareDrift = 200, kSquareEnd = 290;

// The inn's name, on the dark.
constexpr int32_t kInnNameFrames = 360;

// The upper corridor: from the corner at the top of the north corridor down the west one to the
// guest room's door, at a walk, the footsteps of the maid ahead.
constexpr float kFloor = level::kF3Floor;
constexpr float kEyeHeight = 1.55f;  // a standing guest's eyes above the floor
constexpr int32_t kCorridorTurn = 300, kCorridorWalk = 420, kCorridorEnd = 470;
constexpr int32_t kStepEvery = 32;

// The welcome: the door slides open, the maid speaks; then the game's name.
constexpr int32_t kDoorSlidesAt = 30, kWelcomeAt = 90, kGameNameFrames = 300;
constexpr float kGameNameSize = 4.0f;

// The guest room: in from the door, across the mats; the door is shut behind.
constexpr glm::vec3 kRoomEntry{-3.95f, 0.42f, -2.27f};  // just inside the door, on the mats
constexpr glm::vec3 kRoomMiddle{-1.0f, 0.42f, -1.3f};
constexpr int32_t kWalkFrames = 160, kDoorShutAt = 200, kThoughtsAt = 240;
constexpr int32_t kOpeningAward = 0;

// Where the opening's fields are entered: anywhere on the dark screen, which has no room; on the
// path below the square, unseen, while the view looks up it; at the corridor's corner.
constexpr glm::vec3 kNowhere{0, 0, 0};
constexpr glm::vec3 kBelowTheSquare{0, 0, 0};
constexpr glm::vec3 kCorridorCorner{1.4f, kFloor + 0.35f, 31.1f};
constexpr float kDownTheCorridor = -90;
// Where a skipped opening leaves the guest: beside the low table, facing the window.
constexpr glm::vec3 kSkipSpawn{1.4f, 0.42f, 1.4f};
constexpr float kSkipYaw = -110;

constexpr glm::vec3 DoorOfTheRoom() {
    constexpr level::Point kDoor = level::kGuestRoomCorridorDoor;
    return {kDoor.x, kDoor.y, kDoor.z};
}

}  // namespace

Caption::Caption(const char16_t* key, int32_t frames, float size) : frames_(frames) {
    text.key = key;
    text.centred = 1;
    text.scale = glm::vec3(size);
    text.colour = kCaptionColour;
    text.hidden = 1;
    alpha_.Add(0, 0);
    alpha_.Add(kCaptionFade, 1);
    alpha_.Add(frames - kCaptionFade, 1);
    alpha_.Add(frames, 0);
}

void Caption::Register(Scene& scene) {
    scene.overlayTexts.push_back(&text);
}

bool Caption::ShowAt(int32_t frame) {
    const bool running = frame >= 0 && frame < frames_;
    text.hidden = running ? 0 : 1;
    text.colour.a = alpha_.Value(frame);
    return running;
}

void CameraPath::Look(MyLibrary& library, int32_t frame) const {
    Camera& camera = content::Services(library).LiveCamera();
    camera.eye = eye.Sample(frame);
    camera.at = at.Sample(frame);
}

void OpeningStep::Init(Personal* scenePlayer, MyLibrary*) {
    scenePlayer->controlMode = kControlHeld;
    scenePlayer->motion = gt_Model::kMotionRest;
    scenePlayer->bodyModel.hidden = bodyShown_ ? 0 : 1;
}

void OpeningStep::FadeOutBefore(int32_t end) const {
    const int32_t left = end - clock_;
    if (left >= kFadeOutFrames) return;
    const float dark = 1.0f - static_cast<float>(std::max(left, 0)) / kFadeOutFrames;
    content::Services(*library).Lighting().flash = dark;
}

void OpeningStep::GoTo(std::unique_ptr<Scene> next, const glm::vec3& spawn, float yaw) {
    ChangeField(*parent, std::move(next), yaw, spawn);
}

IntroFirst::IntroFirst() : words_(u"Ev_FirstStage_0", kFirstFrames, kCaptionSize) {
    words_.text.position.y = kTwoLinesUp;
    words_.Register(*this);
}

void IntroFirst::Init(Personal* scenePlayer, MyLibrary* sceneLibrary) {
    OpeningStep::Init(scenePlayer, sceneLibrary);
    scenePlayer->ambientSound = std::make_unique<CObjSound>(kMusic);
    scenePlayer->ambientSound->Play();
}

void IntroFirst::Update() {
    if (words_.ShowAt(clock_++)) return;
    GoTo(MakeFieldOf(FieldId::Soto), kBelowTheSquare, 0);
}

IntroSotoCam::IntroSotoCam() {
    path_.eye.SetKey(0, {0, 1.7f, 3.0f});
    path_.eye.SetKey(kSquareDrift, {0, 2.3f, 20.0f});
    path_.at.SetKey(0, {0, 2.4f, 41.2f});
    path_.at.SetKey(kSquareDrift, {0, 3.4f, 41.2f});
}

void IntroSotoCam::Update() {
    path_.Look(*library, clock_);
    FadeOutBefore(kSquareEnd);
    if (++clock_ < kSquareEnd) return;
    player->record.storyStage = kSquareSeenStage;
    GoTo(MakeIntro(), kNowhere, 0);
}

IntroSoto::IntroSoto() : words_(u"Ev_FirstStage_1", kInnNameFrames, kCaptionSize) {
    words_.text.position.y = kTwoLinesUp;
    words_.Register(*this);
}

void IntroSoto::Update() {
    if (words_.ShowAt(clock_++)) return;
    GoTo(MakeFieldOf(FieldId::F3), kCorridorCorner, kDownTheCorridor);
}

IntroF2Cam::IntroF2Cam() : steps_(AssetRow("step2.wav")) {
    path_.eye.SetKey(0, {1.6f, kFloor + kEyeHeight, 31.1f});
    path_.eye.SetKey(kCorridorTurn, {-8.0f, kFloor + kEyeHeight, 31.1f});
    path_.eye.SetKey(kCorridorWalk, {-10.8f, kFloor + kEyeHeight, 30.9f});
    path_.at.SetKey(0, {-6.0f, kFloor + 1.45f, 31.1f});
    path_.at.SetKey(kCorridorTurn, {-16.0f, kFloor + 1.45f, 31.1f});
    path_.at.SetKey(kCorridorWalk, {-13.0f, kFloor + 1.1f, 29.2f});  // the room's door
    sounds.push_back(&steps_);
}

void IntroF2Cam::Init(Personal* scenePlayer, MyLibrary* sceneLibrary) {
    OpeningStep::Init(scenePlayer, sceneLibrary);
    content::Services(*sceneLibrary).UseReverb(kDreamReverb);
}

void IntroF2Cam::Update() {
    path_.Look(*library, clock_);
    if (clock_ < kCorridorWalk && clock_ % kStepEvery == 0) {
        steps_.FadeOutAndRewind(0);
        PlayAt(steps_, path_.at.Sample(clock_));
    }
    FadeOutBefore(kCorridorEnd);
    if (++clock_ < kCorridorEnd) return;
    player->record.storyStage = kCorridorSeenStage;
    GoTo(MakeIntro(), kNowhere, 0);
}

IntroTitleCall::IntroTitleCall()
    : name_(u"Ev_Title_0", kGameNameFrames, kGameNameSize), door_(AssetRow("dooropen.wav")) {
    welcome_.AddLine(u"Ev_FirstStage_2");
    welcome_.AddLine(u"Ev_FirstStage_4");
    welcome_.Register(*this);
    name_.Register(*this);
    sounds.push_back(&door_);
}

void IntroTitleCall::Init(Personal* scenePlayer, MyLibrary* sceneLibrary) {
    OpeningStep::Init(scenePlayer, sceneLibrary);
    content::Services(*sceneLibrary).UseReverb(kDreamReverb);
}

void IntroTitleCall::Update() {
    switch (phase_) {
        case Phase::Door:
            if (clock_ == kDoorSlidesAt) door_.Play();
            if (clock_ < kWelcomeAt) break;
            Show(welcome_, *player);
            phase_ = Phase::Welcome;
            break;
        case Phase::Welcome:
            if (!Finished(welcome_, *this)) return;
            player->controlMode = kControlHeld;  // the box let go of the player
            content::Services(*library).UseReverb(kPlainReverb);
            clock_ = 0;
            phase_ = Phase::Name;
            return;
        case Phase::Name:
            if (name_.ShowAt(clock_)) break;
            GoTo(MakeFieldOf(FieldId::Guest_Room), kRoomEntry, FacingOf(kRoomMiddle - kRoomEntry));
            return;
    }
    ++clock_;
}

IntroGuest::IntroGuest()
    : OpeningStep(true),
      doorOpen_(AssetRow("dooropen.wav")),
      doorClose_(AssetRow("doorclose.wav")) {
    for (const char16_t* key :
         {u"Ev_FirstStage_8", u"Ev_FirstStage_9", u"Ev_FirstStage_10", u"Ev_FirstStage_11"}) {
        thoughts_.AddLine(key);
    }
    thoughts_.Register(*this);
    walk_.SetKey(0, kRoomEntry);
    walk_.SetKey(kWalkFrames, kRoomMiddle);
    sounds = {&doorOpen_, &doorClose_};
}

void IntroGuest::Update() {
    switch (phase_) {
        case Phase::Walking:
            Walk();
            break;
        case Phase::Alone:
            if (clock_ == kDoorShutAt) PlayAt(doorClose_, DoorOfTheRoom());
            if (clock_ < kThoughtsAt) break;
            if (player->ambientSound) {
                player->ambientSound->fadeStep = kMusicFadeStep;
                player->ambientSound->FadeOutAndRewind(0);
            }
            Show(thoughts_, *player);
            phase_ = Phase::Thinking;
            break;
        case Phase::Thinking:
            if (Finished(thoughts_, *this)) End();
            return;
    }
    ++clock_;
}

void IntroGuest::Walk() {
    Personal& guest = *player;
    if (clock_ == 0) PlayAt(doorOpen_, DoorOfTheRoom());
    guest.Position() = guest.followPoint = walk_.Sample(clock_);
    guest.Yaw() = FacingOf(kRoomMiddle - kRoomEntry);
    guest.motion = gt_Model::kMotionIntroWalk;
    if (clock_ < kWalkFrames) return;
    guest.motion = gt_Model::kMotionRest;
    phase_ = Phase::Alone;
}

void IntroGuest::End() {
    Personal& guest = *player;
    guest.record.storyStage = kOpeningOverStage;
    guest.controlMode = kControlFree;
    guest.ambientSound.reset();  // faded out by now
    content::Services(*library).Award(kOpeningAward);
}

IntroCut::IntroCut() {
    hint_.key = u"Ev_IntroCut_0";
    hint_.position = {560, 490, 0};
    hint_.scale = glm::vec3(0.8f);
    hint_.colour = {0.8f, 0.8f, 0.8f, 0.6f};
    overlayTexts.push_back(&hint_);
}

void IntroCut::Update() {
    // Left behind in the guest room once the opening is over, it lets the menu button be.
    const bool opening = player->record.storyStage < kOpeningOverStage;
    hint_.hidden = opening ? 0 : 1;
    if (!opening || !content::Services(*library).Controls().Button(BUTTON_MENU).Pressed()) return;
    Personal& guest = *player;
    guest.motion = gt_Model::kMotionRest;
    guest.controlMode = kControlFree;
    guest.record.storyStage = kOpeningOverStage;
    guest.ambientSound.reset();
    ChangeField(*parent, MakeFieldOf(FieldId::Guest_Room), kSkipYaw, kSkipSpawn);
}

}  // namespace Ev
