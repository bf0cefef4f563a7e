// The dialogue box (its highlight's blink read from a key curve), the text layout and the particle
// fountain on the null device with the game's own archive (its text table and glyph atlas).
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "content/EventFixture.h"
#include "library/TextBox.h"
#include "world/CObjParticl.h"
#include "world/CObjText.h"

namespace {

class TextBoxTest : public EventTest {
  protected:
    size_t Length(const char16_t* key) const { return library.textData.GetText(key).size(); }
    // Runs the box's frames until it reports `line` or `limit` frames pass; the frames taken.
    int FramesUntilFullyShown() {
        int frames = 0;
        while (static_cast<size_t>(box.text.maxChars) < Length(box.text.key) && frames < 1000) {
            box.Update(player, library);
            ++frames;
        }
        return frames;
    }

    TextBox box;
};

TEST_F(TextBoxTest, RevealsACharacterAFrameAndTakesTheConfirmOnlyWhenFullyShown) {
    box.AddLine(u"message_1");
    box.AddLine(u"message_2");
    box.Open();
    player.actionPressed = 1;
    EXPECT_EQ(box.Update(player, library), 0);  // the first frame shows one character
    EXPECT_EQ(box.text.maxChars, 1);
    player.actionPressed = 0;
    const int frames = FramesUntilFullyShown();
    EXPECT_EQ(static_cast<size_t>(frames + 1), Length(u"message_1"));
    player.actionPressed = 1;
    EXPECT_EQ(box.Update(player, library), 1);
    EXPECT_EQ(box.text.maxChars, 0);
    // The last line's confirm closes the box, frees the player and reports the line count.
    player.controlMode = kControlHeld;
    player.actionPressed = 0;
    FramesUntilFullyShown();
    player.actionPressed = 1;
    EXPECT_EQ(box.Update(player, library), 2);
    EXPECT_FALSE(box.IsOpen());
    EXPECT_EQ(player.controlMode, kControlFree);
    EXPECT_EQ(player.actionPressed, 0);
    EXPECT_EQ(box.Update(player, library), 0);
}

TEST_F(TextBoxTest, AQuestionLeadsWhereTheChosenAnswerPointsAndBlinksItsHighlight) {
    box.AddQuestion(u"Event_1", 2, 3);
    box.AddLine(u"message_1");
    box.AddLine(u"message_2");
    box.AddLine(u"message_3");
    box.Open();
    FramesUntilFullyShown();
    // Shown whole: the highlight blinks 0 -> 0.5 -> 0 over a hundred frames, a count outside
    // them read round the loop.
    for (const auto& [frame, alpha] :
         {std::pair{25, 0.25f}, {50, 0.5f}, {175, 0.25f}, {-25, 0.25f}}) {
        box.blinkFrame = frame;
        box.Update(player, library);
        EXPECT_FALSE(box.highlight.hidden);
        EXPECT_FLOAT_EQ(box.highlight.colour.a, alpha) << "frame " << frame;
    }
    // The pointer two lines below the text picks the second answer.
    library.input.state.mouseMoved = 1;
    library.frame.cursorLayout.y = box.text.position.y - 2.2f * 24 * 1.3f;
    box.Update(player, library);
    EXPECT_EQ(box.choice, 1);
    library.frame.cursorLayout.y = box.text.position.y + 5000;  // far above: clamped to 0
    box.Update(player, library);
    EXPECT_EQ(box.choice, 0);
    library.frame.cursorLayout.y = box.text.position.y - 5000;
    player.actionPressed = 1;
    EXPECT_EQ(box.Update(player, library), 3);
}

TEST_F(TextBoxTest, EachPressOfUpOrDownFlipsTheAnswerOnce) {
    box.AddQuestion(u"message_2", 0, 0);
    box.Open();
    uint32_t& flags = library.input.state.flags;
    const auto frame = [&](uint32_t held) {
        flags = held;
        box.Update(player, library);
        return box.choice;
    };
    EXPECT_EQ(frame(0), 0);
    EXPECT_EQ(frame(INPUT_DOWN), 1);
    EXPECT_EQ(frame(INPUT_DOWN), 1);  // held: no second flip
    EXPECT_EQ(frame(0), 1);
    EXPECT_EQ(frame(INPUT_UP), 0);
    EXPECT_EQ(frame(INPUT_UP | INPUT_DOWN), 1);  // up still held, down newly pressed
}

TEST_F(TextBoxTest, AJumpBeyondTheLastLineClosesTheBox) {
    box.AddJumpLine(u"message_1");  // jumps to line 4, which does not exist
    box.Open();
    FramesUntilFullyShown();
    player.actionPressed = 1;
    EXPECT_EQ(box.Update(player, library), 4);
    EXPECT_FALSE(box.IsOpen());
}

TEST_F(TextBoxTest, TextDrawsOneQuadPerGlyphUpToMaxChars) {
    CObjText text;
    text.key = u"message_1";
    const std::u16string& shown = library.textData.GetText(text.key);
    size_t glyphs = 0;
    for (const char16_t c : shown) glyphs += c != u'\n' && library.fontAtlas.glyphs.Find(c);
    for (const int32_t maxChars : {-1, 0, 3, 100000}) {
        text.maxChars = maxChars;
        device.ClearDrawLog();
        library.effect.BeginTechnique();
        text.Draw(library);
        const size_t expected = maxChars == -1 || maxChars >= static_cast<int32_t>(shown.size())
                                    ? glyphs
                                    : static_cast<size_t>(maxChars);
        EXPECT_EQ(device.drawLog().size(), expected) << "maxChars " << maxChars;
    }
}

TEST_F(TextBoxTest, ParticlesFadeFromOneAndLiveAtMostAHundredFrames) {
    CObjParticl fountain;
    library.effect.BeginTechnique();
    for (int frame = 0; frame < 300; ++frame) {
        fountain.Draw(library);
        for (const Particle& p : fountain.particles) {
            ASSERT_LE(p.lifetime, 1.0f);
            ASSERT_GE(p.fade, 0.0f);
            ASSERT_LE(p.fade, 1.0f);
            if (p.age == 0.0f && p.lifetime > 0) {
                EXPECT_FLOAT_EQ(p.fade, 1.0f);
            }
        }
    }
    EXPECT_EQ(device.drawLog().size(), 300u * 4);
}

}  // namespace
