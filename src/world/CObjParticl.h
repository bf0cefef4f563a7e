#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

class CTexture;
class MyLibrary;

struct Particle {
    float age = 0;
    float lifetime = 0;
    glm::vec3 velocity{0.0f};
    glm::vec3 worldPosition{0.0f};
    glm::vec3 size{0.0f};
    float fade = 0;  // 1 at respawn, towards 0 at the end of its life
};

// A small fountain of camera-facing quads (fire, smoke, sparks) drawn additively. Particles age
// by `timeStep` each drawn frame, not by elapsed time, and respawn at the emitter with a random
// velocity and lifetime. Their randomness is their own, so that how many frames were drawn never
// moves the game's random draws: a run replayed with the same seed meets the same night.
class CObjParticl {
  public:
    CObjParticl();
    CObjParticl(const CObjParticl&) = delete;
    CObjParticl& operator=(const CObjParticl&) = delete;
    virtual ~CObjParticl();

    void Draw(MyLibrary& library);

    CTexture* texture = nullptr;
    MyLibrary* library = nullptr;
    int32_t textureIndex = 0;
    glm::mat4 emitterRotation{1.0f};
    std::vector<Particle> particles;
    glm::vec3 position{0.0f};  // the emitter
    glm::vec3 growth{8.0f};    // scale per unit of age
    glm::vec3 rotation{0.0f};  // degrees: x pitch, y yaw, z roll of the emitter
    glm::vec3 colour{1.0f};
    float alpha = 1;
    glm::vec4 emissive{1, 1, 1, 10};
    glm::mat4 particleWorld{1.0f};
    int32_t hidden = 0;
    float speed = 4.0f;
    float spread = 0.5f;
    float timeStep = 0.01f;
    float maxLife = 1.0f;

  private:
    // Ages the particle one step, respawning it when its life is over.
    void Age(Particle& particle);
    // A draw spread evenly over a..b.
    float Uniform(float a, float b);

    std::minstd_rand jitter_;
};
