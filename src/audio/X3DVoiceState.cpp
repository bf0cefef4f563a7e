#include "audio/X3DVoiceState.h"

#include <algorithm>

#include <glm/geometric.hpp>

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
    const float curve =
        std::min(glm::distance(listener.position, position) / AudioSource::kAudibleDistance, 1.0f);
    return {true, position, DopplerRatio(listener.position, listener.velocity, position, velocity),
            kNearLowPass + (kFarLowPass - kNearLowPass) * curve};
}
