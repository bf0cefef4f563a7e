#include "content/events/Mirror.h"

#include <glm/geometric.hpp>

#include "content/Services.h"

namespace Ev {

void Mirror::Update() {
    mirrorImage.position = frame.position;
    mirrorImage.scale = frame.scale;
    mirrorImage.rotation = frame.rotation;

    // The glass as drawn last frame: its plane's normal from the world matrix's first two rows.
    const glm::vec3 across = glm::normalize(glm::vec3(mirrorImage.world[0]));
    const glm::vec3 up = glm::normalize(glm::vec3(mirrorImage.world[1]));
    const glm::vec3 facing = glm::cross(across, up);
    const glm::vec3 centre = mirrorImage.position;
    const float height = mirrorImage.scale.y;

    const content::Services engine(*library);
    const glm::vec3 view = glm::normalize(centre - engine.LiveCamera().eye);
    const glm::vec3 reflected = glm::normalize(view - 2.0f * glm::dot(facing, view) * facing);
    Camera& camera = engine.MirrorCamera();
    camera.fovDegrees = 35;
    camera.width = mirrorImage.scale.x;
    camera.height = mirrorImage.scale.y;
    camera.nearPlane = glm::length(facing) * height + 0.1f;
    camera.eye = centre + facing * height;
    camera.at = centre + reflected;
    engine.ShowMirror();
}

}  // namespace Ev
