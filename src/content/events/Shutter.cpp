#include "content/events/Shutter.h"

#include "content/Inventory.h"
#include "content/events/Examine.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr int32_t kRiseFrames = 100;
constexpr float kRaisedBy = 3.0f;
constexpr int32_t kClankFrame = 97;  // the shutter locks into its lintel
// The examine reach on the corridor side of the shutter (its back, +z before its turn), in its
// own frame.
constexpr glm::vec3 kReachCentre{0, 0.8f, -0.45f}, kReachSize{2.0f, 1.6f, 0.8f};

constexpr int32_t kExtinguisherKey = 2;
// The control box's lines: the question, then the line the first answer leads to.
constexpr int32_t kRaiseLine = 1, kAfterTheBox = 2;

}  // namespace

Shutter::Shutter() : rumble_(AssetRow("step2.wav")), clank_(AssetRow("keylock.wav")) {
    shutter.modelIndex = AssetRow("bouka.x");
    shutter.collider.type = COLL_OBB;
    shutter.collider.kind = KIND_SOLID;
    MakeTrigger(trigger);
    trigger.parent = &shutter.world;
    trigger.position = kReachCentre;
    trigger.scale = kReachSize;
    meshes.push_back(&shutter);
    meshes.push_back(&trigger);
    sounds.push_back(&rumble_);
    sounds.push_back(&clank_);
    rise_.Add(0, 0);
    rise_.Add(kRiseFrames, kRaisedBy);
    box_.AddLine(u"Ev_F3_9");
    box_.Register(*this);
}

void Shutter::Init(Personal* player, MyLibrary*) {
    baseHeight_ = shutter.position.y;
    // Raised before this visit: it stands in its lintel from the start.
    raised_ = player->record.storyStage >= kShutterRaisedStage;
    if (raised_) shutter.position.y = baseHeight_ + kRaisedBy;
}

void Shutter::Lift(float height) {
    shutter.position.y = baseHeight_ + height;
    shutter.Update(*library);
    shutter.UpdateBox();
}

void Shutter::Update() {
    if (!raised_ && frame_ == kNotMoving && player->record.storyStage >= kShutterRaisedStage) {
        frame_ = 0;
    }
    if (frame_ != kNotMoving) {
        PlayAt(rumble_, shutter.position);
        if (frame_ == kClankFrame) PlayAt(clank_, shutter.position);
        if (frame_ < kRiseFrames) {
            Lift(rise_.Value(frame_++));
        } else {
            Lift(kRaisedBy);  // the curve loops: its last key would read as its first
            frame_ = kNotMoving;
            raised_ = true;
        }
    }
    if (!raised_ && frame_ == kNotMoving && Examined(trigger, *player)) Show(box_, *player);
    Finished(box_, *this);
}

BoukaSwitch::BoukaSwitch() {
    MakeTrigger(trigger);
    meshes.push_back(&trigger);
    alarm_.AddLine(u"Ev_F3_11");
    dark_.AddLine(u"Ev_F3_12");
    control_.AddQuestion(u"Ev_F3_13", kRaiseLine, kAfterTheBox);
    control_.AddLine(u"Ev_F3_14");
    for (TextBox* box : {&alarm_, &dark_, &control_}) box->Register(*this);
}

TextBox& BoukaSwitch::Chosen() {
    const SaveRecord& record = player->record;
    if (record.hasLight == 0) return dark_;
    if (content::KeyUsedUp(record, kExtinguisherKey)) return control_;
    return alarm_;
}

void BoukaSwitch::Update() {
    SaveRecord& record = player->record;
    if (record.storyStage < kShutterRaisedStage && Examined(trigger, *player)) {
        Show(Chosen(), *player);
    }
    Finished(alarm_, *this);
    Finished(dark_, *this);
    const bool wasOpen = control_.IsOpen();
    const int32_t line = control_.Update(*player, *library);
    if (wasOpen && line == kRaiseLine && record.storyStage < kShutterRaisedStage) {
        record.storyStage = kShutterRaisedStage;
    }
}

}  // namespace Ev
