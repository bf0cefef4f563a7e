#pragma once
#include <map>

#include "platform/Platform.h"
#include "platform/gfx/Device.h"

namespace gfx {

// A device that draws nothing. It counts what it was asked to do and can act out a lost device,
// so the frame loop and the display-mode code run in tests and without a GPU.
class NullDevice : public Device {
  public:
    struct Counts {
        int clears = 0;
        int backBufferClears = 0;  // clears while no target was bound
        int depthClears = 0;
        int beginScenes = 0;
        int endScenes = 0;
        int presents = 0;
        int resets = 0;
        int cooperativeTests = 0;
        int draws = 0;
        int programSwitches = 0;  // UseProgram calls
    };

    // The window's client size stands for its drawable: it gives the back-buffer size whenever
    // the present parameters leave it at zero, and BeginScene takes it for PictureArea.
    NullDevice(platform::Window& window, const Caps& caps);

    // Every capability the game asks for.
    static Caps FullCaps();

    // The next Present reports the device lost; TestCooperativeLevel then answers Lost
    // `lostTests` times and NotReset after that, until a Reset succeeds.
    void LoseDevice(int lostTests);
    void FailResets(bool fail) { failResets_ = fail; }

    const Counts& counts() const { return counts_; }
    uint32_t lastBackBufferClearColour() const { return lastBackBufferClearColour_; }
    const PresentParams& params() const { return params_; }
    bool lost() const { return lost_; }

    Caps GetCaps() const override { return caps_; }
    void Clear(uint32_t colour, float depth, uint8_t stencil) override;
    void ClearDepth(float) override { ++counts_.depthClears; }
    void BeginScene() override;
    void EndScene() override { ++counts_.endScenes; }
    DeviceState Present() override;
    DeviceState TestCooperativeLevel() override;
    bool Reset(const PresentParams& params) override;
    Size BackBufferSize() const override { return backBuffer_; }
    Rect PictureArea() const override { return FitAspect(backBuffer_, drawable_); }
    bool ReadBack(Image&) override { return false; }
    // Textures keep only their size.
    TextureId CreateTexture(const Image& image) override;
    void ReleaseTexture(TextureId texture) override { textures_.erase(texture); }
    Size TextureSize(TextureId texture) const override;
    // Textures created and not yet released.
    int liveTextures() const { return static_cast<int>(textures_.size()); }

    // Programs link when neither stage is empty; a uniform's location is its place among the
    // names the source declares with "uniform <type> <name>".
    ProgramId CreateProgram(const ProgramSource& source, std::string& log) override;
    void ReleaseProgram(ProgramId program) override { programs_.erase(program); }
    int UniformLocation(ProgramId program, const std::string& name) const override;
    void UseProgram(ProgramId program, const DrawState& state) override;
    // Values are kept by location of the current program, for tests to read back.
    void SetMatrix(int location, const glm::mat4& value) override;
    void SetVector(int location, const glm::vec4& value) override;
    void SetInt(int location, int value) override;
    void SetFloats(int location, std::span<const float> values) override;
    void SetTexture(int location, int unit, TextureId texture) override;
    MeshId CreateMesh(const MeshLayout& layout, std::span<const float> vertices,
                      std::span<const uint32_t> indices) override;
    void ReleaseMesh(MeshId mesh) override { meshes_.erase(mesh); }
    void DrawMesh(MeshId mesh, uint32_t first, uint32_t count) override;
    TargetId CreateTarget(Size size, TargetFormat format) override;
    void ReleaseTarget(TargetId target) override { targets_.erase(target); }
    TextureId TargetTexture(TargetId target) const override;
    void BindTargets(TargetId first, TargetId second) override;

    // What one draw saw: the program and state, the bound targets and the uniform values set so
    // far (by location; textures as their ids).
    struct Draw {
        ProgramId program;
        DrawState state;
        TargetId first, second;
        MeshId mesh;
        uint32_t firstIndex, count;
    };
    // Every draw since the frame began (BeginScene) or the last ClearDrawLog, in order.
    const std::vector<Draw>& drawLog() const { return drawLog_; }
    void ClearDrawLog() { drawLog_.clear(); }
    // The last value set at `location` of `program` (a matrix's first column for SetMatrix).
    glm::vec4 VectorAt(ProgramId program, int location) const;
    glm::mat4 MatrixAt(ProgramId program, int location) const;
    int liveTargets() const { return static_cast<int>(targets_.size()); }
    LiveObjects Live() const override;

  private:
    platform::Window& window_;
    Caps caps_;
    Counts counts_;
    PresentParams params_;
    Size backBuffer_;
    Size drawable_;
    uint32_t lastBackBufferClearColour_ = 0;
    bool lost_ = false;
    int lostTestsLeft_ = 0;
    bool failResets_ = false;
    std::map<TextureId, Size> textures_;
    uint32_t lastTextureId_ = 0;  // textures and targets share one id sequence

    struct Program {
        std::vector<std::string> uniforms;
        std::map<int, glm::mat4> values;  // vectors and numbers in column 0
    };
    std::map<ProgramId, Program> programs_;
    std::map<MeshId, uint32_t> meshes_;  // index counts
    std::map<TargetId, TargetFormat> targets_;
    uint32_t lastObjectId_ = 0;
    ProgramId current_ = ProgramId::None;
    DrawState state_;
    TargetId boundFirst_ = TargetId::None;
    TargetId boundSecond_ = TargetId::None;
    std::vector<Draw> drawLog_;
    // Stores `value` at `location` of the current program.
    void Keep(int location, const glm::mat4& value);
};

// The null backend as the game sees it. Keeps a pointer to the device it made last so tests and
// the headless driver can steer it.
class NullGraphics : public platform::Graphics {
  public:
    explicit NullGraphics(const Caps& caps = NullDevice::FullCaps()) : caps_(caps) {}

    void SetAvailable(bool available) { available_ = available; }
    void SetDeviceCreationFails(bool fails) { creationFails_ = fails; }
    NullDevice* lastDevice() const { return lastDevice_; }

    bool Open() override { return available_; }
    std::unique_ptr<Device> CreateDevice(platform::Window& window) override;

  private:
    Caps caps_;
    bool available_ = true;
    bool creationFails_ = false;
    NullDevice* lastDevice_ = nullptr;
};

}  // namespace gfx
