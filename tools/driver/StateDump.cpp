#include "StateDump.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <sstream>

#include "RecordFields.h"
#include "app/D3DXMain.h"
#include "content/events/TitleMenu.h"
#include "library/TextBox.h"
#include "library/Utf.h"

namespace driver {
namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
    return text;
}

std::string Vector(const glm::vec3& v) {
    return "[" + Number(v.x) + ", " + Number(v.y) + ", " + Number(v.z) + "]";
}

template <typename T>
std::string List(std::span<const T> values) {
    std::string out = "[";
    for (size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + std::to_string(values[i]);
    return out + "]";
}

// Each dart: whether it flies, whether it shows, and where its ball is.
std::string Darts(const Personal& player) {
    std::string out = "[";
    for (size_t i = 0; i < player.darts.size(); ++i) {
        const Dart& dart = *player.darts[i];
        out += (i ? ", " : "") + std::string("{\"flying\": ") + std::to_string(dart.flying) +
               ", \"shown\": " + std::to_string(dart.model.hidden == 0 ? 1 : 0) +
               ", \"pos\": " + Vector(dart.ball.position) + "}";
    }
    return out + "]";
}

// The field's children in order, each with its name and its own debug text; free slots are null.
std::string Children(const Scene& field) {
    std::string out = "[";
    for (size_t i = 0; i < field.children.size(); ++i) {
        const Scene* child = field.children[i].get();
        out += i ? ", " : "";
        out += child ? "{\"name\": " + Quoted(Utf16ToUtf8(child->Name())) +
                           ", \"debug\": " + Quoted(Utf16ToUtf8(child->DebugText(u""))) + "}"
                     : "null";
    }
    return out + "]";
}

std::string Key(const TextBox& box, int32_t line) {
    const auto key = LineKey(box, line);
    return key ? Quoted(*key) : "null";
}

// The open box: the keys of the lines shown since it opened, the current line as revealed so
// far, its number of answers (2 for a question) and the answer chosen.
std::string DialogueJson(const TextBox* box, const TextData& texts) {
    if (!box) return "null";
    std::string keys = "[";
    for (size_t i = 0; i < box->linesShown.size(); ++i) {
        keys += (i ? ", " : "") + Key(*box, box->linesShown[i]);
    }
    keys += "]";
    const std::u16string& line = texts.GetText(box->text.key ? box->text.key : u"");
    const size_t revealed =
        std::min(line.size(), static_cast<size_t>(std::max(0, box->text.maxChars)));
    const size_t answers = AnswerCount(*box);
    return "{\"line\": " + std::to_string(box->lineIndex) +
           ", \"key\": " + Key(*box, box->lineIndex) + ", \"keys\": " + keys +
           ", \"shown\": " + Quoted(Utf16ToUtf8(line.substr(0, revealed))) +
           ", \"answers\": " + std::to_string(answers) +
           ", \"choice\": " + std::to_string(box->choice) + "}";
}

struct Setting {
    const char* name;
    float (*read)(const SystemSettings&);
};
constexpr Setting kSettings[] = {
    {"light", [](const SystemSettings& s) { return s.lightLevel; }},
    {"volume", [](const SystemSettings& s) { return s.soundVolume; }},
    {"resolution", [](const SystemSettings& s) { return static_cast<float>(s.resolutionIndex); }},
};

std::string MenuJson(const D3DXMain& app) {
    const auto menu = OpenMenu(app);
    if (!menu) return "null";
    return "{\"page\": " + std::to_string(menu->page) + ", \"row\": " + std::to_string(menu->row) +
           "}";
}

std::string SettingsJson(const SystemSettings& settings) {
    std::string out = "{";
    for (const Setting& setting : kSettings) {
        out += std::string(out.size() > 1 ? ", " : "") + "\"" + setting.name +
               "\": " + Number(setting.read(settings));
    }
    return out + "}";
}

}  // namespace

std::optional<MenuView> OpenMenu(const D3DXMain& app) {
    const PauseMenu& pause = app.player.menu;
    if (pause.showing) return MenuView{pause.view.page, pause.view.selection};
    const Scene* field = app.rootScene.CurrentChild();
    if (!field) return std::nullopt;
    for (const auto& child : field->children) {
        if (const auto* title = dynamic_cast<const Ev::EvTitle*>(child.get())) {
            return MenuView{static_cast<int32_t>(title->CurrentPage()), title->Row()};
        }
    }
    return std::nullopt;
}

std::optional<float> SettingNamed(const SystemSettings& settings, std::string_view name) {
    for (const Setting& setting : kSettings) {
        if (name == setting.name) return setting.read(settings);
    }
    return std::nullopt;
}

std::optional<std::string> FieldName(const D3DXMain& app) {
    const Scene* field = app.rootScene.CurrentChild();
    if (!field) return std::nullopt;
    return Utf16ToUtf8(field->Name());
}

const TextBox* OpenBox(const D3DXMain& app) {
    const Scene* field = app.rootScene.CurrentChild();
    return field ? field->OpenDialogue() : nullptr;
}

std::optional<std::string> LineKey(const TextBox& box, int32_t line) {
    const bool known = line >= 0 && static_cast<size_t>(line) < box.lines.size();
    const char16_t* key = known ? box.lines[static_cast<size_t>(line)].key : nullptr;
    if (!key) return std::nullopt;
    return Utf16ToUtf8(key);
}

size_t AnswerCount(const TextBox& box) {
    const bool known = box.lineIndex >= 0 && static_cast<size_t>(box.lineIndex) < box.lines.size();
    return known ? box.lines[static_cast<size_t>(box.lineIndex)].next.size() : 0;
}

std::string StateJson(const D3DXMain& app, uint32_t frame) {
    const Personal& player = app.player;
    const SaveRecord& record = player.record;
    const Scene* field = app.rootScene.CurrentChild();
    const std::vector<int32_t> achievements(app.lib.steamworks.awarded.begin(),
                                            app.lib.steamworks.awarded.end());

    std::ostringstream json;
    json << "{\n";
    json << "  \"frame\": " << frame << ",\n";
    const auto fieldName = FieldName(app);
    json << "  \"field\": " << (fieldName ? Quoted(*fieldName) : "null") << ",\n";
    json << "  \"fieldDebug\": " << (field ? Quoted(Utf16ToUtf8(field->DebugText(u""))) : "null")
         << ",\n";
    json << "  \"children\": " << (field ? Children(*field) : "[]") << ",\n";
    json << "  \"fieldNumber\": " << record.currentField << ",\n";
    json << "  \"controlMode\": " << player.controlMode << ",\n";
    json << "  \"storyStage\": " << record.storyStage << ",\n";
    json << "  \"deviceLost\": " << app.deviceLost << ",\n";
    json << "  \"player\": {\"pos\": " << Vector(player.Position())
         << ", \"yaw\": " << Number(player.Yaw()) << ", \"aiming\": " << player.aiming
         << ", \"motion\": " << player.motion << ", \"pitch\": " << Number(player.pitch)
         << ", \"yawOffset\": " << Number(player.yawOffset) << ", \"darts\": " << Darts(player)
         << "},\n";
    json << "  \"camera\": {\"eye\": " << Vector(app.lib.effect.camera.eye)
         << ", \"at\": " << Vector(app.lib.effect.camera.at) << "},\n";
    json << "  \"textBox\": " << DialogueJson(OpenBox(app), app.lib.textData) << ",\n";
    json << "  \"menu\": " << MenuJson(app) << ",\n";
    json << "  \"settings\": " << SettingsJson(app.lib.settings) << ",\n";
    json << "  \"items\": {\"itemHeld\": " << List<int32_t>(record.itemHeld)
         << ", \"itemTaken\": " << List<int32_t>(record.itemTaken);
    for (const RecordFlag& flag : ItemFlags()) {
        json << ", \"" << flag.name << "\": " << record.*flag.member;
    }
    json << "},\n";
    json << "  \"enemy\": {\"mode\": " << record.EnemyMode << ", \"hitPoints\": " << record.HitPoint
         << ", \"pos\": " << Vector(record.enemyPos) << "},\n";
    json << "  \"throwCount\": " << record.throwCount << ",\n";
    json << "  \"deathCount\": " << record.deathCount << ",\n";
    json << "  \"achievements\": " << List<int32_t>(achievements) << "\n";
    json << "}\n";
    return json.str();
}

}  // namespace driver
