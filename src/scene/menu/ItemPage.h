#pragma once
#include <string>
#include <vector>

#include "scene/menu/MenuPage.h"

// The inventory: a heading row, then one row for each item held, in item order; the help line
// describes the highlighted item.
class ItemPage final : public MenuPage {
  public:
    MenuResult Step(MenuRecord& menu) override;

  private:
    std::u16string list_;
    std::vector<size_t> listed_;  // the item on each row after the heading
};
