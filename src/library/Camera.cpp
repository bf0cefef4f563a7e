#include "library/Camera.h"

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>

#include "library/FiniteMath.h"

bool Camera::UpdateCamera() {
    if (!(width > 0.0f && height > 0.0f)) return false;  // no aspect ratio
    const glm::mat4 newView = glm::lookAtLH(eye, at, up);
    const glm::mat4 newProjection =
        glm::perspectiveLH_ZO(fovDegrees * kRadiansPerDegree, width / height, nearPlane, farPlane);
    const glm::mat4 newViewProjection = newProjection * newView;  // D3DX view × projection
    if (!IsFinite(newViewProjection)) return false;
    view = newView;
    projection = newProjection;
    viewProjection = newViewProjection;
    cullCentre = eye + glm::normalize(at - eye) * farPlane;
    return true;
}

bool Camera::IsCulled(const glm::vec3& centre, float radius) const {
    const float reach = radius + farPlane;
    const bool hasDirection = glm::dot(cullCentre, cullCentre) > 0.0f;
    if (hasDirection && glm::dot(centre, glm::normalize(cullCentre)) > reach) return true;
    const glm::vec3 offset = centre - cullCentre;
    return glm::dot(offset, offset) > reach * reach;
}
