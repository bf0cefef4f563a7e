#pragma once
#include <cstdint>
#include <vector>

#include "world/CObjFVF.h"
#include "world/CObjText.h"
#include "world/KeyCurve.h"

class MyLibrary;
class Personal;
class Scene;

// One line of a dialogue: its text key and where it leads. No `next`: the following line; one:
// jump there; two: a question whose answers lead to the first and the second.
struct TextBoxLine {
    const char16_t* key = nullptr;  // text table key; not owned
    std::vector<int32_t> next;
};

// The dialogue band at the bottom of the screen: reveals each line one character a frame, lets
// the player pick one of two answers, and reports the line reached. Owners add every line at
// construction, Register it with their scene, and open it by showing `text` and `window` with
// `lineIndex` 0.
class TextBox {
  public:
    TextBox();

    void AddLine(const char16_t* key);
    // A line that jumps to line 4 when confirmed.
    void AddJumpLine(const char16_t* key);
    // A two-answer question: the first answer leads to line `a`, the second to `b`.
    void AddQuestion(const char16_t* key, int32_t a, int32_t b);
    // Puts the band, the highlight and the text on the scene's overlay lists, and the box on its
    // list of dialogues.
    void Register(Scene& scene);

    // Once a frame: 0 while closed, else the line reached after this frame. Running past the last
    // line closes the box and frees the player (controlMode 1).
    int32_t Update(Personal& player, MyLibrary& library);

    bool IsOpen() const { return text.hidden == 0; }
    void Open();

    std::vector<TextBoxLine> lines;
    CObjText text;  // hidden while the box is closed; maxChars is the typewriter
    CObjFVF window;
    CObjFVF highlight;
    int32_t lineIndex = 0;
    std::vector<int32_t> linesShown;  // the lines reached since the box opened, in order
    int32_t choice = 0;
    int32_t lastPointerChoice = 0;
    int32_t blinkFrame = 0;
    KeyCurve blink;

  private:
    void Layout(MyLibrary& library, float lineHeight);
    // Up or down flips the answer; the pointer picks the one it is over. A change ticks.
    void Choose(Personal& player, MyLibrary& library, float lineHeight);
    bool FullyShown(MyLibrary& library) const;
};
