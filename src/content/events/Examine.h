#pragma once
// The examine pattern every interactive event shares: the player touches the event's trigger and
// gives the action input while no other event holds them; the event then holds the player in the
// idle pose and opens the box that fits the situation. Its box lets the player go again after the
// last line, and the event applies what the box decided exactly once, on that frame.
#include <cstdint>

#include <glm/vec3.hpp>

#include "library/TextBox.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"

class Personal;
class Scene;

namespace Ev {

// An invisible box sensor, the trigger an event is examined through.
void MakeTrigger(CObjMesh& trigger);

// True in the frame in which a free player touching `trigger` gives the action input.
bool Examined(const CObjMesh& trigger, const Personal& player);

// Holds the player in the idle pose and opens `box` at its first line.
void Show(TextBox& box, Personal& player);

// Runs the box's frame; true only on the frame in which the player reads past its last line.
bool Finished(TextBox& box, Scene& owner);

// Plays `sound` placed at `at` on the ground plane (emitters follow only x and z).
void PlayAt(CObjSound& sound, const glm::vec3& at);

// The cue of something taken: the player's door sound, quiet and muffled, heard as their own.
void PlayPickupCue(Personal& player);

}  // namespace Ev
