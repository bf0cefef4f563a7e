#include "content/events/Doors.h"

#include <cmath>

#include "content/events/Blocks.h"
#include "content/fields/Exits.h"
#include "library/Camera.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr glm::vec3 kFrameScale{0.8f, 0.9f, 1.0f};
constexpr float kFrameSetOff = 0.1f;  // the frame's centre in front of the wall's surface
// The reach in front of a door within which the player opens it: it starts at the frame and
// stays short of a spawn point a step inside, world units.
constexpr glm::vec3 kDoorReach{1.2f, 2.0f, 0.4f};

}  // namespace

ExitBase::ExitBase(int32_t exitIndex) : exit(exitIndex) {
    trigger.modelIndex = kCubeModel;
    trigger.hidden = 1;
    trigger.colour.a = 0.5f;
    trigger.collider.type = COLL_OBB;
    trigger.collider.kind = KIND_SENSOR;
    meshes.push_back(&trigger);
}

bool ExitBase::StoryReached(int32_t stage) const {
    return player->record.storyStage >= stage;
}

const ExitRow* ExitBase::Row() const {
    const auto exits = ExitTable();
    if (exit < 0 || static_cast<size_t>(exit) >= exits.size()) return nullptr;
    return &exits[static_cast<size_t>(exit)];
}

void ExitBase::Update() {
    const ExitRow* row = Row();
    if (!row) return;
    if (trigger.collider.hitState != HIT_BY_PLAYER || player->controlMode != kControlFree) return;
    if (!row->walk && player->actionPressed == 0) return;
    TakeExit(*parent, *row);
}

void ExitBase::Place(const glm::vec3& position, const glm::vec3& size, float) {
    trigger.position = position;
    trigger.scale = size;
}

void ExitBase::Leave() {
    if (const ExitRow* row = Row()) TakeExit(*parent, *row);
}

Door::Door(int32_t exitIndex) : ExitBase(exitIndex) {
    frame.modelIndex = AssetRow("wood_door_waku.x");
    frame.scale = kFrameScale;
    panel.modelIndex = AssetRow("wood_door.x");
    panel.parent = &frame.world;
    panel.position = {-0.47f, 0, 0};
    knob.modelIndex = AssetRow("doornobu.x");
    knob.parent = &panel.world;
    knob.position = {0.82f, 0.75f, 0};
    for (CObjMesh* part : {&frame, &panel, &knob}) meshes.push_back(part);
}

void Door::ShowPlate(const char16_t* key) {
    // Above the frame's head, on the casing's face; the frame's squash is undone in the scale.
    constexpr glm::vec3 kPlateOnCasing{0, 2.3f, -0.1f};
    constexpr glm::vec3 kPlateScale{1.9f, 1.6f, 1.0f};
    constexpr float kLetterScale = 0.0075f;
    constexpr glm::vec4 kInk{0.12f, 0.08f, 0.05f, 1.0f};
    plate.modelIndex = AssetRow("door_plate.x");
    plate.parent = &frame.world;
    plate.position = kPlateOnCasing;
    plate.scale = kPlateScale;
    meshes.push_back(&plate);
    name.key = key;
    name.parent = &plate.world;
    name.position = {0, 0, -0.02f};
    name.scale = glm::vec3(kLetterScale / kPlateScale.x, kLetterScale / kPlateScale.y, 1.0f);
    name.colour = kInk;
    name.centred = 1;
    worldTexts.push_back(&name);
}

void Door::Place(const glm::vec3& position, const glm::vec3&, float yaw) {
    Stand(position, yaw);
}

void Door::Stand(const glm::vec3& surface, float yaw) {
    const float radians = yaw * kRadiansPerDegree;
    const glm::vec3 front(-std::sin(radians), 0, -std::cos(radians));
    frame.position = surface + front * kFrameSetOff;
    frame.rotation.y = yaw;
    trigger.position =
        frame.position + front * (kDoorReach.z / 2) + glm::vec3(0, kDoorReach.y / 2, 0);
    trigger.rotation.y = yaw;
    trigger.scale = kDoorReach;
}

}  // namespace Ev
