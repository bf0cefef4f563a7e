#include "ScriptedInput.h"

namespace driver {

namespace {
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
}  // namespace

void ScriptedInput::SetKey(platform::VirtualKey key, bool down) {
    using platform::VirtualKey;
    const bool wasDown = keys_.contains(key);
    if (down) {
        keys_.insert(key);
    } else {
        keys_.erase(key);
    }
    if (key == VirtualKey::Escape && wasDown && !down) {
        messages_.Push({platform::MessageType::KeyUp, static_cast<int>(platform::Key::Escape)});
    }
    if (key == VirtualKey::Enter && !wasDown && down && keys_.contains(VirtualKey::Alt)) {
        messages_.Push({platform::MessageType::SysKeyDown, static_cast<int>(platform::Key::Enter)});
    }
}

void ScriptedInput::Apply(const Action& action) {
    std::visit(Overloaded{
                   [&](const KeyAction& a) { SetKey(a.key, a.down); },
                   [&](const MouseMove& a) { cursor_ = a.client; },
                   [&](const MouseButtonAction& a) {
                       if (a.down) {
                           buttons_.insert(a.button);
                       } else {
                           buttons_.erase(a.button);
                       }
                   },
                   [&](const PadConnect& a) { pad_ = platform::PadState{a.connected}; },
                   [&](const PadButtonAction& a) {
                       pad_.buttons = a.down ? pad_.buttons | a.button : pad_.buttons & ~a.button;
                   },
                   [&](const PadStick& a) {
                       (a.right ? pad_.rightX : pad_.leftX) = a.x;
                       (a.right ? pad_.rightY : pad_.leftY) = a.y;
                   },
                   [&](const PadTrigger& a) {
                       (a.right ? pad_.rightTrigger : pad_.leftTrigger) = a.value;
                   },
                   [&](const WindowAction& a) { messages_.Push(a.message); },
                   [&](const Answer& a) { dialogs_.QueueAnswer(a.answer); },
               },
               action);
}

}  // namespace driver
