#include "library/AchievementNotice.h"

#include "library/AchievementList.h"
#include "library/MyLibrary.h"
#include "library/SteamworksHelper.h"

namespace {
// Layout units (1920 × 1080, origin at the centre, y up).
constexpr float kWidth = 440;
constexpr float kHeight = 100;
constexpr float kMargin = 40;
constexpr float kAccentWidth = 6;
constexpr float kTextIndent = 28;
constexpr int32_t kFadeInFrames = 15;
constexpr int32_t kFadeOutFrames = 30;
}  // namespace

AchievementNotice::AchievementNotice() {
    fade_.Add(0, 0.0f);
    fade_.Add(kFadeInFrames, 1.0f);
    fade_.Add(kFrames - kFadeOutFrames, 1.0f);
    fade_.Add(kFrames, 0.0f);
    heading_.key = u"Achievement_notice";
    heading_.scale = {0.8f, 0.8f, 1.0f};
    name_.scale = {1.2f, 1.2f, 1.0f};
}

void AchievementNotice::Update(SteamworksHelper& record, bool held) {
    if (current_ && frame_ >= kFrames) current_.reset();
    if (!current_) {
        current_ = record.TakeUnannounced();
        frame_ = 0;
    }
    visible_ = current_ && !held;
    if (!visible_) return;
    name_.key = AchievementNameKey(*current_);
    alpha_ = fade_.Value(frame_++);
}

std::optional<int32_t> AchievementNotice::Shown() const {
    return visible_ ? current_ : std::nullopt;
}

void AchievementNotice::Layout(gfx::Size layout) {
    const float right = static_cast<float>(layout.width) / 2 - kMargin;
    const float top = static_cast<float>(layout.height) / 2 - kMargin;
    const float centreY = top - kHeight / 2;
    const float left = right - kWidth;
    panel_.position = {right - kWidth / 2, centreY, 0};
    panel_.scale = {kWidth, kHeight, 1};
    panel_.colour = {0.02f, 0.02f, 0.04f, 0.78f * alpha_};
    accent_.position = {left + kAccentWidth / 2, centreY, 0};
    accent_.scale = {kAccentWidth, kHeight, 1};
    accent_.colour = {1.0f, 0.66f, 0.32f, alpha_};
    heading_.position = {left + kTextIndent, centreY + 22, 0};
    heading_.colour = {0.95f, 0.78f, 0.55f, alpha_};
    name_.position = {left + kTextIndent, centreY - 16, 0};
    name_.colour = {1.0f, 1.0f, 1.0f, alpha_};
}

void AchievementNotice::Draw(MyLibrary& library) {
    if (!visible_) return;
    const gfx::Size layout = library.frame.layoutSize;
    Layout(layout);
    library.device->BeginSection("notice");
    library.effect.Begin2D(static_cast<float>(layout.width), static_cast<float>(layout.height));
    panel_.Draw(library);
    accent_.Draw(library);
    heading_.Draw(library);
    name_.Draw(library);
    library.device->BeginSection(nullptr);
}
