#pragma once
#include <cstdint>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "library/ShaderPass.h"
#include "platform/gfx/Device.h"

class CTexture;
class FVF;
class MyLibrary;

// A textured unit quad placed in the world or on the overlay (scaled to its size). Fields and
// events set the public values; the texture is taken from the library's cache on the first draw
// and given back on destruction.
class CObjFVF {
  public:
    CObjFVF() = default;
    CObjFVF(const CObjFVF&) = delete;
    CObjFVF& operator=(const CObjFVF&) = delete;
    virtual ~CObjFVF();

    // With its own texture and pass; an untextured quad (textureIndex −1) always takes pass 6.
    // Nothing in the shadow pass or while hidden.
    void Draw(MyLibrary& library);
    // With a given texture (None keeps what is bound) and pass, for screen passes and fields.
    void DrawWith(MyLibrary& library, gfx::TextureId texture, ShaderPass pass);
    // The mirror's image: the mirrored quad with the reflection target, pass 7. Only while a
    // mirror is active; a hidden image ends the mirror's pass.
    void DrawMirrorQuad(MyLibrary& library);

    int32_t textureIndex = -1;  // catalogue row, −1 for none
    ShaderPass pass = ShaderPass::FlatQuad;
    const glm::mat4* parent = nullptr;  // not owned
    MyLibrary* library = nullptr;       // bound at the first Draw
    CTexture* texture = nullptr;        // held from the first Draw, null when none
    glm::vec3 position{0.0f};
    glm::vec3 scale{1.0f};
    glm::vec3 rotation{0.0f};  // degrees: x pitch, y yaw, z roll
    glm::vec4 colour{1.0f};
    glm::mat4 world{1.0f};
    int32_t hidden = 0;

  private:
    // World matrix, colour and pass sent, then the quad drawn from `quad`.
    void Submit(MyLibrary& library, const FVF& quad, ShaderPass drawPass);
};
