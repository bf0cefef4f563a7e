#pragma once
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Goals.h"
#include "platform/Platform.h"

// The input script of the headless driver: what a player does, frame by frame.
//
//   # comment                      blank lines and comments are ignored
//   <frame> key down|up <key>      Left Right Up Down A D W S E Q Space Control Alt Escape Enter
//   <frame> mouse move <x> <y>     cursor in client pixels
//   <frame> mouse down|up left|right
//   <frame> pad connect|disconnect
//   <frame> pad down|up <button>   A B Start DpadUp DpadDown DpadLeft DpadRight
//   <frame> pad stick left|right <x> <y>    -32768..32767, y up
//   <frame> pad trigger left|right <0..255>
//   <frame> window close|focus|blur|minimize|restore
//   <frame> window move <x> <y>    outer window position in screen pixels
//   <frame> answer yes|no|ok       the answer to the next message box
//
// Lines without a frame are goals (Goals.h), played one after another by the goal runner
// alongside the framed lines.
//
// The actions of frame N happen as frame N starts: held keys show in that frame's input poll,
// window messages are handled right after the frame, before the next one.
namespace driver {

struct KeyAction {
    platform::VirtualKey key;
    bool down;
};
struct MouseMove {
    platform::Point client;
};
struct MouseButtonAction {
    platform::MouseButton button;
    bool down;
};
struct PadConnect {
    bool connected;
};
struct PadButtonAction {
    uint16_t button;
    bool down;
};
struct PadStick {
    bool right;
    int16_t x, y;
};
struct PadTrigger {
    bool right;
    uint8_t value;
};
struct WindowAction {
    platform::Message message;
};
struct Answer {
    platform::BoxAnswer answer;
};

using Action = std::variant<KeyAction, MouseMove, MouseButtonAction, PadConnect, PadButtonAction,
                            PadStick, PadTrigger, WindowAction, Answer>;

// A goal and the script line it was read from, for the messages that name it.
struct GoalLine {
    int32_t line;
    std::string text;
    Goal goal;
};

class Script {
  public:
    // Parses a whole script; on the first bad line, `error` says which line and why.
    static std::optional<Script> Parse(std::istream& in, std::string& error);

    // The actions of one frame, in script order.
    const std::vector<Action>& At(uint32_t frame) const;
    // The goal lines in script order.
    const std::vector<GoalLine>& Goals() const { return goals_; }

  private:
    std::map<uint32_t, std::vector<Action>> frames_;
    std::vector<GoalLine> goals_;
};

}  // namespace driver
