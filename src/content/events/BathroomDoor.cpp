#include "content/events/BathroomDoor.h"

#include <cmath>

#include "content/Services.h"
#include "content/events/Examine.h"
#include "library/AssetNames.h"
#include "library/Camera.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr int32_t kSceneFrames = 150;
constexpr int32_t kOpenSoundFrame = 1, kCloseSoundFrame = 90;
constexpr uint32_t kBathroomReverb = 5, kRoomReverb = 6;
// In front of the door, the side its front faces, from the floor up.
constexpr float kReachAhead = 0.7f;
constexpr glm::vec3 kReachSize{1.4f, 2.0f, 1.0f};

}  // namespace

bathdoor::bathdoor()
    : openSound_(AssetRow("dooropen.wav")), closeSound_(AssetRow("doorclose.wav")) {
    leaf.modelIndex = AssetRow("bathdoor.x");
    MakeTrigger(reach);
    reach.scale = kReachSize;
    meshes.push_back(&leaf);
    meshes.push_back(&reach);
    sounds.push_back(&openSound_);
    sounds.push_back(&closeSound_);
    // Out into the room, a moment open on the dark, then slammed.
    swing_.Add(0, 0);
    swing_.Add(25, 75);
    swing_.Add(80, 80);
    swing_.Add(kCloseSoundFrame, 0);
    swing_.Add(kSceneFrames, 0);
}

void bathdoor::Init(Personal*, MyLibrary*) {
    shutYaw_ = leaf.rotation.y;
    const float radians = shutYaw_ * kRadiansPerDegree;
    const glm::vec3 front(-std::sin(radians), 0, -std::cos(radians));
    reach.position = leaf.position + front * kReachAhead + glm::vec3(0, kReachSize.y / 2, 0);
    reach.rotation.y = shutYaw_;
}

void bathdoor::Update() {
    SaveRecord& record = player->record;
    const content::Services services(*library);
    if (frame_ == kIdle && record.storyStage == kBathroomDoorScareStage &&
        reach.collider.hitState == HIT_BY_PLAYER) {
        frame_ = 0;
        player->controlMode = kControlHeld;
        player->motion = gt_Model::kMotionRest;
        services.UseReverb(kBathroomReverb);
    }
    if (frame_ == kIdle) return;
    if (frame_ == kOpenSoundFrame) PlayAt(openSound_, leaf.position);
    if (frame_ == kCloseSoundFrame) PlayAt(closeSound_, leaf.position);
    leaf.rotation.y = shutYaw_ + swing_.Value(frame_);
    if (++frame_ > kSceneFrames) {
        frame_ = kIdle;
        leaf.rotation.y = shutYaw_;
        services.UseReverb(kRoomReverb);
        player->controlMode = kControlFree;
        record.storyStage = kBathroomReachableStage;
    }
}

}  // namespace Ev
