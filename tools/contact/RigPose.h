#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include <glm/mat4x4.hpp>

class MyLibrary;

// The game's two bodies, as the rig sheets show them.
enum class RigKind {
    Player,      // "gt": the player's body alone
    PlayerHeld,  // "gt-held": the player's body with the bottle and the flashlight in its hand
    Ghost,       // "fish": the ghost's body with its five beads
};

// The body a command-line word names; nullopt for any other word.
std::optional<RigKind> RigKindNamed(std::string_view word);

// One mesh of a posed body: its catalogue row and world matrix (row-vector layout).
struct PosedPart {
    int modelIndex;
    glm::mat4 world;
};

// Builds a body of `kind` with its root at the origin turned to face -z, plays `motion` with the
// clock at `frame` through the body's own update, and returns every mesh the body would draw.
// `library` must have its archive open.
std::vector<PosedPart> PoseRig(RigKind kind, int motion, int frame, MyLibrary& library);
