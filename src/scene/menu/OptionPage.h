#pragma once
#include <cstdint>
#include <string>

#include "scene/menu/MenuPage.h"
#include "world/CObjFVF.h"
#include "world/CObjText.h"

struct InputButton;
struct SystemSettings;

// The options: reset to the defaults, the sound volume and light sliders, and the resolution
// chosen from a list. Every change takes effect at once; the settings file is written as the page
// is left, by its back button or by the menu key.
class OptionPage final : public MenuPage {
  public:
    enum Row : int32_t { kResetRow = 0, kVolumeRow = -1, kLightRow = -2, kResolutionRow = -3 };
    static constexpr float kSliderStep = 0.01f;  // per press, and per frame of a held direction
    static constexpr int32_t kRepeatAfter = 20;  // frames a direction is held before it repeats
    static constexpr float kSliderLength = 100;  // layout units from 0.0 to the slider's maximum
    static constexpr float kSliderLeft = 60;     // x of the sliders' 0.0

    OptionPage();
    MenuResult Step(MenuRecord& menu) override;
    void Draw(MenuRecord& menu) override;

  private:
    // The sliders' values follow the held direction, or the pointer dragging with action held.
    void Slide(MenuRecord& menu, SystemSettings& settings);
    // While choosing a resolution: the entry under the pointer, or one up or down.
    void ChooseResolution(MenuRecord& menu);
    // The value of the slider on the highlighted row, or null.
    static float* SliderOn(int32_t row, SystemSettings& settings);
    // This frame's step of a direction: its press, then every frame once held long enough.
    static bool Repeats(InputButton& button);
    void PlaceSlider(MenuRecord& menu, int32_t row, float value, CObjFVF& bar, CObjFVF& knob);

    std::u16string values_;       // the list: the reset row and the two values, formatted
    std::u16string resolutions_;  // the resolution list's rows
    CObjText resolutionText_;
    CObjFVF resolutionHighlight_;
    CObjFVF volumeBar_;
    CObjFVF volumeKnob_;
    CObjFVF lightBar_;
    CObjFVF lightKnob_;
    int32_t choice_ = 1;      // the resolution highlighted in the list
    bool resetDone_ = false;  // the defaults were just taken: the reset row says so
};
