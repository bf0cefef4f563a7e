#include "content/events/PhoneBooth.h"

#include <algorithm>

#include <glm/common.hpp>

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/Examine.h"
#include "content/fields/FieldFactory.h"
#include "library/Angles.h"
#include "library/AssetNames.h"
#include "library/Format.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

// In the booth's own space: its doorway spans x ±0.39 at z −0.45, and the telephone stands on
// the back shelf.
constexpr glm::vec3 kHingePost{0.39f, 0.05f, -0.45f};
constexpr glm::vec3 kDoorFromHinge{-0.38f, 0.87f, -0.015f};
constexpr glm::vec3 kDoorSize{0.76f, 1.72f, 0.03f};
constexpr glm::vec4 kGlazing{0.72f, 0.84f, 0.8f, 0.45f};
constexpr glm::vec3 kReach{1.0f, 1.6f, 1.0f};
constexpr glm::vec3 kBeforeDoor{0, kReach.y / 2, -0.45f - kReach.z / 2};
constexpr glm::vec3 kInDoorway{0, 0, -0.62f};
constexpr glm::vec3 kTelephone{0, 0, 0.34f};
// Where the dawn is watched from: low on the square, looking up at the booth through its door.
constexpr glm::vec3 kDawnEye{0.9f, 0.85f, -3.2f};
constexpr glm::vec3 kDawnTarget{0, 1.0f, 0};

constexpr int32_t kDoorOpenFrames = 30;
constexpr float kDoorOpenAngle = -100.0f;  // swung out onto the square
constexpr int32_t kStepInFrames = 40;
constexpr int32_t kDawnFrames = 500;

// The lines of the ringing box: the question's first answer (take the receiver) leads past the
// end to line 3, the second (let it ring) to line 2.
constexpr int32_t kAnswered = 3;
constexpr int32_t kLetRing = 2;
constexpr int32_t kLetRingAward = 25;
constexpr int32_t kAnsweredAward = 26;

// Fog and sun the dawn turns the night into.
constexpr glm::vec3 kWhiteFog{1.0f, 1.0f, 1.0f};
constexpr glm::vec4 kWhiteSun{2.2f, 2.2f, 2.2f, 1.0f};
constexpr float kWhiteFogEnd = 2.0f;

}  // namespace

publictel::publictel()
    : openSound_(AssetRow("dooropen.wav")),
      closeSound_(AssetRow("doorclose.wav")),
      dawnSound_(AssetRow("asa.wav")) {
    booth.modelIndex = AssetRow("publictel.x");
    booth.collider.type = COLL_OBB;
    booth.collider.kind = KIND_SOLID;
    hinge.modelIndex = kCubeModel;
    hinge.hidden = 1;
    hinge.parent = &booth.world;
    hinge.position = kHingePost;
    door.modelIndex = kCubeModel;
    door.parent = &hinge.world;
    door.position = kDoorFromHinge;
    door.scale = kDoorSize;
    door.colour = kGlazing;
    door.castsShadow = 0;
    MakeTrigger(trigger);
    trigger.parent = &booth.world;
    trigger.position = kBeforeDoor;
    trigger.scale = kReach;
    meshes = {&booth, &hinge, &door, &trigger};
    sounds = {&openSound_, &closeSound_, &dawnSound_};

    ringing_.AddLine(u"Ev_Soto1_0");
    ringing_.AddQuestion(u"Ev_Soto1_1", kAnswered, kLetRing);
    silent_.AddLine(u"Ev_Soto1_2");
    for (const char16_t* key :
         {u"Ev_Soto1_3", u"Ev_Soto1_4", u"Ev_Soto1_5", u"Ev_Soto1_6", u"Ev_Soto1_7"}) {
        call_.AddLine(key);
    }
    for (TextBox* box : {&ringing_, &silent_, &call_}) box->Register(*this);

    // Stiff at first, then swinging out, slowing to rest wide open; held past the loop.
    doorAngle_.Add(0, 0);
    doorAngle_.Add(6, 0.08f * kDoorOpenAngle);
    doorAngle_.Add(kDoorOpenFrames / 2, 0.7f * kDoorOpenAngle);
    doorAngle_.Add(kDoorOpenFrames, kDoorOpenAngle);
    doorAngle_.Add(kDoorOpenFrames * 2, kDoorOpenAngle);
}

glm::vec3 publictel::BoothPoint(const glm::vec3& local) const {
    return glm::vec3(booth.world * glm::vec4(local, 1.0f));
}

void publictel::Update() {
    switch (phase_) {
        case Phase::Closed:
            if (Examined(trigger, *player)) {
                player->Yaw() = FacingOf(booth.position - player->Position());
                PlayAt(openSound_, booth.position);
                phase_ = Phase::Opening;
            }
            break;
        case Phase::Opening:
            if (++doorClock_ > kDoorOpenFrames) phase_ = Phase::Open;
            break;
        case Phase::Open:
            Examine();
            break;
        case Phase::Closing:
            if (--doorClock_ > 0) break;
            doorClock_ = 0;
            PlayAt(closeSound_, booth.position);
            phase_ = Phase::Closed;
            break;
        case Phase::Lifting:
            StepIn();
            break;
        case Phase::Listening:
            player->controlMode = kControlHeld;
            if (Finished(call_, *this)) {
                nightLight_ = content::Services(*library).Lighting();
                phase_ = Phase::Dawn;
            }
            break;
        case Phase::Dawn:
            WatchTheDawn();
            break;
    }
    hinge.rotation.y = doorAngle_.Value(std::min(doorClock_, kDoorOpenFrames));
    hinge.Update(*library);
    door.Update(*library);
}

void publictel::Examine() {
    if (Examined(trigger, *player)) Show(rangOff_ ? silent_ : ringing_, *player);
    Finished(silent_, *this);
    const bool asking = ringing_.IsOpen();
    const int32_t line = ringing_.Update(*player, *library);
    if (asking && line == kLetRing) {
        rangOff_ = true;
        content::Services(*library).Award(kLetRingAward);
    } else if (asking && line == kAnswered) {
        Answer();
        return;
    }
    const bool reading = ringing_.IsOpen() || silent_.IsOpen();
    if (!reading && trigger.collider.hitState != HIT_BY_PLAYER) phase_ = Phase::Closing;
}

void publictel::Answer() {
    if (player->ambientSound) player->ambientSound->FadeOutAndRewind(0);
    PlayAt(dawnSound_, booth.position);
    const glm::vec3 from = player->Position();
    stepIn_.SetKey(0, from);
    stepIn_.SetKey(kStepInFrames,
                   BoothPoint(kInDoorway) * glm::vec3(1, 0, 1) + glm::vec3(0, from.y, 0));
    callClock_ = 0;
    phase_ = Phase::Lifting;
}

void publictel::StepIn() {
    Personal& guest = *player;
    guest.controlMode = kControlHeld;
    guest.Position() = guest.followPoint = stepIn_.Sample(++callClock_);
    guest.Yaw() = FacingOf(BoothPoint(kTelephone) - guest.Position());
    if (callClock_ < kStepInFrames) return;
    guest.ambientSound.reset();  // faded out by now
    Show(call_, guest);
    phase_ = Phase::Listening;
}

void publictel::WatchTheDawn() {
    player->controlMode = kControlHeld;
    const content::Services engine(*library);
    Camera& camera = engine.LiveCamera();
    camera.eye = BoothPoint(kDawnEye);
    camera.at = BoothPoint(kDawnTarget);
    const float t = static_cast<float>(++callClock_) / kDawnFrames;
    FieldLighting& light = engine.Lighting();
    light.fogColour = glm::mix(nightLight_.fogColour, kWhiteFog, t);
    light.sunColour = glm::mix(nightLight_.sunColour, kWhiteSun, t);
    light.fogStart = glm::mix(nightLight_.fogStart, 0.0f, t);
    light.fogEnd = glm::mix(nightLight_.fogEnd, kWhiteFogEnd, t * t);
    if (callClock_ < kDawnFrames) return;
    engine.Award(kAnsweredAward);
    player->SetSpawn(0, {0, 0, 0});
    parent->parent->AddChild(MakeGameover());
    phase_ = Phase::Closed;
}

std::u16string publictel::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\nphase = %d\ncount = %d\n", text + Name(), static_cast<int32_t>(phase_),
                      doorClock_);
}

}  // namespace Ev
