#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "platform/gfx/Device.h"

// A small software rasteriser for contact sheets: a colour and depth buffer, and triangles drawn
// into it with a z-buffer, perspective-correct texture coordinates, Lambert light plus ambient and
// back faces culled as the game culls them (a triangle is front where its corners run clockwise
// on the screen).

// What the light does: `toLight` is the unit direction towards the light, in the space of the
// vertices' normals.
struct Lighting {
    glm::vec3 toLight{0, 1, 0};
    float ambient = 0.35f;
    float diffuse = 0.65f;
};

// How a triangle's pixels are coloured: texel × diffuse × light + emissive. A null `texture` is
// white. With `cutOut` texels whose alpha is below one half are left out, as the game's pass for
// PNG textures leaves them out.
struct Shading {
    glm::vec4 diffuse{1.0f};
    glm::vec3 emissive{0.0f};
    const gfx::Image* texture = nullptr;
    bool cutOut = false;
};

// One corner after the vertex stage: clip-space position (D3D depth 0..1), a unit normal in the
// lighting's space, and texture coordinates (v down from the top of the image).
struct RasterVertex {
    glm::vec4 clip;
    glm::vec3 normal;
    glm::vec2 uv;
};

// Colour (RGBA8, rows top to bottom) and depth of a picture being drawn.
class FrameBuffer {
  public:
    FrameBuffer(gfx::Size size, uint32_t backgroundRgb);

    gfx::Size Size() const { return image_.size; }
    const gfx::Image& Image() const { return image_; }
    // 0xRRGGBB of pixel (x, y); both inside the picture.
    uint32_t PixelRgb(int x, int y) const;
    // Depth of pixel (x, y), 1 where nothing was drawn.
    float Depth(int x, int y) const { return depth_[Offset(x, y)]; }

    // Writes `rgb` (0..1 each) at (x, y) when `depth` is nearer than what the pixel holds.
    void Plot(int x, int y, float depth, glm::vec3 rgb);

  private:
    size_t Offset(int x, int y) const { return static_cast<size_t>(y) * image_.size.width + x; }

    gfx::Image image_;
    std::vector<float> depth_;
};

// The texel at `uv`, nearest sample, repeating outside 0..1; RGBA 0..1. The image must not be
// empty.
glm::vec4 SampleTexture(const gfx::Image& texture, glm::vec2 uv);

// Draws one triangle. Triangles with a corner on or behind the camera's near plane, or too large
// for single-precision screen arithmetic, are left out whole: the contact sheets frame every
// model in front of the camera, so none reaches that far.
void DrawTriangle(FrameBuffer& target, const std::array<RasterVertex, 3>& corners,
                  const Shading& shading, const Lighting& lighting);
