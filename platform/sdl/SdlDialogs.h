#pragma once
#include "platform/Platform.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

// Message boxes through SDL, each also written to stderr as "caption: text". Where no display can
// show a box (e.g. the offscreen driver), the answer is the default button: Ok, or No.
class SdlDialogs final : public Dialogs {
  public:
    // The owner window is looked up at each Show, so the dialogs may be made before it exists.
    explicit SdlDialogs(const SdlWindow& owner) : owner_(owner) {}

    BoxAnswer Show(const std::string& text, const std::string& caption, BoxIcon icon,
                   BoxButtons buttons, bool ownerWindow) override;

  private:
    const SdlWindow& owner_;
};

}  // namespace platform
