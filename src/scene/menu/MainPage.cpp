#include "scene/menu/MainPage.h"

#include "scene/SaveData.h"

MenuResult MainPage::Step(MenuRecord& menu) {
    MenuRecord::Show(menu.titleText, u"Menu_0");
    MenuRecord::Show(menu.listText, u"Menu_1");
    MenuRecord::Show(menu.footerText, u"Menu_26");
    if (menu.dialogState == MenuRecord::kDialogAnswered) {
        menu.dialogState = MenuRecord::kDialogClosed;
        if (menu.dialogChoice == MenuRecord::kYes) {
            menu.selection = kItemsRow;
            return kMenuReturnToTitle;
        }
    }
    if (menu.backIn != 0) {
        menu.selection = kItemsRow;
        return kMenuClose;
    }
    const bool ghostAbout = menu.record->EnemyMode != 0;
    if (menu.actionIn != 0) {
        switch (menu.selection) {
            case kItemsRow:
                menu.GoTo(MenuRecord::kItemPage, 0);
                break;
            case kSaveRow:
                if (!ghostAbout) menu.GoTo(MenuRecord::kSavePage, 0);
                break;
            case kOptionsRow:
                menu.GoTo(MenuRecord::kOptionPage, 0);
                break;
            case kTitleRow:
                menu.Ask(u"Menu_2");
                break;
            default:
                break;
        }
    }
    switch (menu.selection) {
        case kItemsRow:
            MenuRecord::Show(menu.helpText, u"Menu_3");
            break;
        case kSaveRow:
            MenuRecord::Show(menu.helpText, ghostAbout ? u"Menu_4" : u"Menu_5");
            break;
        case kOptionsRow:
            MenuRecord::Show(menu.helpText, u"Menu_6");
            break;
        default:
            MenuRecord::Show(menu.helpText, u"Menu_7");
            break;
    }
    return kMenuStayOpen;
}
