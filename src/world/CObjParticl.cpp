#include "world/CObjParticl.h"

#include <cmath>

#include <glm/geometric.hpp>

#include "library/MyLibrary.h"
#include "world/Placement.h"

namespace {
constexpr int kStartingParticles = 4;
}  // namespace

CObjParticl::CObjParticl() : particles(kStartingParticles) {}

CObjParticl::~CObjParticl() {
    if (texture) library->textures.Release(textureIndex);
}

float CObjParticl::Uniform(float a, float b) {
    return std::uniform_real_distribution<float>(a, b)(jitter_);
}

void CObjParticl::Age(Particle& particle) {
    particle.age += timeStep;
    if (particle.age > particle.lifetime) {
        particle.age = 0;
        particle.velocity = {Uniform(-spread, spread), speed, Uniform(-spread, spread)};
        particle.lifetime = Uniform(0, maxLife);
    }
    particle.worldPosition =
        glm::vec3(emitterRotation * glm::vec4(particle.age * particle.velocity, 0.0f)) + position;
    // A lifetime of 0 (just respawned with the smallest draw) is over at once: fully faded.
    particle.fade =
        particle.lifetime > 0 ? (particle.lifetime - particle.age) / particle.lifetime : 0.0f;
    particle.size = particle.age * growth;
}

void CObjParticl::Draw(MyLibrary& owner) {
    CEffect& effect = owner.effect;
    if (hidden || effect.inShadowPass) return;
    if (!library) {
        library = &owner;
        texture = owner.textures.Load(textureIndex, *owner.device, owner.archive);
    }
    // Face the camera: turn about y towards the view, then tip to face along it.
    const Camera& camera = effect.camera;
    const glm::vec3 view = glm::normalize(camera.at - camera.eye);
    const float yaw = std::atan2(view.x, view.z);
    const glm::mat4 turn = PlacementMatrix({0, 0, 0}, {1, 1, 1}, {0, yaw / kRadiansPerDegree, 0});
    const glm::vec3 forward(turn * glm::vec4(0, 0, 1, 0));
    const glm::vec3 up(turn * glm::vec4(0, 1, 0, 0));
    const float pitch = std::atan2(glm::dot(forward, view), glm::dot(up, view));
    const glm::vec3 billboard{pitch / kRadiansPerDegree - 90.0f, yaw / kRadiansPerDegree,
                              rotation.z};
    emitterRotation = PlacementMatrix({0, 0, 0}, {1, 1, 1}, rotation);

    if (texture && texture->IsLoaded()) {
        effect.SetTexture(effect_parameter::kTexture, texture->Id());
    }
    effect.SelectPass(ShaderPass::GlowQuad);
    for (Particle& particle : particles) {
        Age(particle);
        particleWorld = PlacementMatrix(particle.worldPosition, particle.size, billboard);
        effect.SetVector(effect_parameter::kColour, glm::vec4(colour, particle.fade * alpha));
        effect.SetVector(effect_parameter::kEmissive, emissive);
        effect.SetMatrix(effect_parameter::kWorld, particleWorld);
        effect.CommitChanges();
        owner.quad.Draw();
    }
}
