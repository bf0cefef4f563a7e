#include "library/TextBox.h"

#include <algorithm>

#include "library/MyLibrary.h"
#include "scene/Personal.h"
#include "scene/Scene.h"

namespace {
constexpr float kBandHeight = 110;
constexpr float kTextLeft = -450;
constexpr float kLineSpacing = 1.3f;
constexpr int32_t kBlinkPeriod = 100;
constexpr int32_t kJumpTarget = 4;
}  // namespace

TextBox::TextBox() {
    text.hidden = 1;
    text.maxChars = 0;  // the typewriter starts from nothing
    window.hidden = 1;
    highlight.hidden = 1;
    highlight.colour = {1, 1, 1, 0.5f};
    blink.Add(0, 0.0f);
    blink.Add(50, 0.5f);
    blink.Add(100, 0.0f);
}

void TextBox::AddLine(const char16_t* key) {
    lines.push_back({key, {}});
}

void TextBox::AddJumpLine(const char16_t* key) {
    lines.push_back({key, {kJumpTarget}});
}

void TextBox::AddQuestion(const char16_t* key, int32_t a, int32_t b) {
    lines.push_back({key, {a, b}});
}

void TextBox::Register(Scene& scene) {
    scene.overlayQuads.push_back(&window);
    scene.overlayQuads.push_back(&highlight);
    scene.overlayTexts.push_back(&text);
    scene.dialogues.push_back(this);
}

void TextBox::Open() {
    text.hidden = 0;
    window.hidden = 0;
    lineIndex = 0;
    linesShown.clear();
}

bool TextBox::FullyShown(MyLibrary& library) const {
    const size_t length = library.textData.GetText(text.key).size();
    return text.maxChars >= 0 && static_cast<size_t>(text.maxChars) >= length;
}

void TextBox::Layout(MyLibrary& library, float lineHeight) {
    const auto layoutHeight = static_cast<float>(library.frame.layoutSize.height);
    const auto layoutWidth = static_cast<float>(library.frame.layoutSize.width);
    window.colour = {0, 0, 0, 0.8f};
    window.scale = {layoutWidth, kBandHeight, 1};
    window.position = {0, kBandHeight / 2 - layoutHeight / 2, 0};
    text.lineFactor = kLineSpacing;
    text.position = {kTextLeft, kBandHeight / 2 - layoutHeight / 2 + lineHeight, 0};
    const float width = library.textUnit * text.scale.x * text.advanceFactor * 10;
    highlight.scale = {width, lineHeight, 0};
    highlight.position.x = width / 2 + kTextLeft;
    highlight.position.z = 0;
    highlight.hidden = 1;
}

void TextBox::Choose(Personal& player, MyLibrary& library, float lineHeight) {
    Input& input = library.input;
    if (input.state.mouseMoved == 0) {
        if (input.Button(BUTTON_UP).Pressed() || input.Button(BUTTON_DOWN).Pressed()) {
            choice = 1 - choice;
            player.PlaySelectionTick();
        }
        return;
    }
    const float y = library.frame.cursorLayout.y;
    const auto below = static_cast<int32_t>((text.position.y - y - lineHeight / 2) / lineHeight);
    const int32_t pointed = std::clamp(below, 0, 1);
    if (pointed == lastPointerChoice) return;
    lastPointerChoice = choice = pointed;
    player.PlaySelectionTick();
}

int32_t TextBox::Update(Personal& player, MyLibrary& library) {
    if (text.hidden) return 0;
    const float lineHeight = library.textUnit * text.scale.y * kLineSpacing;
    Layout(library, lineHeight);

    if (lineIndex < 0 || static_cast<size_t>(lineIndex) >= lines.size()) lineIndex = 0;
    if (linesShown.empty() || linesShown.back() != lineIndex) linesShown.push_back(lineIndex);
    const TextBoxLine& line = lines[static_cast<size_t>(lineIndex)];
    text.key = line.key;
    const size_t answers = line.next.size();
    if (answers == 1) choice = 0;
    if (answers >= 2) {
        if (FullyShown(library)) {
            highlight.colour.a = blink.Value(blinkFrame);
            highlight.hidden = 0;
        }
        Choose(player, library, lineHeight);
    }
    highlight.position.y = text.position.y - static_cast<float>(choice + 1) * lineHeight;

    const size_t length = library.textData.GetText(text.key).size();
    if (text.maxChars < 0 || static_cast<size_t>(text.maxChars) < length) ++text.maxChars;
    if (++blinkFrame > kBlinkPeriod) blinkFrame = 0;

    if (player.actionPressed && FullyShown(library)) {
        text.maxChars = 0;
        lineIndex = answers == 0 ? lineIndex + 1 : line.next[static_cast<size_t>(choice)];
    }
    if (lineIndex >= 0 && static_cast<size_t>(lineIndex) < lines.size()) return lineIndex;
    choice = 0;
    highlight.hidden = window.hidden = text.hidden = 1;
    player.controlMode = kControlFree;
    player.actionPressed = 0;
    return lineIndex;
}
