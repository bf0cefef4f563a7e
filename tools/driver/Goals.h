#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include "ScriptWords.h"
#include "platform/Platform.h"

// The goal lines of the input script: what a player sets out to do, each begun when the one
// before it has finished. Points are world units, (X, Z) on the floor plane.
//
//   walkto X Z [RADIUS]     walk (W A S D, by the view) until within RADIUS (0.3) of (X, Z)
//                           with the keys let go
//   face X Z                tap the walking keys nearest that way for one frame: the body turns
//                           to within 22.5 degrees of the point, stepping about 0.08 towards it
//   throw [X Y Z]           hold Q to aim, turn the aim onto the point with the pointer, throw
//                           with E, let go of both
//   press KEY               KEY down for one frame, then up
//   press pad BUTTON        the pad's BUTTON likewise (the pad connected first if it is not)
//   wait N                  N frames
//   waitfor CONDITION [N]   until CONDITION holds; fails after N frames (600)
//   expect CONDITION        fails unless CONDITION holds now
//   answer 1|2              take that answer of the open question and confirm it with E
//   shot NAME               picture this frame as NAME.png in the folder `--shot-dir` names;
//                           NAME is letters, digits, '-' and '_'
//
// CONDITION, named as the state dump names things:
//   stage N                 "storyStage"
//   field NAME|NUMBER       "field" (the field's name) or "fieldNumber"
//   text KEY                an open dialogue box on the line of text KEY ("textBox"."key")
//   item NAME               a non-zero record integer under "items" (or any `--set` name)
//   achievement N           N among "achievements"
//   menu PAGE ROW | none    the open menu ("menu"): the pause menu's, else the title's; or none
//   setting NAME VALUE      "settings": light, volume (within 0.005) or resolution
namespace driver {

struct WalkTo {
    glm::vec2 point;
    float radius;
};
struct Face {
    glm::vec2 point;
};
struct ThrowAt {
    std::optional<glm::vec3> target;
};
struct Press {
    std::variant<platform::VirtualKey, uint16_t> what;  // a key or a pad button's bit
};
struct Wait {
    uint32_t frames;
};

struct Condition {
    enum class Kind { Stage, Field, Text, Item, Achievement, Menu, Setting };
    Kind kind;
    std::string name;               // field, text, item and setting; "none" for no menu
    std::optional<int32_t> number;  // stage, achievement, field number, the menu's page
    int32_t row = 0;                // the menu's highlighted row
    float value = 0;                // the setting's
};
struct WaitFor {
    Condition condition;
    uint32_t timeout;
};
struct Expect {
    Condition condition;
};
struct Choose {
    int32_t answer;  // 1 or 2
};
struct Shot {
    std::string name;
};

using Goal = std::variant<WalkTo, Face, ThrowAt, Press, Wait, WaitFor, Expect, Choose, Shot>;

// The goal on a line whose first word is not a frame; nullopt for a malformed one.
std::optional<Goal> ParseGoal(Words& words);

}  // namespace driver
