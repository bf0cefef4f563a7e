#include <gtest/gtest.h>

#include <sstream>

#include "Options.h"
#include "RecordFields.h"
#include "Script.h"
#include "ScriptedInput.h"

namespace {

using driver::Script;

std::optional<Script> Parse(const std::string& text, std::string* errorOut = nullptr) {
    std::istringstream in(text);
    std::string error;
    auto script = Script::Parse(in, error);
    if (errorOut) *errorOut = error;
    return script;
}

TEST(ScriptTest, BadLinesAreRefusedWithTheirLineNumber) {
    const char* const badLines[] = {
        "key down W",                // no frame
        "-1 key down W",             // negative frame
        "5 key press W",             // not down/up
        "5 key down F13",            // unknown key
        "5 key down W extra",        // trailing words
        "5 mouse move 10",           // missing y
        "5 pad stick left 0 40000",  // out of range
        "5 pad trigger right 256", "5 window explode", "5 answer maybe", "5 teleport 1 2 3",
        // goal lines
        "walkto 1", "walkto 1 2 0.01",  // radius too small
        "walkto nan 2", "walkto 1e9 2", "face 1 2 3", "throw 1 2", "press F13", "wait -1", "wait",
        "waitfor stage", "waitfor stage 4 0", "waitfor weather rain", "expect item darts",
        "expect field", "expect stage 4 5", "answer 3", "answer yes", "shot", "shot ../up",
        "shot lobby.png", "press pad", "press pad F1", "expect menu 1", "expect menu closed",
        "expect setting gamma 1", "expect setting light", "jump"};
    // Before each, lines that must be read: a walk to the default radius, a throw straight ahead,
    // which no run writes, and a picture.
    const std::string fine = "# fine\n0 key down W\nwalkto 1.5 -2\nthrow\nshot bath-ghost_2\n";
    for (const char* line : badLines) {
        std::string error;
        EXPECT_FALSE(Parse(fine + line + "\n", &error)) << line;
        EXPECT_NE(error.find("line 6"), std::string::npos) << line << ": " << error;
    }
}

TEST(ScriptedInputTest, EscapeReleaseAltEnterAndCloseBecomeWindowMessages) {
    headless::VirtualClock clock;
    headless::ScriptedMessages messages(clock);
    headless::ScriptedDialogs dialogs;
    driver::ScriptedInput input(messages, dialogs);
    const auto script = Parse(
        "0 key down Enter\n0 key up Enter\n"  // Enter alone: nothing
        "1 key down Alt\n1 key down Enter\n"  // Alt+Enter
        "2 key down Escape\n3 key up Escape\n"
        "4 pad connect\n4 pad down A\n4 pad stick right -32768 100\n4 window close\n");
    ASSERT_TRUE(script);
    for (uint32_t frame = 0; frame < 5; ++frame) {
        for (const auto& action : script->At(frame)) input.Apply(action);
    }
    platform::Message message;
    ASSERT_TRUE(messages.Peek(message));
    EXPECT_EQ(message.type, platform::MessageType::SysKeyDown);
    ASSERT_TRUE(messages.Peek(message));
    EXPECT_EQ(message.type, platform::MessageType::KeyUp);
    ASSERT_TRUE(messages.Peek(message));
    EXPECT_EQ(message.type, platform::MessageType::Destroy);
    EXPECT_FALSE(messages.Peek(message));
    EXPECT_TRUE(input.KeyDown(platform::VirtualKey::Alt));
    EXPECT_FALSE(input.KeyDown(platform::VirtualKey::Escape));
    const platform::PadState pad = input.Pad();
    EXPECT_TRUE(pad.connected);
    EXPECT_EQ(pad.buttons, platform::kPadA);
    EXPECT_EQ(pad.rightX, -32768);
    EXPECT_EQ(pad.rightY, 100);
}

// The runs through hm-driver read the other options; --render and two pictures of one frame are
// read only here.
TEST(OptionsTest, ParsesOptionsAndRefusesBadValues) {
    std::string error;
    const auto options =
        driver::ParseOptions({"--render", "1280x720", "--scene-scale", "0.5", "--shot",
                              "29:/tmp/a.png", "--shot", "29:/tmp/b.png"},
                             error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->render, (gfx::Size{1280, 720}));
    EXPECT_EQ(options->sceneScale, 0.5f);
    EXPECT_EQ(options->shots.count(29), 2u);
    EXPECT_FALSE(options->field) << "the title by default";

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--frames", "0"},
                                               {"--frames"},
                                               {"--gfx", "vulkan"},
                                               {"--size", "640"},
                                               {"--size", "0x10"},
                                               {"--render", "10x"},
                                               {"--scene-scale", "0"},
                                               {"--scene-scale", "1.5"},
                                               {"--scene-scale", "nan"},
                                               {"--shot", "12"},
                                               {"--shot", "x:/a.png"},
                                               {"--fast"},
                                               {"--spawn", "1,2,3,4"},  // needs --field
                                               {"--field", "3", "--spawn", "1,2,3"},
                                               {"--field", "3", "--spawn", "1,2,3,4,5"},
                                               {"--field", "3", "--spawn", "1,2,nan,4"},
                                               {"--random-play", "0"},
                                               {"--random-play", "9", "--field", "3"},
                                               {"--random-play", "9", "--stage", "3"},
                                               {"--stats", "0:/tmp/s.txt"},
                                               {"--stats", "10:"}}) {
        EXPECT_FALSE(driver::ParseOptions(bad, error)) << bad[0];
    }
    // Only numbers the field factory builds are fields.
    for (const char* field : {"24", "-1", "2147483648", "4294967296", "0x0", "", "one"}) {
        EXPECT_FALSE(driver::ParseOptions({"--field", field}, error)) << field;
        EXPECT_NE(error.find(std::string("--field ") + field + ": no field"), std::string::npos)
            << error;
    }
}

TEST(OptionsTest, SetNamesAnIntegerOfTheRecordAndKeepsTheOrder) {
    std::string error;
    const auto options = driver::ParseOptions(
        {"--field", "0", "--set", "EnemyMode=2", "--set", "itemHeld.9=-3", "--set", "EnemyMode=1"},
        error);
    ASSERT_TRUE(options) << error;
    ASSERT_EQ(options->recordWrites.size(), 3u);
    EXPECT_EQ(options->recordWrites[1].name, "itemHeld.9");
    EXPECT_EQ(options->recordWrites[1].value, -3);
    EXPECT_EQ(options->recordWrites[2].value, 1);  // the last one written wins

    // Names that hold are shown by the --set run in room 203, which reads the record back.
    SaveRecord record;
    for (const char* unknown : {"itemTaken.8", "itemHeld.", "itemHeld.-1", "itemHeld.1x",
                                "hasDarts.1", "storyStage", "hasdarts", ""}) {
        EXPECT_EQ(driver::FindRecordInt(record, unknown), nullptr) << unknown;
    }

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--set", "hasDarts=1"},  // the title's new game would reset it
             {"--field", "0", "--set", "darts=1"},
             {"--field", "0", "--set", "hasDarts"},
             {"--field", "0", "--set", "hasDarts=1.5"},
             {"--field", "0", "--set", "hasDarts=2147483648"}}) {
        EXPECT_FALSE(driver::ParseOptions(bad, error)) << bad.back();
        EXPECT_NE(error.find("--set"), std::string::npos) << error;
    }
}

}  // namespace
