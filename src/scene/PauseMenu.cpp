#include "scene/PauseMenu.h"

#include <utility>

#include "library/MyLibrary.h"

PauseMenu::PauseMenu() = default;

void PauseMenu::Bind(MyLibrary& library, SaveRecord& record, std::function<void()> tick) {
    view.Bind(library, record, std::move(tick));
}

void PauseMenu::Open() {
    Close();
    Input& input = view.library->input;
    for (InputButtonId id : {BUTTON_UP, BUTTON_DOWN, BUTTON_LEFT, BUTTON_RIGHT}) {
        InputButton& button = input.Button(id);
        button.latch = button.Held() ? 1 : 0;
        button.holdFrames = 0;
    }
    savePage_.ReadSlots(view.library->NowMs());
}

void PauseMenu::Close() {
    showing = 0;
    view.page = MenuRecord::kMainPage;
    view.selection = shownSelection_ = 0;
    view.editing = 0;
    view.dialogState = MenuRecord::kDialogClosed;
    view.dialogChoice = shownChoice_ = MenuRecord::kYes;
    view.messageShowing = 0;
}

PauseMenu::Result PauseMenu::Step(bool menuKey, bool action, bool back) {
    view.menuIn = menuKey ? 1 : 0;
    view.actionIn = action ? 1 : 0;
    view.backIn = back ? 1 : 0;
    if (CommonStep()) return kStayOpen;
    return CurrentPage().Step(view);
}

MenuPage& PauseMenu::CurrentPage() {
    if (view.page < 0 || view.page >= MenuRecord::kPageCount) view.page = MenuRecord::kMainPage;
    return *pages_[static_cast<size_t>(view.page)];
}

bool PauseMenu::CommonStep() {
    Input& input = view.library->input;
    // Taken every frame, so that a press is seen once, in the frame it happens.
    view.upIn = input.Button(BUTTON_UP).Pressed() ? 1 : 0;
    view.downIn = input.Button(BUTTON_DOWN).Pressed() ? 1 : 0;
    if (++view.frameCounter > MenuRecord::kBlinkFrames) view.frameCounter = 0;
    if (view.messageShowing != 0) {
        if (view.actionIn != 0 || view.backIn != 0 || view.menuIn != 0) view.messageShowing = 0;
        return true;
    }
    if (view.dialogState == MenuRecord::kDialogAsking) {
        DialogStep();
        return true;
    }
    // The row a question was asked about stays until the page has taken the answer, wherever
    // the pointer went to answer it.
    if (view.editing == 0 && view.dialogState != MenuRecord::kDialogAnswered) MoveHighlight();
    return false;
}

void PauseMenu::MoveHighlight() {
    const int32_t last = 1 - view.LineCount(view.listText);  // the last row, 0 or below
    if (view.library->input.state.mouseMoved != 0) {
        // Over no row, the pointer leaves the highlight where it is.
        const int32_t pointed = view.PointedLine(MenuRecord::kListTop);
        if (pointed >= 0 && pointed <= -last) view.selection = -pointed;
    } else if (view.upIn != 0) {
        ++view.selection;
    } else if (view.downIn != 0) {
        --view.selection;
    }
    if (view.selection > 0) {
        view.selection = last;
    } else if (view.selection < last) {
        view.selection = 0;
    }
    if (view.selection != shownSelection_) view.tick();
    shownSelection_ = view.selection;
}

void PauseMenu::DialogStep() {
    if (view.library->input.state.mouseMoved != 0) {
        // The answers are the question's second and third lines.
        const int32_t pointed = view.PointedLine(MenuRecord::kDialogTop);
        if (pointed == 1 || pointed == 2) view.dialogChoice = 1 - pointed;
    } else if (view.upIn != 0 || view.downIn != 0) {
        view.dialogChoice =
            view.dialogChoice == MenuRecord::kYes ? MenuRecord::kNo : MenuRecord::kYes;
    }
    if (view.dialogChoice != shownChoice_) view.tick();
    shownChoice_ = view.dialogChoice;
    if (view.actionIn != 0) {
        view.dialogState = MenuRecord::kDialogAnswered;
    } else if (view.backIn != 0) {
        view.dialogChoice = shownChoice_ = MenuRecord::kYes;
        view.dialogState = MenuRecord::kDialogClosed;
    }
}

void PauseMenu::Draw() {
    MyLibrary& library = *view.library;
    view.highlightBar.position.y = view.RowY(MenuRecord::kListTop, view.selection);
    view.highlightBar.colour.a = view.blinkCurve.Value(view.frameCounter);
    // The answers are the question's second and third lines.
    view.dialogHighlight.position.y = view.RowY(MenuRecord::kDialogTop, view.dialogChoice - 1);
    view.dialogText.hidden = view.dialogBox.hidden = view.dialogHighlight.hidden =
        view.dialogState == MenuRecord::kDialogAsking ? 0 : 1;
    for (CObjFVF* quad :
         {&view.dimmer, &view.backdrop, &view.upperLine, &view.lowerLine, &view.highlightBar}) {
        quad->Draw(library);
    }
    for (CObjText* text : {&view.titleText, &view.helpText, &view.listText}) text->Draw(library);
    view.dialogBox.Draw(library);
    view.dialogHighlight.Draw(library);
    for (CObjText* text : {&view.dialogText, &view.footerText}) text->Draw(library);
    CurrentPage().Draw(view);
}
