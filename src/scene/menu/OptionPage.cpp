#include "scene/menu/OptionPage.h"

#include <algorithm>

#include "library/Format.h"
#include "library/MyLibrary.h"
#include "library/Resolution.h"
#include "scene/SaveData.h"
#include "scene/menu/MainPage.h"

namespace {

constexpr float kBarHeight = 4;
constexpr glm::vec2 kKnobSize{10, 22};
constexpr float kResolutionWidth = 170;
constexpr float kSelectedKnobAlpha = 0.2f;
constexpr float kResolutionMarkAlpha = 0.25f;  // the applied entry, while not choosing
constexpr int32_t kResolutionCount = static_cast<int32_t>(kResolutions.size());

}  // namespace

OptionPage::OptionPage() {
    for (const gfx::Size& size : kResolutions) {
        if (!resolutions_.empty()) resolutions_ += u'\n';
        resolutions_ += FormatText(u"%d x %d", size.width, size.height);
    }
    MenuRecord::Show(resolutionText_, resolutions_);
    resolutionText_.lineFactor = MenuRecord::kRowFactor;
    for (CObjFVF* bar : {&volumeBar_, &lightBar_}) bar->colour = {0.8f, 0.8f, 0.8f, 1};
}

MenuResult OptionPage::Step(MenuRecord& menu) {
    MyLibrary& library = *menu.library;
    SystemSettings& settings = library.settings;
    MenuRecord::Show(menu.titleText, u"Menu_18");
    MenuRecord::Show(menu.footerText, u"Menu_23");

    Slide(menu, settings);
    if (menu.editing != 0) {
        menu.selection = kResolutionRow;
        ChooseResolution(menu);
    } else {
        choice_ = settings.resolutionIndex;
    }
    if (menu.actionIn != 0 && menu.selection == kResolutionRow) {
        menu.editing = menu.editing != 0 ? 0 : 1;
        settings.resolutionIndex = choice_;
    }
    if (menu.actionIn != 0 && menu.selection == kResetRow) {
        const SystemSettings defaults;
        settings.resolutionIndex = defaults.resolutionIndex;
        settings.lightLevel = defaults.lightLevel;
        settings.soundVolume = defaults.soundVolume;
        resetDone_ = true;
    }
    if (menu.backIn != 0 && menu.editing != 0) {
        menu.editing = 0;
        choice_ = settings.resolutionIndex;
    } else if (menu.backIn != 0 || menu.menuIn != 0) {
        WriteSettings(settings);
        if (menu.backIn != 0) menu.GoTo(MenuRecord::kMainPage, MainPage::kOptionsRow);
    }

    // The settings take effect in the same frame.
    library.sound.Engine().masterVolume = settings.soundVolume;
    library.effect.lightFactors.z = settings.lightLevel + 4.0f;

    values_ =
        FormatText(library.textData.GetText(u"Menu_22"), static_cast<double>(settings.soundVolume),
                   static_cast<double>(settings.lightLevel));
    MenuRecord::Show(menu.listText, values_);
    if (menu.selection != kResetRow) resetDone_ = false;
    switch (menu.selection) {
        case kResetRow:
            if (resetDone_) {
                MenuRecord::Show(menu.helpText, u"Menu_17");
            } else {
                MenuRecord::ShowNothing(menu.helpText);
            }
            break;
        case kVolumeRow:
            MenuRecord::Show(menu.helpText, u"Menu_19");
            break;
        case kLightRow:
            MenuRecord::Show(menu.helpText, u"Menu_20");
            break;
        default:
            MenuRecord::Show(menu.helpText, u"Menu_21");
            break;
    }
    return kMenuStayOpen;
}

bool OptionPage::Repeats(InputButton& button) {
    const bool pressed = button.Pressed();
    button.holdFrames = button.Held() ? button.holdFrames + 1 : 0;
    return pressed || button.holdFrames > kRepeatAfter;
}

float* OptionPage::SliderOn(int32_t row, SystemSettings& settings) {
    if (row == kVolumeRow) return &settings.soundVolume;
    if (row == kLightRow) return &settings.lightLevel;
    return nullptr;
}

void OptionPage::Slide(MenuRecord& menu, SystemSettings& settings) {
    Input& input = menu.library->input;
    // Both directions are read every frame, so that their presses and hold counts stay true
    // whichever row is highlighted.
    const bool right = Repeats(input.Button(BUTTON_RIGHT));
    const bool left = Repeats(input.Button(BUTTON_LEFT));
    float* value = SliderOn(menu.selection, settings);
    if (value == nullptr) return;
    if (input.state.mouseMoved != 0) {
        if (!input.Button(BUTTON_ACTION).Held()) return;
        const float pointed = menu.library->frame.cursorLayout.x - kSliderLeft;
        *value = pointed * SystemSettings::kLevelMax / kSliderLength;
    } else if (right) {
        *value += kSliderStep;
    } else if (left) {
        *value -= kSliderStep;
    }
    *value = std::clamp(*value, SystemSettings::kLevelMin, SystemSettings::kLevelMax);
}

void OptionPage::ChooseResolution(MenuRecord& menu) {
    const int32_t before = choice_;
    if (menu.library->input.state.mouseMoved != 0) {
        // The list's rows continue the page's rows from the resolution row down; over no entry
        // the choice stays.
        const int32_t pointed = menu.PointedLine(MenuRecord::kListTop) + kResolutionRow;
        if (pointed >= 0 && pointed < kResolutionCount) choice_ = pointed;
    } else if (menu.upIn != 0) {
        --choice_;
    } else if (menu.downIn != 0) {
        ++choice_;
    }
    choice_ = std::clamp(choice_, 0, kResolutionCount - 1);
    if (choice_ != before) menu.tick();
}

void OptionPage::PlaceSlider(MenuRecord& menu, int32_t row, float value, CObjFVF& bar,
                             CObjFVF& knob) {
    const float y = menu.RowY(MenuRecord::kListTop, row);
    bar.scale = {kSliderLength, kBarHeight, 1};
    bar.position = {kSliderLeft + kSliderLength / 2, y, 0};
    knob.scale = {kKnobSize.x, kKnobSize.y, 1};
    knob.position = {kSliderLeft + value / SystemSettings::kLevelMax * kSliderLength, y, 0};
    knob.colour.a = menu.selection == row ? kSelectedKnobAlpha : 1.0f;
}

void OptionPage::Draw(MenuRecord& menu) {
    MyLibrary& library = *menu.library;
    const SystemSettings& settings = library.settings;
    PlaceSlider(menu, kVolumeRow, settings.soundVolume, volumeBar_, volumeKnob_);
    PlaceSlider(menu, kLightRow, settings.lightLevel, lightBar_, lightKnob_);
    for (CObjFVF* quad : {&volumeBar_, &volumeKnob_, &lightBar_, &lightKnob_}) quad->Draw(library);

    const float top = menu.RowY(MenuRecord::kListTop, kResolutionRow);
    resolutionHighlight_.scale = {kResolutionWidth, menu.RowHeight(), 1};
    resolutionHighlight_.position = {kSliderLeft - 10 + kResolutionWidth / 2,
                                     menu.RowY(top, -choice_), 0};
    resolutionHighlight_.colour.a =
        menu.editing != 0 ? menu.blinkCurve.Value(menu.frameCounter) : kResolutionMarkAlpha;
    resolutionHighlight_.Draw(library);
    resolutionText_.position = {kSliderLeft, top, 0};
    resolutionText_.Draw(library);
}
