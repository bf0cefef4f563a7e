#include "content/fields/TestRoom.h"

#include <memory>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/CamChar.h"
#include "content/events/CamFix.h"
#include "content/events/Message.h"
#include "content/events/Notes.h"
#include "content/events/PhoneBooth.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

// One box of the room. Positions are the box centres and sizes its full extents, in world units
// (the blocks show "cube.x", of side 1); the floor's top is at y 0.
struct BlockRow {
    std::unique_ptr<Ev::Block> (*make)();
    glm::vec3 position;
    glm::vec3 size;
    glm::vec4 colour;
};

template <typename T>
std::unique_ptr<Ev::Block> Make() {
    return std::make_unique<T>();
}

constexpr glm::vec4 kFloorColour{0.62f, 0.56f, 0.48f, 1.0f};
constexpr glm::vec4 kWallColour{0.35f, 0.30f, 0.27f, 1.0f};
constexpr glm::vec4 kPanelColour{0.30f, 0.36f, 0.33f, 1.0f};
constexpr glm::vec4 kBoxColour{0.45f, 0.52f, 0.60f, 1.0f};

// The spawn point is (0, 0, 0) facing +x: the panel stands ahead of it, the message cube to its
// left (+z), and every box keeps clear of the spawn point by more than the player's radius.
constexpr BlockRow kBlocks[] = {
    // floor
    {Make<Ev::drawObj>, {0, -0.5f, 0}, {14, 1, 14}, kFloorColour},
    // low walls round the floor
    {Make<Ev::drawHitObj>, {0, 0.3f, 6.8f}, {14, 0.6f, 0.4f}, kWallColour},
    {Make<Ev::drawHitObj>, {0, 0.3f, -6.8f}, {14, 0.6f, 0.4f}, kWallColour},
    {Make<Ev::drawHitObj>, {6.8f, 0.3f, 0}, {0.4f, 0.6f, 13.2f}, kWallColour},
    {Make<Ev::drawHitObj>, {-6.8f, 0.3f, 0}, {0.4f, 0.6f, 13.2f}, kWallColour},
    // the dart panel, facing the spawn point
    {Make<Ev::drawHitObj>, {5.0f, 1.1f, 1.0f}, {0.2f, 2.2f, 4.0f}, kPanelColour},
    // things to walk against
    {Make<Ev::drawHitObj>, {-3.0f, 0.5f, 4.0f}, {1.4f, 1.0f, 1.4f}, kBoxColour},
    {Make<Ev::drawHitObj>, {3.0f, 0.3f, -3.5f}, {2.5f, 0.6f, 0.8f}, kBoxColour},
    {Make<Ev::drawHitObj>, {-4.5f, 1.25f, 1.0f}, {0.8f, 2.5f, 0.8f}, kBoxColour},
};

constexpr glm::vec3 kMessageCube{0, 0.5f, 2.5f};  // one step ahead of the spawn point's left side
constexpr glm::vec3 kBooth{3.0f, 0, 5.4f};        // by the north wall, its door towards the room
// The eye looks at the player from behind and above, along +z, so that the message cube, the
// player and the panel's edge are in view from the spawn point.
constexpr glm::vec3 kCameraOffset{0, 3.0f, -6.5f};
// A fixed view of the far corner, taken while the player stands there.
constexpr glm::vec3 kCornerZone{-5.0f, 0.5f, -5.0f};
constexpr glm::vec3 kCornerZoneSize{2.4f, 1.0f, 2.4f};
constexpr glm::vec3 kCornerEye{-1.5f, 3.0f, -1.5f};
constexpr glm::vec3 kRoomMin{-7, 0, -7};
constexpr glm::vec3 kRoomMax{7, 10, 7};

template <typename T>
T& AppendEvent(Scene& field) {
    auto event = std::make_unique<T>();
    T& added = *event;
    field.AppendChild(std::move(event));
    return added;
}

// A dim, warm room with fog closing in past the walls.
void Light(FieldLighting& lighting) {
    lighting.sunPosition = {4.0f, 30.0f, -10.0f};
    lighting.sunTarget = {0, 0, 0};
    lighting.sunColour = {1.0f, 0.95f, 0.85f, 1.0f};
    lighting.shadowFar = 30.0f;
    lighting.fogColour = {0.08f, 0.08f, 0.11f};
    lighting.fogStart = 8.0f;
    lighting.fogEnd = 28.0f;
}

// A glimmer over the floor in the room's open south-west quarter.
constexpr glm::vec3 kGlimmer{-3.0f, 0.9f, -3.0f}, kGlimmerReach{1.2f, 1.8f, 1.2f};

}  // namespace

void TestRoom::Init(Personal* player, MyLibrary* library) {
    SaveRecord& record = player->record;
    record.currentField = kNumber;
    record.storyStage = kStoryStage;
    // In the finished game the darts pickup of this room grants the darts and the hand-held
    // light; until that event exists, the room grants them itself.
    record.hasDarts = 1;
    record.hasLight = 1;

    for (const BlockRow& row : kBlocks) {
        std::unique_ptr<Ev::Block> block = row.make();
        block->mesh.position = row.position;
        block->mesh.scale = row.size;
        block->mesh.colour = row.colour;
        AppendChild(std::move(block));
    }
    AppendEvent<Message>(*this).cube.position = kMessageCube;
    AppendEvent<Ev::publictel>(*this).booth.position = kBooth;
    AppendEvent<Ev::CamChar>(*this).mesh.position = kCameraOffset;
    Ev::CamFix& corner = AppendEvent<Ev::CamFix>(*this);
    corner.trigger.position = kCornerZone;
    corner.trigger.scale = kCornerZoneSize;
    corner.eyeMarker.position = kCornerEye;
    corner.targetMarker.position = kCornerZone;
    Ev::Particl& glimmer = AppendEvent<Ev::Particl>(*this);
    glimmer.trigger.position = kGlimmer;
    glimmer.trigger.scale = kGlimmerReach;

    Light(content::Services(*library).Lighting());
    SetRoomBox(kRoomMin, kRoomMax);
}

}  // namespace Fld
