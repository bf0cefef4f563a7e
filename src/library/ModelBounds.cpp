#include "library/ModelBounds.h"

#include <algorithm>

#include <glm/common.hpp>
#include <glm/geometric.hpp>

ModelBounds ComputeBounds(std::span<const glm::vec3> positions) {
    ModelBounds bounds;
    if (positions.empty()) return bounds;
    bounds.boxMin = bounds.boxMax = positions.front();
    glm::dvec3 sum(0);  // double: thousands of vertices far from the origin keep their mean
    for (const glm::vec3& position : positions) {
        bounds.boxMin = glm::min(bounds.boxMin, position);
        bounds.boxMax = glm::max(bounds.boxMax, position);
        sum += glm::dvec3(position);
    }
    bounds.halfExtent = (glm::abs(bounds.boxMax) + glm::abs(bounds.boxMin)) / 2.0f;
    bounds.sphereCentre = glm::vec3(sum / static_cast<double>(positions.size()));
    for (const glm::vec3& position : positions) {
        bounds.sphereRadius =
            std::max(bounds.sphereRadius, glm::distance(position, bounds.sphereCentre));
    }
    return bounds;
}
