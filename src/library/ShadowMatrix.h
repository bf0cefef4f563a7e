#pragma once
#include <array>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// What the shadow map must cover: the first farPlane units of the camera's view frustum, seen
// from a sun that shines along lightDirection.
struct ShadowView {
    glm::vec3 lightDirection;  // unit vector from the sun towards the scene
    glm::vec3 viewDirection;   // unit vector from the camera's eye towards its target
    glm::vec3 viewpoint;       // eye + the field's shadow eye offset (world units)
    glm::mat4 cameraView;  // the camera's view matrix; its inverse places the frustum in the world
    float fovRadians;      // vertical field of view of the covered frustum
    float aspect;          // width / height
    float nearPlane;       // world units in front of the eye
    float farPlane;        // depth of the covered frustum (world units)
};

// The sun's view-projection for the shadow map, built with light-space perspective shadow maps:
// a perspective along the light-space direction of view, so that texels are spent where the
// camera looks. Points of the covered frustum map to x and y in −1..1 and depth in 0..1.
//
// Invariant: Matrix() is always finite. A view parallel (or opposite) to the light has no
// light-space direction of view; Update then keeps the matrix of the previous frame (identity
// before the first successful update), as it does for any input that would give a non-finite
// matrix.
class ShadowMatrix {
  public:
    // Rebuilds the matrix for this frame; false when the previous one was kept.
    bool Update(const ShadowView& shadowView);

    const glm::mat4& Matrix() const { return shadowMatrix; }
    // The covered frustum's eight corners in world space (near plane first), the sun's view and its
    // clip matrix (perspective, then the fit into the unit cube), as of the last successful Update.
    const std::array<glm::vec3, 8>& LightFrustum() const { return lightFrustum; }
    const glm::mat4& LightView() const { return lightView; }
    const glm::mat4& LightClip() const { return lightClip; }

  private:
    std::array<glm::vec3, 8> lightFrustum{};
    glm::mat4 lightView{1.0f};
    glm::mat4 lightClip{1.0f};
    glm::mat4 shadowMatrix{1.0f};
};
