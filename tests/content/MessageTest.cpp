// The message cube: when it opens, and how each answer lights it and sounds. (Its lines and the
// answer flag it reports are read by the scripted test room run.)
#include <gtest/gtest.h>

#include "EventFixture.h"
#include "audio/SVoice.h"
#include "content/events/Message.h"

namespace {

class MessageTest : public EventTest {
  protected:
    void SetUp() override {
        EventTest::SetUp();
        message = &Add<Message>();
        Enter();
    }

    // One frame of the cube with the player touching it (or a dart, or nothing) and the action
    // given or not; the voices then take their frame. The box's line afterwards.
    int32_t Frame(uint32_t hitState, bool action) {
        message->cube.collider.hitState = hitState;
        player.actionPressed = action ? 1 : 0;
        message->Update();
        library.sound.Update();
        return message->box.lineIndex;
    }
    int32_t Idle() { return Frame(HIT_NONE, false); }
    void Examine() { Frame(HIT_BY_PLAYER, true); }
    // Idle frames until the line shows whole, then the confirm.
    int32_t Confirm() {
        const TextBox& box = message->box;
        const size_t length = library.textData.GetText(box.lines.at(box.lineIndex).key).size();
        for (int frame = 0; frame < 500 && static_cast<size_t>(box.text.maxChars) < length;
             ++frame) {
            Idle();
        }
        return Frame(HIT_NONE, true);
    }
    // From the examine to the answer's line; the second answer is chosen with Down.
    int32_t Answer(bool second) {
        Examine();
        EXPECT_EQ(Confirm(), 1);  // the question
        if (second) {
            library.input.state.flags = INPUT_DOWN;
            Idle();
            library.input.state.flags = 0;
        }
        return Confirm();
    }
    SVoice& Voice() {
        SVoice* voice = message->sound.GetVoice();
        EXPECT_NE(voice, nullptr);
        EXPECT_TRUE(voice->HasSource()) << "no audio source, even on the silent output";
        return *voice;
    }

    Message* message = nullptr;
};

// Rows that leave the box shut come first: they change nothing for the next.
TEST_F(MessageTest, OpensOnlyForATouchAndTheActionOfAFreePlayer) {
    const struct {
        const char* name;
        uint32_t hitState;
        bool action;
        int32_t controlMode;
        bool opens;
    } examines[] = {{"ActionWithoutTouch", HIT_NONE, true, kControlFree, false},
                    {"TouchWithoutAction", HIT_BY_PLAYER, false, kControlFree, false},
                    {"DartStrikeAndAction", HIT_BY_DART, true, kControlFree, false},
                    {"HeldByAnotherEvent", HIT_BY_PLAYER, true, kControlHeld, false},
                    {"TouchAndAction", HIT_BY_PLAYER, true, kControlFree, true}};
    for (const auto& e : examines) {
        SCOPED_TRACE(e.name);
        player.controlMode = e.controlMode;
        player.motion = gt_Model::kMotionWalk;
        Frame(e.hitState, e.action);
        EXPECT_EQ(message->box.IsOpen(), e.opens);
        EXPECT_EQ(player.controlMode, e.opens ? kControlHeld : e.controlMode);
        EXPECT_EQ(player.motion, e.opens ? gt_Model::kMotionRest : gt_Model::kMotionWalk);
    }
    EXPECT_EQ(message->box.lineIndex, 0);
    EXPECT_EQ(message->box.text.maxChars, 1);  // the first frame shows one character
}

// The sound playing, the first answer glows blue and silences it; read on and asked again, the
// second glows red and sounds.
TEST_F(MessageTest, EachAnswerLightsTheCubeAndStartsOrStopsTheSound) {
    message->sound.Play();
    for (int frame = 0; frame < 20 && Voice().Phase() != kVoicePlaying; ++frame) Idle();
    ASSERT_EQ(Voice().Phase(), kVoicePlaying);
    const struct {
        bool second;
        int32_t line;
        glm::vec3 glow;  // red and blue; green is left as it was
        uint32_t phaseAfter;
    } answers[] = {{false, 2, {0, 0.25f, 20}, kVoiceFadingToRewind},
                   {true, 3, {20, 0.25f, 0}, kVoiceFadingIn}};
    for (const auto& a : answers) {
        SCOPED_TRACE(a.line);
        message->cube.emissive = {1, 0.25f, 1};
        EXPECT_EQ(Answer(a.second), a.line);
        EXPECT_EQ(message->cube.emissive, a.glow);
        EXPECT_FLOAT_EQ(message->cube.emissiveIntensity, 1.0f);
        EXPECT_EQ(Voice().Phase(), a.phaseAfter);

        // While the answer's line shows, the reaction is made again every frame.
        message->cube.emissive = glm::vec3(1.0f);
        message->cube.emissiveIntensity = 0;
        EXPECT_EQ(Idle(), a.line);
        EXPECT_EQ(message->cube.emissive, (glm::vec3{a.glow.r, 1, a.glow.b}));
        EXPECT_FLOAT_EQ(message->cube.emissiveIntensity, 1.0f);
        Confirm();
        EXPECT_FALSE(message->box.IsOpen());
    }
}

}  // namespace
