#pragma once
#include <cstdint>
#include <span>

#include <glm/vec3.hpp>

#include "content/fields/FieldId.h"

class Scene;

// What an exit writes besides the spawn point.
enum class ExitEffect : uint8_t {
    None,
    LeaveOutdoors,        // the square's ambient sound stops indoors
    DiningEnteredInside,  // the dining room's second door opens from now on
    LeaveRoof,            // stage 9; the roof's ghost stays behind
    Stage11,
    Stage23,
    Stage24,
    EnemyStill,     // `EnemyMode` := 0
    IntoTheBoiler,  // the ghost stays on the roof; the way through is rewarded
};

// One way from a field to another: every field change of the game but the scripted ones of the
// opening, the game over and the ending. The trigger is the field's (a trigger volume or a door)
// and names its row; the events that lock some doors add their conditions on top.
struct ExitRow {
    FieldId from;
    const char* trigger;  // what the player walks into or examines, for reading and for tests
    FieldId to;
    glm::vec3 spawn;  // where the player stands in the new field
    float yaw;        // degrees, the facing there
    bool walk;        // fires on touch; otherwise it needs the action input
    bool silent;      // no door sound
    ExitEffect effect = ExitEffect::None;
};

// Every exit, by field of departure.
std::span<const ExitRow> ExitTable();
// The row of the table for a trigger: its index, or -1.
int ExitIndex(FieldId from, const char* trigger);

// Takes the exit: the door sound, the exit's own effect, the spawn point, and the next field
// installed on `field`'s parent, to be entered at the next frame. A target that has no field yet
// leaves the player where they are.
void TakeExit(Scene& field, const ExitRow& exit);
