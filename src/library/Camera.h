#pragma once
#include <glm/vec3.hpp>

// A view: where it looks from and at, and its projection. Units are world units and degrees.
struct Camera {
    float nearPlane = 0.1f;
    float farPlane = 100.0f;
    glm::vec3 eye{0, 0, -5};
    glm::vec3 at{0, 0, 0};
    glm::vec3 up{0, 1, 0};
    float width = 1024;  // aspect ratio numerator and denominator
    float height = 768;
    float fovDegrees = 45;
};
