#pragma once
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gfx/Device.h"

namespace gfx {

// What the GL device needs from the window system: one context bound to one window surface.
// The swap chain owns the context; the window must outlive it.
class GlSwapChain {
  public:
    virtual ~GlSwapChain() = default;
    virtual bool MakeCurrent() = 0;
    // Shows the back buffer; its contents are undefined afterwards.
    virtual void Swap() = 0;
    // The window surface in pixels.
    virtual Size DrawableSize() const = 0;
};

// "4.50 Mesa" -> 0x0405: major << 8 | the first digit of the minor number, the form of
// Caps::shaderModel; 0 when the text does not start with a version.
uint32_t ParseGlslVersion(const char* text);

// Whether a GL_RENDERER string names a rasteriser that runs on the CPU: Mesa's llvmpipe, softpipe
// and swrast, or SwiftShader.
bool IsSoftwareRenderer(std::string_view renderer);

// The device on an OpenGL 3.3 core context. Its back buffer is drawn straight into the window
// surface, into the part PictureArea gives (the viewport), so scaling it costs nothing; Present
// blacks out the bars beside it. Call it only on the thread whose context is current.
class GlDevice final : public Device {
  public:
    // Makes the context current and reads its capabilities. Null, with the reason on stderr, when
    // the context cannot be made current or is not desktop GL 3.3 or later.
    static std::unique_ptr<GlDevice> Create(std::unique_ptr<GlSwapChain> swapChain);

    Caps GetCaps() const override { return caps_; }
    // Clears all of what is bound, for the back buffer the whole window surface (write masks are
    // left fully on, scissor off).
    void Clear(uint32_t colour, float depth, uint8_t stencil) override;
    void ClearDepth(float depth) override;
    // Takes the window surface's current size: the window may have been resized since.
    void BeginScene() override;
    void EndScene() override;
    // GL has no lost device: always Ok.
    DeviceState Present() override;
    DeviceState TestCooperativeLevel() override { return DeviceState::Ok; }
    // The window has already been placed for the new parameters; a zero back-buffer size takes
    // its drawable size.
    bool Reset(const PresentParams& params) override;
    Size BackBufferSize() const override { return backBuffer_; }
    Rect PictureArea() const override { return FitAspect(backBuffer_, drawable_); }
    void CaptureNextPresent() override { captureRequested_ = true; }
    bool ReadBack(Image& out) override;
    // RGBA8 with a generated mip chain. Rows are uploaded top row first, so texture coordinates
    // address the image as D3D's do. None when a side exceeds the device's maximum.
    TextureId CreateTexture(const Image& image) override;
    void ReleaseTexture(TextureId texture) override;
    Size TextureSize(TextureId texture) const override;

    ProgramId CreateProgram(const ProgramSource& source, std::string& log) override;
    void ReleaseProgram(ProgramId program) override;
    int UniformLocation(ProgramId program, const std::string& name) const override;
    void UseProgram(ProgramId program, const DrawState& state) override;
    void SetMatrix(int location, const glm::mat4& value) override;
    void SetVector(int location, const glm::vec4& value) override;
    void SetInt(int location, int value) override;
    void SetFloats(int location, std::span<const float> values) override;
    void SetTexture(int location, int unit, TextureId texture) override;

    MeshId CreateMesh(const MeshLayout& layout, std::span<const float> vertices,
                      std::span<const uint32_t> indices) override;
    void ReleaseMesh(MeshId mesh) override;
    void DrawMesh(MeshId mesh, uint32_t first, uint32_t count) override;

    // Images are stored top row first: drawing into a target turns clip space upside down
    // (ToClip), so a target's texture is addressed like any uploaded image.
    TargetId CreateTarget(Size size, TargetFormat format) override;
    void ReleaseTarget(TargetId target) override;
    TextureId TargetTexture(TargetId target) const override;
    void BindTargets(TargetId first, TargetId second) override;

    // Profiling: while on, each section boundary waits for the GPU to finish the work queued so
    // far and reads the wall clock, so a section's time is its own on any driver, at the cost of
    // the overlap of CPU and GPU work across sections. (GL timer queries are not: llvmpipe stamps
    // them in every tile it rasterises and keeps only the last stamps.)
    struct SectionTime {
        std::string name;
        double milliseconds;
    };
    void EnableProfiling(bool on);
    // Waits until the GPU has done everything asked of it so far.
    void Finish();
    void BeginSection(const char* name) override;
    // The sections measured since the last call, in order.
    std::vector<SectionTime> TakeSectionTimes();

    // Counted at each glGen/glCreate and glDelete of the device's own objects.
    LiveObjects Live() const override { return live_; }

    // True when clip-space depth runs 0..1 as in the game's projection matrices
    // (glClipControl); false when vertex shaders must remap it.
    bool zeroToOneDepth() const { return zeroToOneDepth_; }

  private:
    GlDevice(std::unique_ptr<GlSwapChain> swapChain, const Caps& caps, bool zeroToOneDepth,
             uint32_t defaultDrawBuffer);
    // The window surface as drawn so far, rows top-down.
    Image ReadDrawBuffer() const;
    // Clears the window surface outside PictureArea to black.
    void ClearBars();

    std::unique_ptr<GlSwapChain> swapChain_;
    Caps caps_;
    bool zeroToOneDepth_;
    uint32_t defaultDrawBuffer_;  // GL_BACK, or GL_FRONT on a single-buffered surface
    Size backBuffer_;
    Size drawable_;  // the window surface in pixels
    bool inScene_ = false;
    bool captureRequested_ = false;
    std::optional<Image> captured_;
    LiveObjects live_;
    // Live textures by GL name (the TextureId value), with their sizes.
    std::unordered_map<uint32_t, Size> textures_;

    struct Mesh {
        uint32_t vertexArray, vertexBuffer, indexBuffer;
        uint32_t indexCount;
        uint32_t primitive;  // GL primitive type
    };
    struct Target {
        uint32_t texture;  // the colour image, or the depth image of a depth-only target
        uint32_t depth;    // renderbuffer beside a colour image, 0 for none
        bool depthOnly;
        Size size;
    };
    // Applies the draw state for the bound surface: its clip adjustment and which winding is
    // the front (drawing into a target mirrors the image vertically).
    void ApplyClipAdjustment();
    void DeleteTargetObjects(const Target& target);

    std::unordered_map<uint32_t, Mesh> meshes_;      // by vertex array name
    std::unordered_map<uint32_t, Target> targets_;   // by texture name
    std::unordered_map<uint32_t, int> clipUniform_;  // per program: location of hm_clipAdjust
    uint32_t framebuffer_ = 0;                       // made on the first bind of a target
    uint32_t currentProgram_ = 0;
    bool drawingToTarget_ = false;
    struct Section {
        std::string name;
        std::chrono::steady_clock::time_point start, end;
    };
    bool profiling_ = false;
    bool sectionOpen_ = false;
    std::vector<Section> sections_;
};

}  // namespace gfx
