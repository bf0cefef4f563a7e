#pragma once
#include <span>

#include <glm/vec3.hpp>

// The extent of a model's vertex positions, in model units.
struct ModelBounds {
    glm::vec3 boxMin{0};
    glm::vec3 boxMax{0};
    // Per axis (|max| + |min|) / 2: the half size of the box when it spans the origin, as the
    // colliders of placed meshes expect.
    glm::vec3 halfExtent{0};
    // The sphere centred on the mean of the positions that reaches the farthest one.
    glm::vec3 sphereCentre{0};
    float sphereRadius = 0;
};

// All zero for no positions.
ModelBounds ComputeBounds(std::span<const glm::vec3> positions);
