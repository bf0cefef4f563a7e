#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "scene/menu/ItemPage.h"
#include "scene/menu/MainPage.h"
#include "scene/menu/MenuRecord.h"
#include "scene/menu/OptionPage.h"
#include "scene/menu/SavePage.h"

class MyLibrary;
struct SaveRecord;

// The pause menu the player opens: its four pages over the dimmed world, driven alike by keys,
// the pad and the pointer. Each frame its common step moves the highlight (or answers a question
// or dismisses a message), then the open page's step acts on the frame's presses.
class PauseMenu {
  public:
    using Result = MenuResult;
    static constexpr Result kReturnToTitle = kMenuReturnToTitle;
    static constexpr Result kClose = kMenuClose;
    static constexpr Result kStayOpen = kMenuStayOpen;

    PauseMenu();
    PauseMenu(const PauseMenu&) = delete;
    PauseMenu& operator=(const PauseMenu&) = delete;

    // On every field entry: the library, the player's record, and the tick a changed highlight
    // plays.
    void Bind(MyLibrary& library, SaveRecord& record, std::function<void()> tick);
    // As it opens: the first page's first row, the slots read again, and directions already held
    // (walking) do not count as presses.
    void Open();
    // One frame of the open menu with this frame's presses (back: the aim button let go).
    Result Step(bool menuKey, bool action, bool back);
    // As it closes: nothing half-done (question, message, edit) is left for the next opening.
    void Close();
    // In the overlay pass while it shows.
    void Draw();

    int32_t showing = 0;  // 1 while on screen
    MenuRecord view;

  private:
    // The frame's presses, the blink, then the message, the question or the highlight; true when
    // the frame is used up and the page's step must not run.
    bool CommonStep();
    void DialogStep();
    void MoveHighlight();
    MenuPage& CurrentPage();

    MainPage mainPage_;
    ItemPage itemPage_;
    SavePage savePage_;
    OptionPage optionPage_;
    std::array<MenuPage*, MenuRecord::kPageCount> pages_{&mainPage_, &itemPage_, &savePage_,
                                                         &optionPage_};
    int32_t shownSelection_ = 0;  // the row highlighted last frame
    int32_t shownChoice_ = MenuRecord::kYes;
};
