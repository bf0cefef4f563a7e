#pragma once
#include <array>
#include <string>
#include <vector>

#include "library/AchievementList.h"
#include "world/CObjText.h"

namespace content {
class Services;
}

namespace Ev {

// The title's page of achievements: how many are earned, then all of them in columns, an earned
// one by its name with its hint beneath, one still to earn by its hint alone, dimmed.
class AchievementsPage {
  public:
    AchievementsPage();
    // Reads the record and the count line afresh.
    void Refresh(const content::Services& engine);
    void Show(bool shown);
    // The texts, for the scene's overlay; they stay at these addresses.
    void AddTo(std::vector<CObjText*>& overlayTexts);

  private:
    struct Cell {
        CObjText name;
        CObjText hint;
    };

    CObjText count_;
    std::u16string countLine_;
    std::array<Cell, kAchievementCount> cells_;
    std::array<AchievementEntry, kAchievementCount> list_{};
};

}  // namespace Ev
