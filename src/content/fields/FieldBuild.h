#pragma once
// What every field's Init is made of: its room's colliders from the room plan, its events from a
// placement table, and its exits.
#include <cstdint>
#include <memory>
#include <span>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "content/events/Doors.h"
#include "content/fields/FieldId.h"
#include "levels/RoomPlan.h"
#include "scene/Scene.h"

struct SaveRecord;

namespace content {

// When a row of a placement table is made, from the progress the field reads as it builds.
struct When {
    enum class Kind : uint8_t { Always, StageBelow, StageFrom, StageIs, KeyNotTaken, FlagClear };
    Kind kind = Kind::Always;
    int32_t value = 0;
    int32_t SaveRecord::*flag = nullptr;  // FlagClear: the record's flag that must be 0

    bool Holds(const SaveRecord& record) const;
};
inline constexpr When kAlways{};
constexpr When StageBelow(int32_t stage) {
    return {When::Kind::StageBelow, stage};
}
constexpr When StageFrom(int32_t stage) {
    return {When::Kind::StageFrom, stage};
}
constexpr When StageIs(int32_t stage) {
    return {When::Kind::StageIs, stage};
}
constexpr When KeyNotTaken(int32_t key) {
    return {When::Kind::KeyNotTaken, key};
}
constexpr When FlagClear(int32_t SaveRecord::*flag) {
    return {When::Kind::FlagClear, 0, flag};
}

using EventMaker = std::unique_ptr<Scene> (*)();

template <typename T>
std::unique_ptr<Scene> Make() {
    return std::make_unique<T>();
}

// How a placed mesh is shaded when not as a mesh's defaults: skies and far ground that cast no
// shadow and take no sun, moons and lamps that give light of their own.
struct Shading {
    int32_t castsShadow = 1;
    float diffuseStrength = 0.5f;
    glm::vec3 emissive{1.0f};
    float emissiveIntensity = 0.0f;
};

// The sky dome: no shadow, no sun.
inline constexpr Shading kUnlitSky{.castsShadow = 0, .diffuseStrength = 0};

// One event of a field: what to make and where its first mesh goes (degrees, world units).
// `model` −1 keeps the event's own model; `shading` null keeps the mesh's own.
struct Placement {
    EventMaker make;
    int32_t model;
    glm::vec3 position;
    glm::vec3 rotation{0.0f};
    glm::vec3 scale{1.0f};
    When when = kAlways;
    const Shading* shading = nullptr;
};

// Makes the event of an exit of the table.
using ExitMaker = std::unique_ptr<Ev::ExitBase> (*)(int32_t exitIndex);

template <typename T>
std::unique_ptr<Ev::ExitBase> MakeExit(int32_t exitIndex) {
    return std::make_unique<T>(exitIndex);
}
// A door that opens whenever it is examined.
inline constexpr ExitMaker kDoor = MakeExit<Ev::Door>;

// How an exit shows in its field: the event `make` makes (a plain trigger volume when null),
// placed by the row: a volume centred at `position` of `size`, or a door standing at `position`,
// turned by `yaw` degrees, its front (where the player examines it) towards −z before the turn.
struct ExitPlacement {
    const char* trigger;  // the exit table's name for it
    glm::vec3 position;
    glm::vec3 size{1.0f};
    ExitMaker make = nullptr;
    float yaw = 0;
    When when = kAlways;
};

// The room's invisible walls, floors and stair ramps, one collider for each solid block and each
// flight of the plan.
void AddRoomColliders(Scene& field, const level::RoomPlan& plan);
// The events of `table` whose condition holds, in order.
void PlaceEvents(Scene& field, std::span<const Placement> table);
// The exits of field `from` as `table` places them.
void PlaceExits(Scene& field, FieldId from, std::span<const ExitPlacement> table);

}  // namespace content

namespace content {

// A room's light as a field writes it when it builds: the sun (position, target, colour with the
// ambient weight in w), the fog, the depth the shadow map covers and the reverb preset.
struct RoomLight {
    glm::vec3 sunPosition;
    glm::vec3 sunTarget;
    glm::vec4 sunColour;
    glm::vec3 fogColour;
    float fogStart;
    float fogEnd;
    float shadowFar;
    float lightValue;
    uint32_t reverb;
};
void ApplyLight(Scene& field, const RoomLight& light);

// Everything an indoor field builds from: its number, plan, light, things, ways out and box.
struct Room {
    FieldId id;
    const level::RoomPlan& plan;
    RoomLight light;
    std::span<const Placement> events;
    std::span<const ExitPlacement> exits;
    glm::vec3 boxMin, boxMax;
};
// Records the field's number as the player's, then raises the room: its colliders, events and
// exits, its light and its box.
void BuildRoom(Scene& field, const Room& room);

// The live camera watches the player from a fixed `eye` (a corner of the room, near its ceiling),
// so no wall comes between them however the player walks.
void WatchFrom(Scene& field, const glm::vec3& eye);

// A mirror's glass, `width` by `height`, centred at `centre` and facing `yaw` degrees (0: towards
// +z), the way the room it reflects lies.
void PlaceMirror(Scene& field, const glm::vec3& centre, float width, float height, float yaw);

}  // namespace content
