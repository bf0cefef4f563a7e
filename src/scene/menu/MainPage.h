#pragma once
#include "scene/menu/MenuPage.h"

// The menu's first page: the items, the save (closed while the ghost is about), the options, and
// the return to the title after a yes to its question.
class MainPage final : public MenuPage {
  public:
    enum Row : int32_t { kItemsRow = 0, kSaveRow = -1, kOptionsRow = -2, kTitleRow = -3 };

    MenuResult Step(MenuRecord& menu) override;
};
