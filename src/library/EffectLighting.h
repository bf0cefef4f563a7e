#pragma once
#include <cstdint>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "library/Camera.h"
#include "library/ShadowMatrix.h"

// The light, fog and fade values that every field starts from; fields and events change them
// while they run. Positions in world units, colours 0..1, angles in degrees.
struct FieldLighting {
    float flash = 1.0f;  // opacity of the black quad drawn over each frame; fades 0.1 per frame
    float spotPositionW = 0.0f;                // w sent with the hand-held light's position
    float spotDirectionW = 0.0f;               // w sent with its direction
    glm::vec3 spotPosition{0.0f, 0.5f, 0.0f};  // the hand-held light
    glm::vec3 spotTarget{0.0f, 0.5f, 1.0f};    // the point it aims at
    glm::vec3 spotColour{1.0f, 1.0f, 1.0f};
    float spotIntensity = 1.0f;
    glm::vec3 shadowEyeOffset{0.0f, 0.0f,
                              0.0f};  // moves the shadow frustum's viewpoint off the eye
    glm::vec3 sunPosition{0.0f, 63.0f, 3.0f};
    glm::vec3 sunTarget{0.0f, 0.0f, 0.0f};        // the sun shines from its position towards this
    glm::vec4 sunColour{1.0f, 1.0f, 1.0f, 1.0f};  // w: ambient weight
    float fieldLightValue = 60.0f;                // written by fields, read by no draw
    float shadowFar = 65.0f;       // world units of the view that the shadow map covers
    float shadowFov = 45.0f;       // degrees; field of view of that covered frustum
    float materialFactorA = 1.0f;  // scale the two per-object material factors
    float materialFactorB = 1.0f;
    glm::vec3 fogColour{0.84f, 0.89f, 0.99f};
    float fogStart = 0.0f;  // world units from the eye
    float fogEnd = 50.0f;
    std::int32_t fogEnabled = 1;
};

// The effect values one frame update produces, in the order they are sent: fog (parameters 10,
// 8, 9), the hand-held light (15, 16), the shadow matrix (2) and the light factors (11).
struct FrameTerms {
    std::int32_t fogEnabled;
    glm::vec4 fogTerms;
    glm::vec4 fogColour;     // w = 0
    glm::vec4 spotPosition;  // w = spotPositionW
    glm::vec4 spotDirection;
    glm::mat4 shadowMatrix;
    glm::vec4 lightFactors;
};

// The effect's camera and light state without the effect: what the renderer's frame update turns
// into shader parameters.
struct EffectLighting {
    // Sent as they are; the third is set from the brightness setting at start. Kept across fields.
    glm::vec4 lightFactors{1.0f, 1.8f, 5.0f, 1.0f};
    FieldLighting lighting;
    Camera mirrorCamera;  // the view of the mirror's reflected pass
    Camera camera;        // the live view
    ShadowMatrix shadow;

    // What a field starts from: the default lighting, camera and mirror camera.
    void ResetForField();

    // Once a frame with the render size in pixels, in this order: fade the flash; give the camera
    // the render size and update it; fog terms; hand-held light terms; the shadow matrix for the
    // first shadowFar units of the view (near plane 0.1); light factors.
    FrameTerms FrameUpdate(float width, float height);
};
