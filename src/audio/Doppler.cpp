#include "audio/Doppler.h"

#include <algorithm>

#include <glm/geometric.hpp>

glm::vec3 FrameVelocity(const glm::vec3& previous, const glm::vec3& current) {
    const glm::vec3 travel = current - previous;
    if (glm::length(travel) > kMaxFrameTravel) return glm::vec3(0.0f);
    return travel * kDopplerFrames;
}

float DopplerRatio(const glm::vec3& listener, const glm::vec3& listenerVelocity,
                   const glm::vec3& source, const glm::vec3& sourceVelocity) {
    const glm::vec3 toListener = listener - source;
    const float distance = glm::length(toListener);
    if (distance <= 0.0f) return 1.0f;
    const glm::vec3 direction = toListener / distance;
    // Speeds along the line; just below c keeps the denominator positive.
    const float limit = kSpeedOfSound * 0.999f;
    const float listenerSpeed = std::min(glm::dot(listenerVelocity, direction), limit);
    const float sourceSpeed = std::min(glm::dot(sourceVelocity, direction), limit);
    const float ratio = (kSpeedOfSound - listenerSpeed) / (kSpeedOfSound - sourceSpeed);
    return std::clamp(ratio, kMinFrequencyRatio, kMaxFrequencyRatio);
}
