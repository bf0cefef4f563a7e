#pragma once
#include "platform/Platform.h"

namespace platform {

// SDL's millisecond ticks; they start at SDL's first use and wrap after 49 days like the frame
// loop expects.
class SdlClock final : public Clock {
  public:
    uint32_t Now() override;
    void Sleep(uint32_t ms) override;
};

}  // namespace platform
