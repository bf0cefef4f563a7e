#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "content/events/AchievementsPage.h"
#include "content/events/MenuRows.h"
#include "scene/Scene.h"
#include "world/CObjFVF.h"
#include "world/CObjText.h"
#include "world/KeyCurve.h"

namespace Ev {

// The title screen's menu: a new game, the load screen with the three saved games, the
// licences, the achievements earned and still to earn; the best and first clear times once the game
// has been completed. Keys, the pad and the pointer drive it alike: a direction or the pointer
// chooses, the action takes, the aim button goes back.
class EvTitle final : public Scene {
  public:
    // The menu's entries, top to bottom; the list text "Ev_Title_1" has a line for each, so a new
    // entry is a row of kEntries, a line of that text and a case of Take.
    enum class Entry : uint8_t { NewGame, Continue, Licence, Achievements };
    enum class Page : uint8_t { Menu, Load, Licence, Achievements };
    static constexpr int32_t kSlots = 3;  // the saved games offered

    EvTitle();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"EvTitle"; }
    Page CurrentPage() const { return page_; }
    // The highlighted row of the page: a saved game on the load screen, else an entry.
    int32_t Row() const { return page_ == Page::Load ? slots_.chosen : entries_.chosen; }

  private:
    void MenuStep();
    void LoadStep();
    // A page that only shows: the aim button goes back to the menu at `entry`.
    void ShowingStep(Entry entry);
    void Take(Entry entry);
    void StartNewGame();
    // Reads the three slots' labels and opens the load screen.
    void OpenLoad();
    // Continues the saved game of `slot`; a slot that cannot be continued says so and stays.
    void Continue(int32_t slot);
    void BackToMenu(Entry chosen);
    void TurnTo(Page page);
    // Shows what the page shows, with the highlight on its chosen row.
    void Lay();
    const char16_t* DescriptionKey() const;

    Page page_ = Page::Menu;
    MenuRows entries_;
    MenuRows slots_;
    bool loadFailed_ = false;  // the chosen slot could not be continued
    int32_t blinkFrame_ = 0;
    KeyCurve blink_;

    CObjFVF backdrop_;
    CObjFVF highlight_;
    CObjText gameName_;
    CObjText list_;
    CObjText heading_;
    CObjText description_;
    CObjText records_;
    CObjText help_;
    std::array<CObjText, kSlots> slotTexts_;
    std::array<CObjText, 2> licence_;
    AchievementsPage achievements_;
    std::u16string recordsLine_;
    std::array<std::u16string, kSlots> slotLines_;
};

}  // namespace Ev
