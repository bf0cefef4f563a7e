#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <glm/vec4.hpp>

#include "platform/gfx/Device.h"

namespace driver {

enum class Backend { Null, Gl };

inline constexpr int32_t kLastStage = 24;  // the ending

// `--set NAME=VALUE`: an integer of the player's record, named as RecordFields.h names it.
struct RecordWrite {
    std::string name;
    int32_t value = 0;
};

// The driver's command line; see Usage().
struct Options {
    uint32_t frames = 600;
    Backend backend = Backend::Null;
    std::optional<gfx::Size> size;  // the window's client size; default: the game's own choice
    // The render size; default: `size`, else the chosen resolution's.
    std::optional<gfx::Size> render;
    // The share of the render size the 3-D scene is shaded at; default: the game's choice.
    std::optional<float> sceneScale;
    uint32_t seed = 1;
    std::string inputPath;
    std::multimap<uint32_t, std::string> shots;   // frame -> PNG path
    std::multimap<uint32_t, std::string> states;  // frame -> JSON path
    // Where `shot NAME` goals write NAME.png; given, the gl backend rasterises only the frames
    // pictured (DrawOnDemand.h). Empty: `shot` goals take no picture.
    std::string shotDir;
    std::string saveDir;           // default: a fresh temporary folder
    std::optional<int32_t> field;  // start in this field instead of the title, with a new game
    std::optional<int32_t> stage;  // the story stage the field is built at; default: one that
                                   // reaches it
    std::vector<RecordWrite> recordWrites;  // with `field`: in command-line order
    // With `field`: where the player arrives and the yaw they face (degrees), instead of where
    // the first way into the field leads; lets a route be taken up where another way arrives.
    std::optional<glm::vec4> spawn;
    // Random play from the seed (RandomPlay.h): a new game in a random field at a random stage
    // every this many frames, the first at frame 0; `--set` values apply to each.
    std::optional<uint32_t> randomPlayFieldFrames;
    // A line of the process's and the game's resource figures every `statsEvery` frames.
    uint32_t statsEvery = 0;
    std::string statsPath;
};

const char* Usage();

// Nullopt, with the reason in `error`, for a bad command line.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace driver
