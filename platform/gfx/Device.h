#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

// The rendering device layer. Game code talks to these interfaces only; the GL backend is the
// one place that knows OpenGL, and the null backend records what was asked of it for tests.
namespace gfx {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Pixels from the top-left corner.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// The largest rectangle of `picture`'s shape inside `area`, centred: where a picture is shown when
// it keeps its aspect, with bars on two sides where the shapes differ. Sides are rounded to the
// nearest pixel. Empty when either size is.
Rect FitAspect(Size picture, Size area);

// What the device can do, in the order the start-up checks read it.
struct Caps {
    uint32_t shaderModel = 0;           // major << 8 | minor, e.g. 0x0303 for GLSL 3.30
    uint32_t textureCaps = 0;           // 0x2 = power-of-two only, 0x20 = square only
    bool alphaGreaterEqual = false;     // alpha test with "greater or equal"
    bool perPixelFog = false;           // fog computed per pixel
    bool fogWithSpecularAlpha = false;  // fog and specular alpha together
    int maxRenderTargets = 0;           // colour outputs one framebuffer can write at once
    int maxTextureWidth = 0;
    int maxTextureHeight = 0;
    bool softwareRasteriser = false;  // the pixels are drawn by the CPU (Mesa's llvmpipe, ...)
};

inline constexpr uint32_t kTextureCapsPow2 = 0x2;
inline constexpr uint32_t kTextureCapsSquareOnly = 0x20;

// The presentation the device is reset to. A zero back-buffer size takes the window's drawable
// size. Present shows the back buffer scaled into the window's current drawable, keeping its
// aspect (FitAspect), with black bars where the shapes differ.
struct PresentParams {
    bool windowed = true;
    Size backBuffer;
    bool operator==(const PresentParams&) const = default;
};

enum class DeviceState { Ok, Lost, NotReset };

// An RGBA8 image, rows from top to bottom.
struct Image {
    Size size;
    std::vector<uint8_t> rgba;
};

// A texture the device made; None is no texture. The device that made it owns it until
// ReleaseTexture.
enum class TextureId : uint32_t { None = 0 };
// A linked shader program; None is no program.
enum class ProgramId : uint32_t { None = 0 };
// Vertices (and their indices) held by the device; None is no mesh.
enum class MeshId : uint32_t { None = 0 };
// An off-screen colour image, optionally with its own depth buffer; None is the back buffer.
enum class TargetId : uint32_t { None = 0 };

// The vertex inputs of every program, by slot. Shaders name them a_position, a_normal,
// a_texCoord, a_tangent and a_binormal.
enum class Attribute : uint32_t { Position, Normal, TexCoord, Tangent, Binormal };

struct AttributeLayout {
    Attribute attribute;
    uint32_t offset;      // bytes from the start of the vertex
    uint32_t components;  // floats
};

enum class Primitive { Triangles, TriangleStrip };

// The images a render target holds. Its texture is the colour image, or for a depth-only target
// the depth image, sampled as one channel (r) of depth 0..1 without comparison.
enum class TargetFormat {
    Rgba8,
    Rgba8WithDepth,  // a depth buffer of its own beside the colour image
    DepthOnly,       // no colour: the fragment stage's outputs are dropped
};

// Interleaved float vertices.
struct MeshLayout {
    std::vector<AttributeLayout> attributes;
    uint32_t stride = 0;  // bytes
    Primitive primitive = Primitive::Triangles;
};

enum class Blend { None, Alpha, Additive };
enum class DepthMode { Off, Test, TestWrite };  // Test: less-or-equal, no writes
// Back drops the triangles whose corners run counter-clockwise on screen: a triangle's front is
// the side from which it runs clockwise, as in D3D.
enum class CullMode { None, Back };

struct DrawState {
    Blend blend = Blend::None;
    DepthMode depth = DepthMode::TestWrite;
    CullMode cull = CullMode::Back;
    bool operator==(const DrawState&) const = default;
};

// GLSL 3.30 core source of both stages, each without its #version line. The device prepends
// the version and a function `vec4 ToClip(vec4 p)` that every vertex shader applies to its
// D3D-style clip position (depth 0..1, images top row first) before writing gl_Position. The
// fragment stage writes `o_colour` (output 0) and may write `o_glow` (output 1); one that only
// draws into depth-only targets need write neither.
struct ProgramSource {
    std::string vertex;
    std::string fragment;
};

// The objects a device holds alive, in GL's terms, for leak checks. The GL backend counts its
// GL objects as it makes and deletes them; the null backend counts its records as the GL backend
// would make them (a mesh is a vertex array and two buffers, a render target a texture and, with
// a depth buffer of its own, a renderbuffer), and has no framebuffers.
struct LiveObjects {
    int textures = 0;
    int buffers = 0;
    int vertexArrays = 0;
    int renderbuffers = 0;
    int framebuffers = 0;
    int programs = 0;
    bool operator==(const LiveObjects&) const = default;
};

class Device {
  public:
    virtual ~Device() = default;

    virtual Caps GetCaps() const = 0;
    // colour is 0xAARRGGBB; depth 0..1.
    virtual void Clear(uint32_t colour, float depth, uint8_t stencil) = 0;
    // Clears only the depth buffer of what is bound.
    virtual void ClearDepth(float depth) = 0;
    virtual void BeginScene() = 0;
    virtual void EndScene() = 0;
    virtual DeviceState Present() = 0;
    virtual DeviceState TestCooperativeLevel() = 0;
    // Rebuilds the back buffer for new present parameters; false when the device refused.
    virtual bool Reset(const PresentParams& params) = 0;
    virtual Size BackBufferSize() const = 0;
    // Where the back buffer shows in the window's drawable this frame (FitAspect of the back
    // buffer into the drawable as BeginScene found it), in drawable pixels.
    virtual Rect PictureArea() const = 0;
    // Asks the next Present to keep a copy of the window's drawable as it shows it, for ReadBack.
    // Backends without pixels ignore it.
    virtual void CaptureNextPresent() {}
    // Gives the frame kept by the last Present that followed CaptureNextPresent; false when no
    // frame was kept or the backend has no pixels.
    virtual bool ReadBack(Image& out) = 0;

    // Makes a texture from `image` with its full mip chain, linear filtering and repeat wrap.
    // Texture coordinate (0, 0) is the image's first (top-left) pixel, as in D3D. None when the
    // image is empty, its pixel count does not match its size, or the device refuses it.
    virtual TextureId CreateTexture(const Image& image) = 0;
    // None, or a texture already released, is ignored.
    virtual void ReleaseTexture(TextureId texture) = 0;
    // Pixels of the top mip level; zero for None or a released texture.
    virtual Size TextureSize(TextureId texture) const = 0;

    // Compiles and links; None with the compiler's or linker's messages in `log` on failure.
    virtual ProgramId CreateProgram(const ProgramSource& source, std::string& log) = 0;
    virtual void ReleaseProgram(ProgramId program) = 0;
    // The location of a uniform the program uses, -1 when it has none of that name.
    virtual int UniformLocation(ProgramId program, const std::string& name) const = 0;
    // Makes `program` current with `state`; the setters below address its uniforms.
    virtual void UseProgram(ProgramId program, const DrawState& state) = 0;
    // Location -1 is ignored.
    virtual void SetMatrix(int location, const glm::mat4& value) = 0;
    virtual void SetVector(int location, const glm::vec4& value) = 0;
    virtual void SetInt(int location, int value) = 0;
    virtual void SetFloats(int location, std::span<const float> values) = 0;
    // Binds `texture` (None unbinds) to sampler `unit` and points the sampler uniform at it.
    virtual void SetTexture(int location, int unit, TextureId texture) = 0;

    // None when the data does not fit the layout (a vertex reaching past the data, an index past
    // the vertices) or the device refuses it.
    virtual MeshId CreateMesh(const MeshLayout& layout, std::span<const float> vertices,
                              std::span<const uint32_t> indices) = 0;
    virtual void ReleaseMesh(MeshId mesh) = 0;
    // Draws `count` indices from `first` with the current program; a range outside the mesh is
    // clipped to it.
    virtual void DrawMesh(MeshId mesh, uint32_t first, uint32_t count) = 0;

    virtual TargetId CreateTarget(Size size, TargetFormat format) = 0;
    virtual void ReleaseTarget(TargetId target) = 0;
    // The colour image (the depth image of a depth-only target) as a texture to sample, top row
    // first like any other texture.
    virtual TextureId TargetTexture(TargetId target) const = 0;
    // Draws into `first` (output 0) and `second` (output 1, or None), with `first`'s depth
    // buffer if it has one and no depth buffer otherwise; the viewport is `first`'s size. None as
    // `first` draws into the back buffer with its own depth. A depth-only `first` takes no second
    // output. Clear clears what is bound.
    virtual void BindTargets(TargetId first, TargetId second) = 0;

    // Ends the frame's current named part and starts part `name` (null: starts none). Backends
    // that profile time each part; the others ignore it.
    virtual void BeginSection(const char* /*name*/) {}

    virtual LiveObjects Live() const = 0;
};

// True when every attribute lies inside the stride, the float count is a whole number of
// vertices, and every index names one of them.
bool FitsLayout(const MeshLayout& layout, size_t floatCount, std::span<const uint32_t> indices);

// True when `image` holds exactly width × height RGBA8 pixels and neither side is zero.
inline bool IsWellFormed(const Image& image) {
    return image.size.width > 0 && image.size.height > 0 &&
           image.rgba.size() ==
               static_cast<size_t>(image.size.width) * static_cast<size_t>(image.size.height) * 4;
}

}  // namespace gfx
