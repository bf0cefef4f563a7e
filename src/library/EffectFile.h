#pragma once
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/ShaderPass.h"
#include "platform/gfx/Device.h"

// The effect file of archive row 6: the shaders of the technique's passes and the names of the
// parameters the game sets by index. A line-based text:
//   technique NAME
//   parameter INDEX NAME                         (every index 0 .. kEffectParameterCount − 1)
//   shared / vertex NAME / fragment NAME, GLSL lines, then "end"
//   pass INDEX vertex=NAME fragment=NAME [defines=A,B] [options=C,D] blend=none|alpha|add
//        depth=off|test|testwrite cull=none|back  (every index 0 .. kEffectPassCount − 1)
// A pass's options are defines it is compiled both with and without (at most kMaxPassOptions),
// so that the game can draw with the variant that leaves out work whose result would not show.
// Lines starting with '#' outside a block are comments.

inline constexpr int kEffectParameterCount = 23;
inline constexpr size_t kMaxPassOptions = 2;

struct EffectPass {
    std::string vertex;  // names of the stage blocks
    std::string fragment;
    std::vector<std::string> defines;
    std::vector<std::string> options;
    gfx::DrawState state;
};

struct EffectFile {
    std::string technique;
    std::array<std::string, kEffectParameterCount> parameters;  // uniform names by index
    std::string shared;                                         // GLSL put before each stage
    std::map<std::string, std::string, std::less<>> vertexStages;
    std::map<std::string, std::string, std::less<>> fragmentStages;
    std::array<EffectPass, kEffectPassCount> passes;

    // The program source of pass `index`: its defines and the options whose bits are set in
    // `options` (bit i: the pass's option i), the shared block, then each stage.
    gfx::ProgramSource SourceOf(int index, uint32_t options = 0) const;
};

// nullopt with the reason (and its line number) in `error` when the text is not a complete,
// consistent effect file: a missing, repeated or out-of-range parameter or pass, a pass naming
// a stage that does not exist, an unknown keyword or value, a block left open.
std::optional<EffectFile> ParseEffectFile(std::string_view text, std::string& error);
