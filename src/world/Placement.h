#pragma once
#ifndef GLM_ENABLE_EXPERIMENTAL
#define GLM_ENABLE_EXPERIMENTAL  // glm/gtx: yawPitchRoll and scale
#endif
#include <glm/gtx/euler_angles.hpp>
#include <glm/gtx/transform.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "library/Camera.h"

// The world matrix of a placed object: Scaling(scale) × RotationYawPitchRoll(rotation) with
// `position` as the translation row, then × `*parent` when there is one. Rotation in degrees:
// x pitch, y yaw, z roll. D3DX row-vector layout, as every matrix of the game.
inline glm::mat4 PlacementMatrix(const glm::vec3& position, const glm::vec3& scale,
                                 const glm::vec3& rotation, const glm::mat4* parent = nullptr) {
    glm::mat4 world =
        glm::yawPitchRoll(rotation.y * kRadiansPerDegree, rotation.x * kRadiansPerDegree,
                          rotation.z * kRadiansPerDegree) *
        glm::scale(scale);
    world[3] = glm::vec4(position, 1.0f);
    return parent ? *parent * world : world;
}
