#include "Framing.h"

#include <algorithm>
#include <cmath>

#include <glm/common.hpp>
#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>
#include <glm/trigonometric.hpp>

namespace {

// The bounding sphere fills this share of the picture's height.
constexpr float kFill = 0.92f;
// Radius given to a box of no size, model units.
constexpr float kSmallestRadius = 1e-3f;

}  // namespace

View FrameBox(const Box& box, glm::vec3 fromDirection) {
    const glm::vec3 centre = (box.min + box.max) * 0.5f;
    const float radius = std::max(glm::length(box.max - box.min) * 0.5f, kSmallestRadius);
    const float halfAngle = glm::radians(kFieldOfViewDegrees) * 0.5f;
    const float distance = radius / (std::sin(halfAngle) * kFill);
    const glm::vec3 toEye = glm::normalize(fromDirection);
    const glm::vec3 eye = centre + toEye * distance;
    // Straight down or up, "up" on the picture is the far side (+z).
    const bool vertical = std::abs(toEye.y) > 0.999f;
    const glm::vec3 up = vertical ? glm::vec3(0, 0, 1) : glm::vec3(0, 1, 0);
    const glm::mat4 view = glm::lookAtLH(eye, centre, up);
    const glm::mat4 projection = glm::perspectiveLH_ZO(glm::radians(kFieldOfViewDegrees), 1.0f,
                                                       distance - radius, distance + radius);
    return {eye, centre, projection * view};
}

Box Union(const Box& a, const Box& b) {
    return {glm::min(a.min, b.min), glm::max(a.max, b.max)};
}
