#include "content/events/CamChar.h"

#include <algorithm>

#include <glm/geometric.hpp>

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr float kEasePerUnit = 0.02f;  // share of the distance covered per frame, per unit away

}  // namespace

glm::vec3 TargetStep(const glm::vec3& toPlayer) {
    const float distance = glm::length(toPlayer);
    return toPlayer * std::min(distance * kEasePerUnit, 1.0f);
}

CamChar::CamChar() {
    mesh.modelIndex = kCubeModel;
    mesh.hidden = 1;
    meshes.push_back(&mesh);
}

void CamChar::Update() {
    Camera& camera = content::Services(*library).LiveCamera();
    camera.at += TargetStep(player->Position() - camera.at);
    camera.eye = camera.at + mesh.position;
}

}  // namespace Ev
