#include "content/events/Examine.h"

#include "content/events/Blocks.h"
#include "scene/Personal.h"

namespace Ev {

void MakeTrigger(CObjMesh& trigger) {
    trigger.modelIndex = kCubeModel;
    trigger.hidden = 1;
    trigger.colour.a = 0.5f;
    trigger.collider.type = COLL_OBB;
    trigger.collider.kind = KIND_SENSOR;
}

bool Examined(const CObjMesh& trigger, const Personal& player) {
    return trigger.collider.hitState == HIT_BY_PLAYER && player.actionPressed != 0 &&
           player.controlMode != kControlHeld;
}

void Show(TextBox& box, Personal& player) {
    player.controlMode = kControlHeld;
    player.motion = gt_Model::kMotionRest;
    box.Open();
    box.text.maxChars = 0;  // revealed from the first character
}

bool Finished(TextBox& box, Scene& owner) {
    const bool open = box.IsOpen();
    const int32_t line = box.Update(*owner.player, *owner.library);
    return open && line == static_cast<int32_t>(box.lines.size());
}

void PlayAt(CObjSound& sound, const glm::vec3& at) {
    sound.positional = 1;
    sound.position.x = at.x;
    sound.position.z = at.z;
    sound.Play();
}

void PlayPickupCue(Personal& player) {
    constexpr float kCueVolume = 0.3f;
    constexpr VoiceFilter kMuffled{.frequency = 0.05f, .oneOverQ = 0.05f};
    player.doorSound.positional = 0;
    player.doorSound.volume = kCueVolume;
    player.doorSound.filter = kMuffled;
    player.doorSound.Play();
}

}  // namespace Ev
