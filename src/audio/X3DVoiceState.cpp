#include "audio/X3DVoiceState.h"

#include "audio/CXAudio2.h"
#include "audio/Doppler.h"

VoicePlacement X3DVoiceState::Place(const ListenerMotion& listener) {
    if (positional == 0) {
        hasLastPosition_ = false;
        return {};
    }
    const glm::vec3 velocity =
        hasLastPosition_ ? FrameVelocity(lastPosition_, position) : glm::vec3(0.0f);
    lastPosition_ = position;
    hasLastPosition_ = true;
    return {true, position, DopplerRatio(listener.position, listener.velocity, position, velocity)};
}
