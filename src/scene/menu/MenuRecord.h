#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "world/CObjFVF.h"
#include "world/CObjText.h"
#include "world/KeyCurve.h"

class MyLibrary;
struct SaveRecord;

// What a frame of the open menu asks for.
enum MenuResult : int32_t {
    kMenuReturnToTitle = -1,
    kMenuClose = 0,
    kMenuStayOpen = 1,
};

// The pause menu's shared record, which every page step reads and writes: this frame's inputs,
// the highlighted row, the yes/no dialog, the result message, and the texts and quads the menu
// draws. Rows count down from 0: row 0 is the first line of the list, -1 the second, and so on.
// Layout values are in the overlay's 1920 x 1080 units, origin at the centre, y up.
struct MenuRecord {
    enum Page : int32_t { kMainPage, kItemPage, kSavePage, kOptionPage, kPageCount };
    enum DialogState : int32_t { kDialogAnswered = -1, kDialogClosed = 0, kDialogAsking = 1 };
    static constexpr int32_t kYes = 0;  // dialogChoice of the first answer; -1 is the second
    static constexpr int32_t kNo = -1;
    static constexpr int32_t kBlinkFrames = 100;  // the highlight's blink period

    static constexpr float kListX = -200;
    static constexpr float kListTop = 200;     // centre of the list's first row
    static constexpr float kDialogTop = 40;    // centre of the question's line
    static constexpr float kRowFactor = 1.1f;  // rows lie this many text units apart

    MenuRecord();

    // Places the texts and quads for the library's text unit; on every field entry.
    void Bind(MyLibrary& boundLibrary, SaveRecord& playerRecord,
              std::function<void()> selectionTick);

    float RowHeight() const;
    // The centre height of row `row` (0, -1, ...) of a text whose first line is centred at `top`.
    float RowY(float top, int32_t row) const;
    // The line under the pointer of a text whose first line is centred at `top`: 0 the first,
    // 1 the next; negative above the text, and past its last line below it.
    int32_t PointedLine(float top) const;
    // The number of lines `text` shows.
    int32_t LineCount(const CObjText& text) const;

    // `text` shows the text of `key` / a line the game composed (which must outlive its showing).
    static void Show(CObjText& text, const char16_t* key);
    static void Show(CObjText& text, const std::u16string& line);
    static void ShowNothing(CObjText& text);
    // Asks the yes/no question of `key`: its first line the question, the next two the answers,
    // the first answer highlighted.
    void Ask(const char16_t* key);
    // Shows `key` on the help line until the next press of action, back or the menu key.
    void ShowMessage(const char16_t* key);
    // Goes to `next` with row `row` highlighted. The pointer must move again before it picks a row
    // there, so that where it rested does not choose on the new page.
    void GoTo(Page next, int32_t row);

    KeyCurve blinkCurve;
    CObjText titleText;
    CObjText helpText;
    CObjText listText;
    CObjText dialogText;
    CObjText footerText;
    CObjFVF dimmer;    // the whole world behind, darkened
    CObjFVF backdrop;  // the page's band, darker still
    CObjFVF highlightBar;
    CObjFVF upperLine;
    CObjFVF lowerLine;
    CObjFVF dialogBox;
    CObjFVF dialogHighlight;
    int32_t editing = 0;  // a page's own edit mode: the rows stay put while it lasts
    int32_t frameCounter = 0;
    int32_t dialogChoice = kYes;
    int32_t dialogState = kDialogClosed;
    int32_t selection = 0;
    int32_t messageShowing = 0;
    // This frame's presses, taken once for every page: action, back (the aim button let go) and
    // the menu key; up and down.
    int32_t actionIn = 0;
    int32_t backIn = 0;
    int32_t menuIn = 0;
    int32_t upIn = 0;
    int32_t downIn = 0;
    MyLibrary* library = nullptr;
    SaveRecord* record = nullptr;
    int32_t page = kMainPage;
    std::function<void()> tick;  // the sound of a changed highlight
};
