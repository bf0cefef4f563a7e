#pragma once
#include <cstdint>

#include <glm/vec3.hpp>

#include "audio/VoiceFilter.h"

struct ListenerMotion;

// Low-pass coefficients of a positional voice's output paths (see PathFilter): the direct path's
// falls linearly from kNearLowPass at the listener to kFarLowPass where the volume curve reaches
// silence; the reverb send's is kReverbLowPass at every distance.
inline constexpr float kNearLowPass = 1.0f;
inline constexpr float kFarLowPass = 0.75f;
inline constexpr float kReverbLowPass = 0.75f;

// Where a voice should sound from this frame, as the 3-D step works it out.
struct VoicePlacement {
    bool positional = false;      // false: plain, at the listener, no distance fading or reverb
    glm::vec3 position{0.0f};     // world units, when positional
    float frequencyRatio = 1.0f;  // Doppler shift, kMinFrequencyRatio..kMaxFrequencyRatio
    float directLowPass = kNearLowPass;  // the direct path's low-pass coefficient, when positional
};

// The 3-D and playback settings of one sound emitter, written by its owner and read by its voice
// every frame.
class X3DVoiceState {
  public:
    virtual ~X3DVoiceState() = default;

    // Works out this frame's placement against `listener` and remembers the emitter's position
    // for the next frame's velocity. The first positional frame after a plain one has no velocity.
    VoicePlacement Place(const ListenerMotion& listener);

    float fadeStep = 0.2f;  // volume change per frame while fading; <= 0 completes a fade at once
    uint32_t filterType = kLowPassFilter;  // the type of `filter` applied every frame
    float volume = 1.0f;                   // target volume, linear
    uint32_t loop = 0;                     // 1 = restart at the end of the data
    uint32_t positional = 0;   // 1 = placed at `position`, 0 = plain sound at the listener
    glm::vec3 position{0.0f};  // world units; read when `positional`
    VoiceFilter filter;        // the voice's own filter (frequency, 1/Q)

  private:
    glm::vec3 lastPosition_{0.0f};
    bool hasLastPosition_ = false;
};
