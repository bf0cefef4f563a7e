#include "scene/menu/SavePage.h"

#include <ctime>

#include "library/MyLibrary.h"
#include "scene/menu/MainPage.h"

namespace {

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

void SavePage::ReadSlots(uint32_t nowMs) {
    for (int slot = 0; slot < kSlots; ++slot) {
        filled_[static_cast<size_t>(slot)] =
            LoadSlot(slots_[static_cast<size_t>(slot)], slot, nowMs);
    }
}

MenuResult SavePage::Step(MenuRecord& menu) {
    MenuRecord::Show(menu.titleText, u"Menu_10");
    MenuRecord::Show(menu.listText, u"Menu_11");
    MenuRecord::Show(menu.footerText, u"Menu_12");
    if (menu.backIn != 0 || menu.record->EnemyMode != 0) {
        menu.GoTo(MenuRecord::kMainPage, MainPage::kSaveRow);
        return kMenuStayOpen;
    }
    const int slot = -menu.selection;
    const bool isSlot = slot >= 0 && slot < kSlots;
    if (menu.dialogState == MenuRecord::kDialogAnswered) {
        menu.dialogState = MenuRecord::kDialogClosed;
        if (menu.dialogChoice == MenuRecord::kYes && isSlot) {
            Save(menu, slot);
            return kMenuStayOpen;
        }
    }
    if (menu.actionIn != 0 && isSlot) menu.Ask(u"Menu_15");
    if (isSlot && filled_[static_cast<size_t>(slot)]) {
        label_ = SlotLabel(slots_[static_cast<size_t>(slot)],
                           menu.library->textData.GetText(u"FlagManager_0"));
        MenuRecord::Show(menu.helpText, label_);
    } else {
        MenuRecord::Show(menu.helpText, u"Menu_16");
    }
    return kMenuStayOpen;
}

void SavePage::Save(MenuRecord& menu, int slot) {
    MyLibrary& library = *menu.library;
    const uint32_t nowMs = library.NowMs();
    if (!SaveSlot(*menu.record, slot, nowMs, LocalTimeNow())) {
        menu.ShowMessage(u"Menu_14");
        return;
    }
    library.awardCounters.saveUsed = 1;
    // The label shows what the disk now holds.
    const auto index = static_cast<size_t>(slot);
    filled_[index] = LoadSlot(slots_[index], slot, nowMs);
    menu.ShowMessage(u"Menu_13");
}
