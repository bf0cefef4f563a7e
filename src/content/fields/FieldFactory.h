#pragma once
#include <cstdint>
#include <memory>

#include <glm/vec3.hpp>

#include "content/fields/FieldId.h"
#include "scene/Scene.h"

// The title screen, the first field of every run.
std::unique_ptr<Scene> MakeTitle();
// The opening's dark screen, between its views.
std::unique_ptr<Scene> MakeIntro();
// Where the ghost's catch hands the player over.
std::unique_ptr<Scene> MakeGameover();

// The field of a saved field number (the player's `currentField`), not yet entered; null for a
// number that continue and retry cannot rebuild (the hidden room, 23, is reached only by its
// door).
std::unique_ptr<Scene> MakeField(int32_t number);
// Any field, as the exits and the tools reach it; null for one not built yet.
std::unique_ptr<Scene> MakeFieldOf(FieldId id);

// A field change that no exit makes (the opening's, the title's): `next` is entered at the next
// frame with the player at `spawn` facing `yaw` degrees, and `field`, the current field, goes.
// Nothing happens for no field.
void ChangeField(Scene& field, std::unique_ptr<Scene> next, float yaw, const glm::vec3& spawn);

// Where a tool starts a new game in a field: the story stage at which a player can be there,
// and a spawn point of the field (its retry point, else where its first way in arrives).
struct FieldStart {
    int32_t stage;
    float yaw;  // degrees
    glm::vec3 position;
};
FieldStart StartOf(FieldId id);
