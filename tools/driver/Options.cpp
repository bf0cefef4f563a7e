#include "Options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "RecordFields.h"
#include "content/fields/FieldFactory.h"

namespace driver {
namespace {

std::optional<uint32_t> ParseUnsigned(std::string_view text) {
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

// "W x H" with both in 1..16384.
std::optional<gfx::Size> ParseSize(std::string_view text) {
    const size_t x = text.find('x');
    if (x == std::string_view::npos) return {};
    const auto width = ParseUnsigned(text.substr(0, x));
    const auto height = ParseUnsigned(text.substr(x + 1));
    if (!width || !height || *width == 0 || *height == 0 || *width > 16384 || *height > 16384) {
        return {};
    }
    return gfx::Size{static_cast<int>(*width), static_cast<int>(*height)};
}

// A share of the render size in (0, 1].
std::optional<float> ParseScale(std::string_view text) {
    float scale = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !(scale > 0.0f && scale <= 1.0f)) {
        return {};
    }
    return scale;
}

// "NUMBER:PATH".
std::optional<std::pair<uint32_t, std::string>> ParseNumberedFile(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon + 1 == text.size()) return {};
    const auto number = ParseUnsigned(text.substr(0, colon));
    if (!number) return {};
    return std::pair(*number, std::string(text.substr(colon + 1)));
}

// "FRAME:PATH".
bool AddFrameFile(std::string_view text, std::multimap<uint32_t, std::string>& into) {
    const auto frameFile = ParseNumberedFile(text);
    if (frameFile) into.insert(*frameFile);
    return frameFile.has_value();
}

// "X,Y,Z,YAW": four finite numbers.
std::optional<glm::vec4> ParseSpawn(std::string_view text) {
    glm::vec4 spawn{};
    for (int i = 0; i < 4; ++i) {
        const size_t comma = i < 3 ? text.find(',') : text.size();
        if (comma == std::string_view::npos) return {};
        const std::string_view number = text.substr(0, comma);
        const auto [end, ec] =
            std::from_chars(number.data(), number.data() + number.size(), spawn[i]);
        if (number.empty() || ec != std::errc() || end != number.data() + number.size() ||
            !std::isfinite(spawn[i])) {
            return {};
        }
        text.remove_prefix(std::min(text.size(), comma + 1));
    }
    return spawn;
}

// A field number the game's factory can build.
std::optional<int32_t> ParseField(std::string_view text) {
    const auto number = ParseUnsigned(text);
    if (!number || *number > static_cast<uint32_t>(INT32_MAX)) return {};
    const auto field = static_cast<int32_t>(*number);
    if (field >= kFieldCount || !MakeFieldOf(static_cast<FieldId>(field))) return {};
    return field;
}

// "NAME=VALUE": an integer the record has, and a signed 32-bit value.
std::optional<RecordWrite> ParseRecordWrite(std::string_view text, std::string& error) {
    const size_t equals = text.find('=');
    const std::string_view name = text.substr(0, equals);
    const std::string_view value =
        text.substr(equals == std::string_view::npos ? text.size() : equals + 1);
    SaveRecord any;
    if (!FindRecordInt(any, name)) {
        error = "--set " + std::string(text) + ": the record has no integer " + std::string(name) +
                " (known: " + RecordIntNames() + ")";
        return std::nullopt;
    }
    int32_t number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size()) {
        error = "bad value for --set: " + std::string(text) + " (NAME=VALUE, a 32-bit integer)";
        return std::nullopt;
    }
    return RecordWrite{std::string(name), number};
}

}  // namespace

const char* Usage() {
    return "usage: hm-driver [--frames N] [--gfx null|gl] [--size WxH] [--render WxH]\n"
           "                 [--scene-scale F] [--seed N]\n"
           "                 [--input FILE] [--shot FRAME:PATH]... [--state FRAME:PATH]...\n"
           "                 [--shot-dir DIR] [--save-dir DIR]\n"
           "                 [--field N [--stage S] [--spawn X,Y,Z,YAW] [--set NAME=VALUE]...]\n"
           "                 [--random-play FRAMES [--set NAME=VALUE]...] [--stats N:PATH]\n";
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 == args.size()) {
            error = name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (name == "--frames") {
            const auto frames = ParseUnsigned(value);
            ok = frames && *frames > 0;
            if (ok) options.frames = *frames;
        } else if (name == "--gfx") {
            ok = value == "null" || value == "gl";
            options.backend = value == "gl" ? Backend::Gl : Backend::Null;
        } else if (name == "--size" || name == "--render") {
            auto& size = name == "--size" ? options.size : options.render;
            size = ParseSize(value);
            ok = size.has_value();
        } else if (name == "--scene-scale") {
            options.sceneScale = ParseScale(value);
            ok = options.sceneScale.has_value();
        } else if (name == "--seed") {
            const auto seed = ParseUnsigned(value);
            ok = seed.has_value();
            if (ok) options.seed = *seed;
        } else if (name == "--input") {
            options.inputPath = value;
        } else if (name == "--shot") {
            ok = AddFrameFile(value, options.shots);
        } else if (name == "--state") {
            ok = AddFrameFile(value, options.states);
        } else if (name == "--shot-dir") {
            options.shotDir = value;
        } else if (name == "--save-dir") {
            options.saveDir = value;
        } else if (name == "--field") {
            options.field = ParseField(value);
            if (!options.field) {
                error = "--field " + value + ": no field has that number (0: the test room)";
                return std::nullopt;
            }
        } else if (name == "--stage") {
            const auto stage = ParseUnsigned(value);
            ok = stage && *stage <= static_cast<uint32_t>(kLastStage);
            if (ok) options.stage = static_cast<int32_t>(*stage);
        } else if (name == "--spawn") {
            options.spawn = ParseSpawn(value);
            ok = options.spawn.has_value();
        } else if (name == "--random-play") {
            const auto fieldFrames = ParseUnsigned(value);
            ok = fieldFrames && *fieldFrames > 0;
            if (ok) options.randomPlayFieldFrames = fieldFrames;
        } else if (name == "--stats") {
            const auto every = ParseNumberedFile(value);
            ok = every && every->first > 0;
            if (ok) std::tie(options.statsEvery, options.statsPath) = *every;
        } else if (name == "--set") {
            auto write = ParseRecordWrite(value, error);
            if (!write) return std::nullopt;
            options.recordWrites.push_back(std::move(*write));
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    if (options.field && options.randomPlayFieldFrames) {
        error = "--random-play chooses its own fields: no --field with it";
        return std::nullopt;
    }
    if (!options.field && (options.stage || options.spawn)) {
        error = options.stage ? "--stage needs --field" : "--spawn needs --field";
        return std::nullopt;
    }
    if (!options.field && !options.randomPlayFieldFrames && !options.recordWrites.empty()) {
        error = "--set needs --field or --random-play";
        return std::nullopt;
    }
    return options;
}

}  // namespace driver
