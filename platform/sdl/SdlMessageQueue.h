#pragma once
#include "platform/Platform.h"

namespace platform {

// The window messages of SDL's event queue. Events the frame ignores are dropped while peeking.
// A posted quit is delivered once, after every event that was already waiting, as the frame's
// loop expects of a quit request.
class SdlMessageQueue final : public MessageQueue {
  public:
    bool Peek(Message& out) override;
    // Does not take the event that ended the wait.
    void Wait(uint32_t timeoutMs) override;
    void PostQuit() override { quitPosted_ = true; }

  private:
    bool quitPosted_ = false;
};

}  // namespace platform
