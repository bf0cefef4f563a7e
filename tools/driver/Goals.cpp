#include "Goals.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "RecordFields.h"
#include "StateDump.h"

namespace driver {
namespace {

constexpr float kMaxCoordinate = 100000;
constexpr float kDefaultRadius = 0.3f;
// A smaller circle than the walk's step of the resting point could be stepped over for ever.
constexpr float kMinRadius = 0.1f;
constexpr uint32_t kDefaultTimeout = 600;
constexpr int64_t kMaxFrames = 1000000;

std::optional<glm::vec2> TakeFloorPoint(Words& words) {
    const auto x = words.TakeReal(-kMaxCoordinate, kMaxCoordinate);
    const auto z = words.TakeReal(-kMaxCoordinate, kMaxCoordinate);
    if (!x || !z) return {};
    return glm::vec2(*x, *z);
}

std::optional<Goal> ParseWalkTo(Words& words) {
    const auto point = TakeFloorPoint(words);
    const auto radius = words.Done() ? kDefaultRadius : words.TakeReal(kMinRadius, kMaxCoordinate);
    if (!point || !radius) return {};
    return WalkTo{*point, *radius};
}

std::optional<Goal> ParseFace(Words& words) {
    const auto point = TakeFloorPoint(words);
    if (!point) return {};
    return Face{*point};
}

std::optional<Goal> ParseThrow(Words& words) {
    if (words.Done()) return ThrowAt{};
    const auto x = words.TakeReal(-kMaxCoordinate, kMaxCoordinate);
    const auto y = words.TakeReal(-kMaxCoordinate, kMaxCoordinate);
    const auto z = words.TakeReal(-kMaxCoordinate, kMaxCoordinate);
    if (!x || !y || !z) return {};
    return ThrowAt{glm::vec3(*x, *y, *z)};
}

std::optional<Goal> ParsePress(Words& words) {
    const std::string_view name = words.Take();
    if (name == "pad") {
        const auto button = PadButtonNamed(words.Take());
        if (!button) return {};
        return Press{*button};
    }
    const auto key = KeyNamed(name);
    if (!key) return {};
    return Press{*key};
}

std::optional<Goal> ParseWait(Words& words) {
    const auto frames = words.TakeNumber(0, kMaxFrames);
    if (!frames) return {};
    return Wait{static_cast<uint32_t>(*frames)};
}

std::optional<Condition> ParseCondition(Words& words) {
    using Kind = Condition::Kind;
    const std::string_view what = words.Take();
    if (what == "stage" || what == "achievement") {
        const auto number = words.TakeNumber(0, INT32_MAX);
        if (!number) return {};
        return Condition{what == "stage" ? Kind::Stage : Kind::Achievement, "",
                         static_cast<int32_t>(*number)};
    }
    if (what == "field" && words.NextIsNumber()) {
        const auto number = words.TakeNumber(0, INT32_MAX);
        if (!number) return {};
        return Condition{Kind::Field, "", static_cast<int32_t>(*number)};
    }
    if (what == "menu") {
        if (!words.NextIsNumber()) {
            if (words.Take() != "none") return {};
            return Condition{Kind::Menu, "none", std::nullopt};
        }
        const auto page = words.TakeNumber(0, INT32_MAX);
        const auto row = words.TakeNumber(INT32_MIN, INT32_MAX);
        if (!page || !row) return {};
        return Condition{Kind::Menu, "", static_cast<int32_t>(*page), static_cast<int32_t>(*row)};
    }
    const std::string name(words.Take());
    if (name.empty()) return {};
    if (what == "setting" && SettingNamed(SystemSettings{}, name)) {
        const auto value = words.TakeReal(-kMaxCoordinate, kMaxCoordinate);
        if (!value) return {};
        return Condition{Kind::Setting, name, std::nullopt, 0, *value};
    }
    if (what == "field") return Condition{Kind::Field, name, std::nullopt};
    if (what == "text") return Condition{Kind::Text, name, std::nullopt};
    if (what == "item" && FindRecordInt(SaveRecord{}, name)) {
        return Condition{Kind::Item, name, std::nullopt};
    }
    return {};
}

std::optional<Goal> ParseWaitFor(Words& words) {
    const auto condition = ParseCondition(words);
    const auto timeout = words.Done() ? kDefaultTimeout : words.TakeNumber(1, kMaxFrames);
    if (!condition || !timeout) return {};
    return WaitFor{*condition, static_cast<uint32_t>(*timeout)};
}

std::optional<Goal> ParseExpect(Words& words) {
    const auto condition = ParseCondition(words);
    if (!condition) return {};
    return Expect{*condition};
}

std::optional<Goal> ParseChoose(Words& words) {
    const auto answer = words.TakeNumber(1, 2);
    if (!answer) return {};
    return Choose{static_cast<int32_t>(*answer)};
}

// A picture's name, which becomes its file's: no folders, no dots.
std::optional<Goal> ParseShot(Words& words) {
    const std::string_view name = words.Take();
    const auto fileSafe = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
    };
    if (name.empty() || !std::all_of(name.begin(), name.end(), fileSafe)) return {};
    return Shot{std::string(name)};
}

constexpr std::array<std::pair<std::string_view, std::optional<Goal> (*)(Words&)>, 9> kGoals{{
    {"walkto", ParseWalkTo},
    {"face", ParseFace},
    {"throw", ParseThrow},
    {"press", ParsePress},
    {"wait", ParseWait},
    {"waitfor", ParseWaitFor},
    {"expect", ParseExpect},
    {"answer", ParseChoose},
    {"shot", ParseShot},
}};

}  // namespace

std::optional<Goal> ParseGoal(Words& words) {
    const std::string_view command = words.Take();
    for (const auto& [name, parse] : kGoals) {
        if (name == command) return parse(words);
    }
    return std::nullopt;
}

}  // namespace driver
