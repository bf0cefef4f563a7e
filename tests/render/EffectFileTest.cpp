// The effect file's reader: what a complete file gives, and how an incomplete one is refused.
#include "library/EffectFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// A complete file: 23 parameters, two stages, fourteen passes.
std::string CompleteFile() {
    std::string text = "# comment\ntechnique TShader\n";
    for (int i = 0; i < kEffectParameterCount; ++i) {
        text += "parameter " + std::to_string(i) + " p" + std::to_string(i) + "\n";
    }
    text += "shared\nuniform vec4 p4;\nend\n";
    text += "vertex v\nvoid main() {}\nend\nfragment f\nvoid main() {}\nend\n";
    for (int i = 0; i < kEffectPassCount; ++i) {
        text += "pass " + std::to_string(i) +
                " vertex=v fragment=f blend=add depth=test cull=none" +
                (i == 3 ? " defines=A,B_2 options=C" : "") + "\n";
    }
    return text;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(EffectFileTest, ReadsParametersStagesAndPassesAndAssemblesEachPassSource) {
    std::string error;
    const auto file = ParseEffectFile(CompleteFile(), error);
    ASSERT_TRUE(file) << error;
    EXPECT_EQ(file->technique, "TShader");
    EXPECT_EQ(file->parameters[22], "p22");
    EXPECT_EQ(file->passes[3].state,
              (gfx::DrawState{gfx::Blend::Additive, gfx::DepthMode::Test, gfx::CullMode::None}));
    const gfx::ProgramSource source = file->SourceOf(3);
    // Defines first, so that the shared block and the stage both see them; an option only in
    // the variant that asks for it.
    EXPECT_THAT(source.vertex, testing::StartsWith("#define A\n#define B_2\nuniform vec4 p4;\n"));
    EXPECT_THAT(file->SourceOf(3, 1).fragment,
                testing::StartsWith("#define A\n#define B_2\n#define C\nuniform"));
    EXPECT_THAT(source.fragment, testing::EndsWith("void main() {}\n"));
}

TEST(EffectFileTest, ABrokenFileIsRefusedWithItsReason) {
    const struct {
        const char* what;
        std::string text;
        const char* reason;
    } broken[] = {
        {"Empty", "", "no technique"},
        {"MissingParameter", Replace(CompleteFile(), "parameter 13 p13\n", ""),
         "parameter 13 has no name"},
        {"RepeatedParameter", Replace(CompleteFile(), "parameter 13 p13", "parameter 12 p13"),
         "line 16: parameter 12 named twice"},
        {"ParameterOutOfRange", Replace(CompleteFile(), "parameter 13 p13", "parameter 23 p13"),
         "bad parameter"},
        {"MissingPass",
         Replace(CompleteFile(), "pass 13 vertex=v fragment=f blend=add depth=test cull=none\n",
                 ""),
         "pass 13 missing"},
        {"RepeatedPass", Replace(CompleteFile(), "pass 13 ", "pass 12 "), "pass given twice"},
        {"UnknownStage", Replace(CompleteFile(), "pass 0 vertex=v", "pass 0 vertex=w"),
         "pass 0 names a stage that does not exist"},
        {"UnknownBlend",
         Replace(CompleteFile(), "pass 0 vertex=v fragment=f blend=add",
                 "pass 0 vertex=v fragment=f blend=multiply"),
         "bad pass setting \"blend=multiply\""},
        {"PassWithoutState",
         Replace(CompleteFile(), "pass 5 vertex=v fragment=f blend=add depth=test",
                 "pass 5 vertex=v fragment=f depth=test"),
         "a pass needs"},
        {"EmptyDefine", Replace(CompleteFile(), "defines=A,B_2", "defines=A,"), "bad pass setting"},
        {"UnclosedBlock", "technique T\nshared\nuniform float x;\n", "line 2: block not closed"},
        {"RepeatedStage", CompleteFile() + "vertex v\nend\n", "block given twice"},
        {"UnknownStatement", CompleteFile() + "include other.cfx\n",
         "unknown statement \"include\""}};
    for (const auto& file : broken) {
        std::string error;
        EXPECT_FALSE(ParseEffectFile(file.text, error)) << file.what;
        EXPECT_THAT(error, testing::HasSubstr(file.reason)) << file.what;
    }
}

}  // namespace
