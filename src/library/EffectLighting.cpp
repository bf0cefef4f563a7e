#include "library/EffectLighting.h"

#include <glm/geometric.hpp>

#include "library/EffectTerms.h"

namespace {
// The covered frustum starts this far in front of the eye (world units).
constexpr float kShadowNearPlane = 0.1f;
}  // namespace

void EffectLighting::ResetForField() {
    lighting = FieldLighting{};
    mirrorCamera = Camera{};
    camera = Camera{};
}

FrameTerms EffectLighting::FrameUpdate(float width, float height) {
    lighting.flash = StepFlash(lighting.flash);

    camera.width = width;
    camera.height = height;
    camera.UpdateCamera();

    FrameTerms terms;
    terms.fogEnabled = lighting.fogEnabled;
    terms.fogTerms = FogTerms(lighting.fogStart, lighting.fogEnd);
    terms.fogColour = glm::vec4(lighting.fogColour, 0.0f);

    terms.spotPosition = glm::vec4(lighting.spotPosition, lighting.spotPositionW);
    terms.spotDirection =
        SpotDirectionTerm(lighting.spotPosition, lighting.spotTarget, lighting.spotDirectionW);

    shadow.Update({.lightDirection = SunDirection(lighting.sunPosition, lighting.sunTarget),
                   .viewDirection = glm::normalize(camera.at - camera.eye),
                   .viewpoint = camera.eye + lighting.shadowEyeOffset,
                   .cameraView = camera.view,
                   .fovRadians = lighting.shadowFov * kRadiansPerDegree,
                   .aspect = width / height,
                   .nearPlane = kShadowNearPlane,
                   .farPlane = lighting.shadowFar});
    terms.shadowMatrix = shadow.Matrix();

    terms.lightFactors = lightFactors;
    return terms;
}
