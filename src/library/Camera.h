#pragma once
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// Degrees to radians, as the game converts every stored angle.
inline constexpr float kRadiansPerDegree = 0.017453292f;

// A view: where it looks from and at, its projection, and the matrices and culling sphere derived
// from them. Units are world units and degrees; coordinates are left-handed with y up. Matrices
// hold D3DX's row-vector layout (see UpdateCamera).
//
// The description (nearPlane .. fovDegrees) is written by the fields, the player and the frame
// update; the derived members are stale until the next UpdateCamera.
struct Camera {
    float nearPlane = 0.1f;
    float farPlane = 100.0f;
    glm::vec3 eye{0, 0, -5};
    glm::vec3 at{0, 0, 0};
    glm::vec3 up{0, 1, 0};
    float width = 1024;  // aspect ratio numerator and denominator (the render size each frame)
    float height = 768;
    float fovDegrees = 45;  // vertical field of view

    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};      // depth 0 at the near plane, 1 at the far plane
    glm::mat4 viewProjection{1.0f};  // view, then projection
    // eye + normalise(at − eye) × farPlane: the centre of the culling sphere of radius farPlane.
    glm::vec3 cullCentre{0, 0, 0};

    // Rebuilds view (look-at), projection (perspective, fovDegrees × 0.017453292 radians, aspect
    // width / height, depth 0..1), viewProjection and cullCentre, in that order. A description
    // that gives no finite view (eye at `at`, up along the view, an empty size) keeps the previous
    // derived values and returns false.
    bool UpdateCamera();

    // True when a sphere (world centre, radius in world units) lies outside the culling sphere:
    // with n = normalise(cullCentre) and r = radius + farPlane, culled when dot(centre, n) > r or
    // when |centre − cullCentre|² > r². Both tests are strict, so a sphere exactly on either
    // boundary is drawn. The first test measures along the direction of cullCentre from the world
    // origin, not from the eye; it is kept as the game has always culled. A cullCentre at the world
    // origin has no direction, and then only the distance test applies.
    bool IsCulled(const glm::vec3& centre, float radius) const;
};
