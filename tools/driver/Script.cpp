#include "Script.h"

#include <array>
#include <string_view>
#include <utility>

#include "ScriptWords.h"

namespace driver {
namespace {

constexpr std::array<Named<platform::MessageType>, 5> kWindowEvents{{
    {"close", platform::MessageType::Destroy},
    {"focus", platform::MessageType::Activate},
    {"blur", platform::MessageType::Activate},
    {"minimize", platform::MessageType::Minimize},
    {"restore", platform::MessageType::Restore},
}};

constexpr std::array<Named<platform::BoxAnswer>, 3> kAnswers{{
    {"yes", platform::BoxAnswer::Yes},
    {"no", platform::BoxAnswer::No},
    {"ok", platform::BoxAnswer::Ok},
}};

std::optional<Action> ParseKey(Words& words) {
    const auto down = words.TakeDownUp();
    const auto key = KeyNamed(words.Take());
    if (!down || !key) return {};
    return KeyAction{*key, *down};
}

std::optional<Action> ParseMouse(Words& words) {
    const std::string_view what = words.Take();
    if (what == "move") {
        const auto x = words.TakeNumber(-100000, 100000);
        const auto y = words.TakeNumber(-100000, 100000);
        if (!x || !y) return {};
        return MouseMove{{static_cast<int>(*x), static_cast<int>(*y)}};
    }
    const bool down = what == "down";
    if (!down && what != "up") return {};
    const auto right = words.TakeRightLeft();
    if (!right) return {};
    return MouseButtonAction{*right ? platform::MouseButton::Right : platform::MouseButton::Left,
                             down};
}

std::optional<Action> ParsePad(Words& words) {
    const std::string_view what = words.Take();
    if (what == "connect" || what == "disconnect") return PadConnect{what == "connect"};
    if (what == "down" || what == "up") {
        const auto button = PadButtonNamed(words.Take());
        if (!button) return {};
        return PadButtonAction{*button, what == "down"};
    }
    if (what == "stick") {
        const auto right = words.TakeRightLeft();
        const auto x = words.TakeNumber(-32768, 32767);
        const auto y = words.TakeNumber(-32768, 32767);
        if (!right || !x || !y) return {};
        return PadStick{*right, static_cast<int16_t>(*x), static_cast<int16_t>(*y)};
    }
    if (what == "trigger") {
        const auto right = words.TakeRightLeft();
        const auto value = words.TakeNumber(0, 255);
        if (!right || !value) return {};
        return PadTrigger{*right, static_cast<uint8_t>(*value)};
    }
    return {};
}

std::optional<Action> ParseWindow(Words& words) {
    const std::string_view what = words.Take();
    if (what == "move") {
        const auto x = words.TakeNumber(-100000, 100000);
        const auto y = words.TakeNumber(-100000, 100000);
        if (!x || !y) return {};
        return WindowAction{
            {platform::MessageType::Move, static_cast<int>(*x), static_cast<int>(*y)}};
    }
    const auto type = Lookup(kWindowEvents, what);
    if (!type) return {};
    return WindowAction{{*type, what == "focus" ? 1 : 0}};
}

std::optional<Action> ParseAnswer(Words& words) {
    const auto answer = Lookup(kAnswers, words.Take());
    if (!answer) return {};
    return Answer{*answer};
}

}  // namespace

std::optional<Script> Script::Parse(std::istream& in, std::string& error) {
    constexpr std::array<std::pair<std::string_view, std::optional<Action> (*)(Words&)>, 5>
        kCommands{{{"key", ParseKey},
                   {"mouse", ParseMouse},
                   {"pad", ParsePad},
                   {"window", ParseWindow},
                   {"answer", ParseAnswer}}};
    Script script;
    int32_t lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        Words words(line);
        if (words.Empty()) continue;
        std::optional<Action> action;
        std::optional<Goal> goal;
        std::optional<int64_t> frame;
        if (words.NextIsNumber()) {
            frame = words.TakeNumber(0, UINT32_MAX);
            const std::string_view command = words.Take();
            for (const auto& [name, parse] : kCommands) {
                if (frame && name == command) action = parse(words);
            }
        } else {
            goal = ParseGoal(words);
        }
        if ((!action && !goal) || !words.Done()) {
            error = "line " + std::to_string(lineNumber) + ": cannot read \"" + line + "\"";
            return std::nullopt;
        }
        if (goal) {
            script.goals_.push_back({lineNumber, line, std::move(*goal)});
        } else {
            script.frames_[static_cast<uint32_t>(*frame)].push_back(*action);
        }
    }
    return script;
}

const std::vector<Action>& Script::At(uint32_t frame) const {
    static const std::vector<Action> kNone;
    const auto found = frames_.find(frame);
    return found == frames_.end() ? kNone : found->second;
}

}  // namespace driver
