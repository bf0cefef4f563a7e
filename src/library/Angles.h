#pragma once
// Angles as the game keeps them (degrees, yaw 0 along +z) and the directions they come from.
#include <cmath>

#include <glm/geometric.hpp>
#include <glm/vec3.hpp>

#include "library/Camera.h"

constexpr float Degrees(float radians) {
    return radians / kRadiansPerDegree;
}

// The yaw of a direction in degrees: 0 along +z, 90 along +x.
inline float FacingOf(const glm::vec3& direction) {
    return Degrees(std::atan2(direction.x, direction.z));
}

// A zero vector stays zero rather than becoming NaN.
inline glm::vec3 SafeNormalise(const glm::vec3& v) {
    const float length = glm::length(v);
    return length > 0.0f ? v / length : glm::vec3(0.0f);
}
