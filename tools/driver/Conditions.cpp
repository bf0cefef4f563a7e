#include "Conditions.h"

#include <cmath>
#include <cstdio>

#include "RecordFields.h"
#include "StateDump.h"
#include "app/D3DXMain.h"
#include "library/TextBox.h"

namespace driver {
namespace {

using Kind = Condition::Kind;

Observation Stage(const Condition& condition, const D3DXMain& app) {
    const int32_t stage = app.player.record.storyStage;
    return {stage == condition.number, "stage " + std::to_string(stage)};
}

Observation Field(const Condition& condition, const D3DXMain& app) {
    if (condition.number) {
        const int32_t number = app.player.record.currentField;
        return {number == condition.number, "field " + std::to_string(number)};
    }
    const auto name = FieldName(app);
    return {name == condition.name, "field " + name.value_or("(none)")};
}

Observation Text(const Condition& condition, const D3DXMain& app) {
    const TextBox* box = OpenBox(app);
    if (!box) return {false, "no text box"};
    const auto key = LineKey(*box, box->lineIndex);
    return {key == condition.name, "text " + key.value_or("(none)")};
}

Observation Item(const Condition& condition, const D3DXMain& app) {
    const int32_t* value = FindRecordInt(app.player.record, condition.name);
    const int32_t seen = value ? *value : 0;
    return {seen != 0, "item " + condition.name + " " + std::to_string(seen)};
}

Observation Achievement(const Condition& condition, const D3DXMain& app) {
    const auto& awarded = app.lib.steamworks.awarded;
    std::string seen = "achievements";
    for (const int32_t number : awarded) seen += " " + std::to_string(number);
    if (awarded.empty()) seen += " none";
    return {condition.number && awarded.contains(*condition.number), seen};
}

std::string MenuWords(std::optional<int32_t> page, int32_t row) {
    return page ? "menu " + std::to_string(*page) + " " + std::to_string(row) : "menu none";
}

Observation Menu(const Condition& condition, const D3DXMain& app) {
    const auto menu = OpenMenu(app);
    const std::optional<int32_t> page = menu ? std::optional(menu->page) : std::nullopt;
    const int32_t row = menu ? menu->row : 0;
    return {page == condition.number && row == condition.row, MenuWords(page, row)};
}

std::string Real(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

// The sliders step by 0.01: a value matches within half a step.
Observation Setting(const Condition& condition, const D3DXMain& app) {
    const float seen = SettingNamed(app.lib.settings, condition.name).value_or(NAN);
    return {std::abs(seen - condition.value) < 0.005f,
            "setting " + condition.name + " " + Real(seen)};
}

}  // namespace

Observation Observe(const Condition& condition, const D3DXMain& app) {
    switch (condition.kind) {
        case Kind::Stage:
            return Stage(condition, app);
        case Kind::Field:
            return Field(condition, app);
        case Kind::Text:
            return Text(condition, app);
        case Kind::Item:
            return Item(condition, app);
        case Kind::Achievement:
            return Achievement(condition, app);
        case Kind::Menu:
            return Menu(condition, app);
        case Kind::Setting:
            return Setting(condition, app);
    }
    return {false, "unknown condition"};
}

std::string Describe(const Condition& condition) {
    if (condition.kind == Kind::Menu) return MenuWords(condition.number, condition.row);
    if (condition.kind == Kind::Setting) {
        return "setting " + condition.name + " " + Real(condition.value);
    }
    static constexpr const char* kWords[] = {"stage", "field", "text", "item", "achievement"};
    const std::string what = kWords[static_cast<size_t>(condition.kind)];
    return what + " " + (condition.number ? std::to_string(*condition.number) : condition.name);
}

}  // namespace driver
