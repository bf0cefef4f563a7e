#include "content/events/AchievementsPage.h"

#include <algorithm>

#include "content/Services.h"
#include "library/Format.h"

namespace Ev {
namespace {

// In the overlay's units (1920 × 1080, origin at the centre, y up): the count at the top left,
// then the cells down four columns, a column filled before the next.
constexpr glm::vec3 kCountAt{-800, 440, 0};
constexpr float kCountSize = 1.4f;
constexpr int32_t kRowsPerColumn = 10;
constexpr float kFirstColumnX = -880, kColumnPitch = 450;
constexpr float kFirstRowY = 330, kRowPitch = 72;
constexpr float kNameSize = 0.9f, kHintSize = 0.7f;
constexpr float kNameAboveRow = 12, kHintBelowRow = 20;  // an earned one's two lines
constexpr glm::vec4 kEarnedColour{0.95f, 0.86f, 0.6f, 1.0f};
constexpr glm::vec4 kHintColour{0.7f, 0.7f, 0.72f, 1.0f};
constexpr glm::vec4 kUnearnedColour{0.5f, 0.5f, 0.54f, 1.0f};

glm::vec3 RowAt(size_t id) {
    const auto column = static_cast<float>(id / kRowsPerColumn);
    const auto row = static_cast<float>(id % kRowsPerColumn);
    return {kFirstColumnX + column * kColumnPitch, kFirstRowY - row * kRowPitch, 0};
}

}  // namespace

AchievementsPage::AchievementsPage() {
    count_.position = kCountAt;
    count_.scale = glm::vec3(kCountSize);
    count_.literal = &countLine_;
    for (size_t id = 0; id < cells_.size(); ++id) {
        Cell& cell = cells_[id];
        cell.name.scale = glm::vec3(kNameSize);
        cell.name.colour = kEarnedColour;
        cell.hint.scale = glm::vec3(kHintSize);
    }
    Show(false);
}

void AchievementsPage::Refresh(const content::Services& engine) {
    list_ = engine.Achievements();
    const auto earned = std::count_if(list_.begin(), list_.end(),
                                      [](const AchievementEntry& entry) { return entry.earned; });
    countLine_ = FormatText(engine.Text(u"Achievement_count"), static_cast<int32_t>(earned),
                            kAchievementCount);
    for (size_t id = 0; id < cells_.size(); ++id) {
        const AchievementEntry& entry = list_[id];
        Cell& cell = cells_[id];
        cell.name.key = entry.nameKey;
        cell.hint.key = entry.hintKey;
        // An earned one's hint sits under its name; one still to earn shows its hint in its place.
        const glm::vec3 row = RowAt(id);
        cell.name.position = row + glm::vec3(0, kNameAboveRow, 0);
        cell.hint.position = entry.earned ? row - glm::vec3(0, kHintBelowRow, 0) : row;
        cell.hint.colour = entry.earned ? kHintColour : kUnearnedColour;
    }
}

void AchievementsPage::Show(bool shown) {
    count_.hidden = shown ? 0 : 1;
    for (size_t id = 0; id < cells_.size(); ++id) {
        cells_[id].name.hidden = shown && list_[id].earned ? 0 : 1;
        cells_[id].hint.hidden = shown ? 0 : 1;
    }
}

void AchievementsPage::AddTo(std::vector<CObjText*>& overlayTexts) {
    overlayTexts.push_back(&count_);
    for (Cell& cell : cells_) {
        overlayTexts.push_back(&cell.name);
        overlayTexts.push_back(&cell.hint);
    }
}

}  // namespace Ev
