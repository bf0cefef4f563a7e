#pragma once
#include <array>
#include <string>

#include "scene/SaveData.h"
#include "scene/menu/MenuPage.h"

// The save page: one row per slot, the highlighted slot's label (or that it is empty) on the help
// line, and the save into it after a yes. It closes by itself while the ghost is about.
class SavePage final : public MenuPage {
  public:
    static constexpr int kSlots = 3;  // the slots a player saves into

    MenuResult Step(MenuRecord& menu) override;
    // Reads every slot again, for the labels; when the menu opens.
    void ReadSlots(uint32_t nowMs);

  private:
    // Saves the player's record into `slot` and shows how that went.
    void Save(MenuRecord& menu, int slot);

    std::array<SaveRecord, kSlots> slots_{};
    std::array<bool, kSlots> filled_{};
    std::u16string label_;
};
