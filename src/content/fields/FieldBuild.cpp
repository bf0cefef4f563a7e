#include "content/fields/FieldBuild.h"

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/Doors.h"
#include "content/events/Mirror.h"
#include "content/fields/EnemyStarts.h"
#include "content/fields/Exits.h"
#include "scene/Personal.h"

namespace content {
namespace {

glm::vec3 Vec(level::Point p) {
    return {p.x, p.y, p.z};
}

void AddHitBox(Scene& field, const glm::vec3& centre, const glm::vec3& size,
               const glm::vec3& rotation) {
    auto box = std::make_unique<Ev::HitBox>();
    box->mesh.position = centre;
    box->mesh.scale = size;
    box->mesh.rotation = rotation;
    field.AppendChild(std::move(box));
}

}  // namespace

bool When::Holds(const SaveRecord& record) const {
    switch (kind) {
        case Kind::Always:
            return true;
        case Kind::StageBelow:
            return record.storyStage < value;
        case Kind::StageFrom:
            return record.storyStage >= value;
        case Kind::StageIs:
            return record.storyStage == value;
        case Kind::KeyNotTaken:
            return value >= 0 && static_cast<size_t>(value) < record.itemTaken.size() &&
                   record.itemTaken[static_cast<size_t>(value)] == 0;
        case Kind::FlagClear:
            return flag == nullptr || record.*flag == 0;
    }
    return false;
}

void AddRoomColliders(Scene& field, const level::RoomPlan& plan) {
    for (const level::Block& block : plan.blocks) {
        if (!block.solid) continue;
        AddHitBox(field, (Vec(block.min) + Vec(block.max)) * 0.5f, Vec(block.max) - Vec(block.min),
                  glm::vec3(0.0f));
    }
    for (const level::Stair& stair : plan.stairs) {
        const level::RampPlacement ramp = level::RampOf(stair);
        AddHitBox(field, Vec(ramp.centre), Vec(ramp.size), {ramp.pitch, ramp.yaw, 0});
    }
}

void PlaceEvents(Scene& field, std::span<const Placement> table) {
    const SaveRecord& record = field.player->record;
    for (const Placement& row : table) {
        if (!row.when.Holds(record)) continue;
        std::unique_ptr<Scene> event = row.make();
        if (!event->meshes.empty()) {
            CObjMesh& mesh = *event->meshes.front();
            if (row.model >= 0) mesh.modelIndex = row.model;
            mesh.position = row.position;
            mesh.rotation = row.rotation;
            mesh.scale = row.scale;
            if (row.shading) {
                mesh.castsShadow = row.shading->castsShadow;
                mesh.diffuseStrength = row.shading->diffuseStrength;
                mesh.emissive = row.shading->emissive;
                mesh.emissiveIntensity = row.shading->emissiveIntensity;
            }
        }
        field.AppendChild(std::move(event));
    }
}

void PlaceExits(Scene& field, FieldId from, std::span<const ExitPlacement> table) {
    const SaveRecord& record = field.player->record;
    for (const ExitPlacement& row : table) {
        if (!row.when.Holds(record)) continue;
        const int exit = ExitIndex(from, row.trigger);
        std::unique_ptr<Ev::ExitBase> event =
            row.make ? row.make(exit) : std::make_unique<Ev::ExitTrigger>(exit);
        event->Place(row.position, row.size, row.yaw);
        field.AppendChild(std::move(event));
    }
}

}  // namespace content

namespace content {

void ApplyLight(Scene& field, const RoomLight& light) {
    const Services engine(*field.library);
    FieldLighting& lighting = engine.Lighting();
    lighting.sunPosition = light.sunPosition;
    lighting.sunTarget = light.sunTarget;
    lighting.sunColour = light.sunColour;
    lighting.fogColour = light.fogColour;
    lighting.fogStart = light.fogStart;
    lighting.fogEnd = light.fogEnd;
    lighting.shadowFar = light.shadowFar;
    lighting.fieldLightValue = light.lightValue;
    engine.UseReverb(light.reverb);
}

void BuildRoom(Scene& field, const Room& room) {
    field.player->record.currentField = static_cast<int32_t>(room.id);
    AddRoomColliders(field, room.plan);
    PlaceEvents(field, room.events);
    PlaceExits(field, room.id, room.exits);
    ApplyLight(field, room.light);
    field.SetRoomBox(room.boxMin, room.boxMax);
    PlaceEnemy(field, room.id);
}

void WatchFrom(Scene& field, const glm::vec3& eye) {
    constexpr glm::vec3 kChest{0, 0.2f, 0};  // the camera looks at the body, not the feet
    Camera& camera = Services(*field.library).LiveCamera();
    camera.eye = eye;
    camera.at = field.player->Position() + kChest;
}

void PlaceMirror(Scene& field, const glm::vec3& centre, float width, float height, float yaw) {
    auto mirror = std::make_unique<Ev::Mirror>();
    mirror->frame.position = centre;
    mirror->frame.scale = {width, height, 1.0f};
    mirror->frame.rotation = {0, yaw, 0};
    mirror->frame.hidden = 1;  // only the reflection is drawn
    field.AppendChild(std::move(mirror));
}

}  // namespace content
