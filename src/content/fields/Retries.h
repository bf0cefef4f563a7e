#pragma once
#include <cstdint>
#include <span>

#include <glm/vec3.hpp>

#include "content/fields/FieldId.h"

struct SaveRecord;

// What a retry resets of the ghost: nothing, only its state, or its state and its hit points.
enum class EnemyRetry : uint8_t { Keep, Still, Reset };

// Where "retry" on the game-over screen puts the player back, by the field they were caught in,
// and what it rewinds so that the scene that caught them can be played again.
struct RetryRow {
    int32_t caughtIn;  // the `currentField` at death; -1 is the row for every other field
    FieldId rebuilt;
    bool toTitle;  // the game returns to the title instead (`rebuilt` is then unused)
    glm::vec3 spawn;
    float yaw;           // degrees
    int32_t stage = -1;  // the story stage set back to, -1 keeps it
    EnemyRetry enemy = EnemyRetry::Keep;
    int8_t keyGiven = -1;      // a key marked taken and put in the inventory, -1 none
    int8_t keyTakenBack = -1;  // a key marked not taken and taken out of the inventory, -1 none
};

std::span<const RetryRow> RetryTable();
// The row for a death in `currentField` (the title's row for a field without a retry point).
const RetryRow& RetryFor(int32_t currentField);
// Rewinds the record as the row says; the caller places the player at the row's spawn point.
void ApplyRetry(const RetryRow& row, SaveRecord& record);
