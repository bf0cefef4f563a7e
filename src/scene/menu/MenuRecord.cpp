#include "scene/menu/MenuRecord.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "library/MyLibrary.h"

namespace {

const std::u16string kNoLine;

constexpr glm::vec4 kWhite{1, 1, 1, 1};
constexpr glm::vec4 kFooterGrey{0.7f, 0.7f, 0.7f, 1};
constexpr float kBackdropWidthShare = 0.7f;
constexpr float kHighlightX = -80;
constexpr float kHighlightWidth = 240;
constexpr glm::vec4 kHighlightColour{0.6f, 0.1f, 0.1f, 0.0f};
constexpr float kLineX = 25;
constexpr float kUpperLineY = 260;
constexpr float kLowerLineY = -190;
constexpr float kLineLength = 500;
constexpr float kDialogX = -120;
constexpr float kDialogWidth = 400;
constexpr float kDialogRows = 3.5f;  // the box's height in rows: the question and two answers
constexpr float kDialogMargin = 20;  // between the box's left edge and the text
constexpr float kDialogHighlightWidth = 150;

void Place(CObjText& text, float x, float y, const glm::vec4& colour) {
    text.position = {x, y, 0};
    text.colour = colour;
    text.lineFactor = MenuRecord::kRowFactor;
}

}  // namespace

MenuRecord::MenuRecord() {
    blinkCurve.Add(0, 0.0f);
    blinkCurve.Add(kBlinkFrames / 2, 0.5f);
    blinkCurve.Add(kBlinkFrames, 0.0f);
    Place(titleText, -220, 310, kWhite);
    Place(helpText, kListX, -215, kWhite);
    Place(listText, kListX, kListTop, kWhite);
    Place(dialogText, kDialogX, kDialogTop, kWhite);
    Place(footerText, -390, -320, kFooterGrey);
    ShowNothing(helpText);
    dialogText.hidden = 1;
    dialogBox.hidden = 1;
    dialogHighlight.hidden = 1;
}

void MenuRecord::Bind(MyLibrary& boundLibrary, SaveRecord& playerRecord,
                      std::function<void()> selectionTick) {
    library = &boundLibrary;
    record = &playerRecord;
    tick = std::move(selectionTick);
    const auto width = static_cast<float>(library->frame.layoutSize.width);
    const auto height = static_cast<float>(library->frame.layoutSize.height);
    const float row = RowHeight();
    // The world stays in view behind the menu, dimmed, and darker still under the page.
    dimmer.scale = {width, height, 1};
    dimmer.colour = {0, 0, 0, 0.45f};
    backdrop.scale = {width * kBackdropWidthShare, height, 1};
    backdrop.colour = {0, 0, 0, 0.45f};
    // A dark red behind the chosen row, so that its white text still reads at the blink's peak.
    highlightBar.colour = kHighlightColour;
    highlightBar.scale = {kHighlightWidth, row, 1};
    highlightBar.position = {kHighlightX, kListTop, 0};
    for (CObjFVF* line : {&upperLine, &lowerLine}) {
        line->scale = {kLineLength, 1, 1};
        line->colour = {1, 1, 1, 0.8f};
    }
    upperLine.position = {kLineX, kUpperLineY, 0};
    lowerLine.position = {kLineX, kLowerLineY, 0};
    dialogBox.scale = {kDialogWidth, row * kDialogRows, 1};
    dialogBox.position = {kDialogX - kDialogMargin + kDialogWidth / 2, RowY(kDialogTop, -1), 0};
    dialogBox.colour = {0.06f, 0.06f, 0.09f, 0.95f};
    dialogHighlight.scale = {kDialogHighlightWidth, row, 1};
    dialogHighlight.position = {kDialogX - kDialogMargin / 2 + kDialogHighlightWidth / 2,
                                RowY(kDialogTop, -1), 0};
    dialogHighlight.colour = glm::vec4(glm::vec3(kHighlightColour), 0.5f);
}

float MenuRecord::RowHeight() const {
    return static_cast<float>(library->textUnit) * kRowFactor;
}

float MenuRecord::RowY(float top, int32_t row) const {
    return top + RowHeight() * static_cast<float>(row);
}

int32_t MenuRecord::PointedLine(float top) const {
    const float below = top + RowHeight() / 2 - library->frame.cursorLayout.y;
    return static_cast<int32_t>(std::floor(below / RowHeight()));
}

int32_t MenuRecord::LineCount(const CObjText& text) const {
    const std::u16string& shown =
        text.literal ? *text.literal : library->textData.GetText(text.key);
    return 1 + static_cast<int32_t>(std::count(shown.begin(), shown.end(), u'\n'));
}

void MenuRecord::Show(CObjText& text, const char16_t* key) {
    text.key = key;
    text.literal = nullptr;
}

void MenuRecord::Show(CObjText& text, const std::u16string& line) {
    text.literal = &line;
}

void MenuRecord::ShowNothing(CObjText& text) {
    Show(text, kNoLine);
}

void MenuRecord::Ask(const char16_t* key) {
    Show(dialogText, key);
    dialogState = kDialogAsking;
    dialogChoice = kYes;
}

void MenuRecord::ShowMessage(const char16_t* key) {
    Show(helpText, key);
    messageShowing = 1;
}

void MenuRecord::GoTo(Page next, int32_t row) {
    page = next;
    selection = row;
    // A question one page left unanswered is not the next page's to answer.
    dialogState = kDialogClosed;
    dialogChoice = kYes;
    library->input.state.mouseMoved = 0;
}
