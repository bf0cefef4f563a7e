#include "world/Flashlight.h"
#include "library/AssetNames.h"

#include <glm/geometric.hpp>

namespace {

constexpr int32_t kFlashlightModel = AssetRow("flashlight.x");
constexpr int32_t kGlowModel = AssetRow("sphere.x");
constexpr float kLensSetback = 0.15f;  // world units from the body towards the lens
constexpr float kSpotPositionW = 1.0f;
constexpr float kSpotDirectionW = 0.7f;

}  // namespace

Flashlight::Flashlight() {
    body.modelIndex = kFlashlightModel;
    body.colour = {0.0f, 0.0f, 0.0f, 1.0f};
    body.power = 100.0f;

    glow.modelIndex = kGlowModel;
    glow.parent = &body.world;
    glow.position = {0.0f, 0.2f, 0.0f};
    glow.scale = {0.05f, 0.01f, 0.05f};
    glow.castsShadow = 0;
    glow.power = 0.0f;
    glow.diffuseStrength = 1.0f;
    glow.emissive = glm::vec3(20.0f);
    glow.emissiveIntensity = 20.0f;
}

void Flashlight::Update(MyLibrary& library, bool lightOn, SpotLight& spot) {
    body.Update(library);
    glow.Update(library);
    if (lightOn) {
        const glm::vec3 bodyPosition(body.world[3]);
        const glm::vec3 glowPosition(glow.world[3]);
        const glm::vec3 lensToBody = bodyPosition - glowPosition;
        const float length = glm::length(lensToBody);
        // A lens on the body (a flashlight scaled to nothing) gives no direction.
        const glm::vec3 backwards = length > 0.0f ? lensToBody / length : glm::vec3(0.0f);
        spot.position = bodyPosition - kLensSetback * backwards;
        spot.target = glowPosition;
    }
    spot.positionW = kSpotPositionW;
    spot.directionW = kSpotDirectionW;
}
