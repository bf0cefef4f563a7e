#include "content/events/HitPuzzles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "content/Services.h"
#include "content/events/Decor.h"
#include "content/events/Examine.h"
#include "levels/GuestRooms.h"
#include "library/AssetNames.h"
#include "library/Format.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

// ---- The clock ----

constexpr int32_t kSecondsPerFrame = 100;  // while running: an hour in 36 frames
constexpr int32_t kRunFrames = 3600 / kSecondsPerFrame;
constexpr int32_t kDay = 24 * 3600;
constexpr int32_t kStruckFiveAward = 17;

// Where darts at the dial count: a sensor before the clock's head, deeper than a dart's step, so
// that every dart aimed at the dial passes through it before the wall behind stops it, just in
// front of the face.
constexpr glm::vec3 kFaceCentre{0, 0.02f, -0.125f}, kFaceSize{0.34f, 0.4f, 0.25f};

// The hands are thin bars ("line.x": 0.02 across, one unit long along z) turning about the dial's
// centre, just in front of it (the clock's front faces −z); each lies a little further out than
// the one below it.
constexpr float kDialZ = -0.095f;
struct HandShape {
    float length;
    float width;  // scale of the bar's 0.02 across
    glm::vec4 colour;
};
constexpr glm::vec4 kBlackened{0.05f, 0.05f, 0.05f, 1.0f};
constexpr std::array<HandShape, 3> kHandShapes = {{
    {0.075f, 0.35f, kBlackened},                  // hour
    {0.11f, 0.22f, kBlackened},                   // minute
    {0.115f, 0.1f, {0.55f, 0.08f, 0.05f, 1.0f}},  // second
}};
constexpr float kHandSpacing = 0.004f;

// ---- The lamp ----

constexpr float kSwingDegrees = 30.0f;  // at full power, to either side
constexpr int32_t kSwingFrames = 80;    // once there and back
constexpr float kShadowEyeRaise = 5.0f;
constexpr float kHangingSpotW = 2.0f;

// The light is tied by its grip to the end of the lamp's pull string, lens down.
constexpr glm::vec3 kTiedAt{0, -1.11f, 0};
constexpr glm::vec3 kTiedTurn{180, 0, 0};

// The fall: it drops as things fall for 30 frames, carried on outwards from the lamp by the
// swing, bounces once and lies on its side on the mats.
constexpr int32_t kLandFrame = 30;
constexpr int32_t kBounceFrame = 35;
constexpr float kCarry = 0.6f;  // of its way out from under the rose
constexpr float kBounce = 0.05f;
constexpr float kLyingHeight = 0.05f;                                // its head's radius
constexpr glm::vec3 kLandedTurn{100, 20, 0}, kLyingTurn{90, 30, 0};  // yaw relative to the lamp's

constexpr int32_t kLightItem = 1;
constexpr int32_t kFallenAward = 14;
constexpr glm::vec3 kReach{1.2f, 2.4f, 1.2f};

}  // namespace

ClockHands HandsAt(int32_t seconds) {
    const float second = static_cast<float>(seconds % 60) / 60.0f * 360.0f;
    const float minute = static_cast<float>((seconds / 60) % 60) / 60.0f * 360.0f + second / 60.0f;
    const float hour = static_cast<float>(seconds / 3600) / 12.0f * 360.0f + minute / 12.0f;
    return {hour, minute, second};
}

Clock::Clock() : tick_(AssetRow("step2.wav")) {
    clock.modelIndex = AssetRow("clock.x");
    MakeTrigger(face);
    face.parent = &clock.world;
    face.position = kFaceCentre;
    face.scale = kFaceSize;
    meshes.push_back(&clock);
    meshes.push_back(&face);
    for (size_t i = 0; i < hands.size(); ++i) {
        CObjMesh& hand = hands[i];
        const HandShape& shape = kHandShapes[i];
        hand.modelIndex = AssetRow("line.x");
        hand.parent = &clock.world;
        hand.position = {0, 0, kDialZ - kHandSpacing * static_cast<float>(i)};
        hand.scale = {shape.width, shape.width, shape.length};
        hand.colour = shape.colour;
        hand.castsShadow = 0;
        meshes.push_back(&hand);
    }
    sounds.push_back(&tick_);
    TurnHands();
}

void Clock::TurnHands() {
    const ClockHands at = HandsAt(time_);
    // The bar lies along z. Its pitch swings it within the y-z plane, and a quarter turn of yaw
    // lays that plane on the dial: a pitch of -90 stands it at twelve, 0 points it at three.
    const std::array<float, 3> angles = {at.hour, at.minute, at.second};
    for (size_t i = 0; i < hands.size(); ++i) hands[i].rotation = {angles[i] - 90.0f, 90.0f, 0};
}

void Clock::Update() {
    // A dart only sets it going while it stands.
    if (face.collider.hitState == HIT_BY_DART && framesToRun_ == 0) framesToRun_ = kRunFrames;
    if (framesToRun_ > 0) {
        --framesToRun_;
        time_ += kSecondsPerFrame;
        if (time_ > kDay) time_ -= kDay;
        PlayAt(tick_, clock.position);
    }
    SaveRecord& record = player->record;
    if (time_ >= kStruckFive && record.storyStage < kClockStruckFiveStage) {
        record.storyStage = kClockStruckFiveStage;
        content::Services(*library).Award(kStruckFiveAward);
    }
    TurnHands();
    for (CObjMesh& hand : hands) hand.Update(*library);
}

std::u16string Clock::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\ntime = %d\nrun = %d\n", text + Name(), time_, framesToRun_);
}

Denki202::Denki202() : thud_(AssetRow("step2.wav")) {
    // Lit like the inn's other paper lamps.
    lamp.modelIndex = decor::kDenki.model;
    lamp.emissive = decor::kDenki.glow;
    lamp.emissiveIntensity = decor::kDenki.glowStrength;
    lamp.castsShadow = decor::kDenki.castsShadow ? 1 : 0;
    lamp.collider.type = COLL_OBB;
    lamp.collider.kind = KIND_DART_STOPPER;
    light.body.parent = &lamp.world;
    light.body.position = kTiedAt;
    light.body.rotation = kTiedTurn;
    MakeTrigger(trigger);
    trigger.scale = kReach;
    meshes = {&lamp, &light.body, &light.glow, &trigger};
    sounds.push_back(&thud_);
    for (int32_t frame = 0; frame <= kSwingFrames; frame += 5) {
        const double turn = 2 * std::numbers::pi * frame / kSwingFrames;
        swingCurve_.Add(frame, kSwingDegrees * static_cast<float>(std::cos(turn)));
    }
    box_.AddLine(u"Ev_202_0");
    box_.Register(*this);
}

void Denki202::Init(Personal* player, MyLibrary*) {
    restingTurn_ = lamp.rotation;
    trigger.position = lamp.position;  // out of reach until the light lies on the floor
    const int32_t taken = player->record.hasLight;
    light.body.hidden = light.glow.hidden = taken;
}

void Denki202::SwingLamp() {
    swingFrame_ += swingStep_;
    if (swingFrame_ <= 0 || swingFrame_ >= kSwingFrames) swingStep_ = -swingStep_;
    lamp.rotation = restingTurn_ + glm::vec3(swingCurve_.Value(swingFrame_) * swing_, 0, 0);
    lamp.Update(*library);
    lamp.UpdateBox();
    swing_ = std::max(0.0f, swing_ - kSwingDecay);
}

void Denki202::Shine() {
    SpotLight spot;
    light.Update(*library, true, spot);
    FieldLighting& lighting = content::Services(*library).Lighting();
    lighting.spotPosition = spot.position;
    lighting.spotTarget = spot.target;
    lighting.spotDirectionW = spot.directionW;
    lighting.spotPositionW = state_ == LightState::Hanging ? kHangingSpotW : spot.positionW;
}

void Denki202::StartFall() {
    light.body.Update(*library);  // where this frame's swing has carried it
    const glm::vec3 from(light.body.world[3]);
    const glm::vec3 out = glm::vec3(from.x - lamp.position.x, 0, from.z - lamp.position.z);
    const glm::vec3 landing(from.x + out.x * kCarry, level::kTatamiTop + kLyingHeight,
                            from.z + out.z * kCarry);
    for (int32_t frame = 0; frame <= kLandFrame; frame += 10) {
        const float along = static_cast<float>(frame) / kLandFrame;
        glm::vec3 at = from + (landing - from) * along;
        at.y = from.y + (landing.y - from.y) * along * along;
        fallPath_.SetKey(frame, at);
    }
    fallPath_.SetKey(kBounceFrame, landing + glm::vec3(0, kBounce, 0));
    fallPath_.SetKey(kFallFrames, landing);
    // Tied lens down below a lamp turned by yaw and swung by pitch, the light's own turn is the
    // sum of the two.
    const glm::vec3 hanging = kTiedTurn + lamp.rotation;
    const glm::vec3 lampYaw(0, lamp.rotation.y, 0);
    fallTurn_.SetKey(0, hanging);
    fallTurn_.SetKey(kLandFrame, kLandedTurn + lampYaw);
    fallTurn_.SetKey(kFallFrames, kLyingTurn + lampYaw);
    light.body.parent = nullptr;
    trigger.position = landing;
    trigger.Update(*library);
    trigger.UpdateBox();
    fallFrame_ = 0;
    state_ = LightState::Falling;
}

void Denki202::Fall() {
    ++fallFrame_;
    light.body.position = fallPath_.Sample(fallFrame_);
    light.body.rotation = fallTurn_.Sample(fallFrame_);
    if (fallFrame_ <= kFallFrames) return;
    PlayAt(thud_, light.body.position);
    content::Services(*library).Award(kFallenAward);
    state_ = LightState::Fallen;
}

void Denki202::Examine() {
    if (!Examined(trigger, *player)) return;
    Show(box_, *player);
    PlayPickupCue(*player);
    SaveRecord& record = player->record;
    record.hasLight = 1;
    record.itemHeld[kLightItem] = 1;
    light.body.hidden = light.glow.hidden = 1;  // in the player's hand from now on
}

void Denki202::Update() {
    content::Services(*library).Lighting().shadowEyeOffset.y = kShadowEyeRaise;
    if (lamp.collider.hitState == HIT_BY_DART) {
        swing_ += kSwingPerDart;
        player->AttachLastDart(lamp.world);
    }
    SwingLamp();
    Finished(box_, *this);
    if (player->record.hasLight != 0) return;
    switch (state_) {
        case LightState::Hanging:
            if (swing_ > kShakenLoose) StartFall();
            break;
        case LightState::Falling:
            Fall();
            break;
        case LightState::Fallen:
            Examine();
            break;
    }
    if (player->record.hasLight == 0) Shine();
}

std::u16string Denki202::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\nswing = %.3f\nstate = %d\nfall = %d\n", text + Name(),
                      static_cast<double>(swing_), static_cast<int32_t>(state_), fallFrame_);
}

}  // namespace Ev
