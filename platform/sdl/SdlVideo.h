#pragma once

namespace platform {

// Keeps SDL's video subsystem, and with it the event queue, initialised for its lifetime, with
// text input off. Every other SDL object of the platform must be destroyed before it.
class SdlVideo {
  public:
    // A failure is written to stderr; windows and message queues then fail softly.
    SdlVideo();
    ~SdlVideo();
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;

    bool ok() const { return ok_; }

  private:
    bool ok_ = false;
};

}  // namespace platform
