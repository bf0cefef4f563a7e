#pragma once
#include <cstdint>
#include <memory>

#include <glm/vec3.hpp>

#include "audio/OpenAlOutput.h"
#include "library/Result.h"

// Where the listener is this frame (world units) and how fast it moves (as FrameVelocity).
struct ListenerMotion {
    glm::vec3 position{0.0f};
    glm::vec3 velocity{0.0f};
};

// The audio engine: the output device, the room's reverb and the listener. One per game, owned by
// the sound table. The game writes `wantedPreset` and `masterVolume`; BeginFrame applies them.
class CXAudio2 {
  public:
    CXAudio2() = default;
    CXAudio2(const CXAudio2&) = delete;
    CXAudio2& operator=(const CXAudio2&) = delete;
    virtual ~CXAudio2() = default;

    // Opens the default output (or the silent fallback when there is no sound card).
    HRESULT Init();
    // Runs on a given output, e.g. a loopback device that a test renders. Null fails.
    HRESULT Init(std::unique_ptr<AudioOutput> output);

    // Puts preset `preset` (0..kReverbPresetCount-1) into the reverb slot; an index past the
    // table is the silent Default. E_FAIL when the output refused the parameters.
    HRESULT ApplyReverbPreset(uint32_t preset);

    // The listener for the next BeginFrame: at `position` looking along `front` with `top` up
    // (world units; the two directions unit length and perpendicular).
    void SetListener(const glm::vec3& position, const glm::vec3& front, const glm::vec3& top);

    // The engine's part of the frame, before the voices update: applies a changed preset (on
    // failure returns E_FAIL and tries again next frame), moves the listener and measures its
    // velocity, applies the master volume.
    HRESULT BeginFrame();
    // After the voices update: lets the silent fallback output mix the frame.
    void EndFrame();

    const ListenerMotion& Listener() const { return listener_; }
    uint32_t ActivePreset() const { return activePreset_; }
    // Null until Init succeeded.
    AudioOutput* Output() { return output_.get(); }

    uint32_t wantedPreset = 0;  // the room's reverb preset; fields set it
    float masterVolume = 1.0f;  // linear gain of the whole mix; the options page sets it

  private:
    std::unique_ptr<AudioOutput> output_;
    uint32_t activePreset_ = 1;  // differs from wantedPreset so that the first frame applies it
    ListenerMotion listener_;
    glm::vec3 lastListenerPosition_{0.0f};
    bool hasLastListenerPosition_ = false;  // no velocity on the first frame
    glm::vec3 front_{0.0f, 0.0f, 1.0f};
    glm::vec3 top_{0.0f, 1.0f, 0.0f};
};
