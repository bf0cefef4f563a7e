#pragma once
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/gfx/Device.h"

namespace driver {

// A device that rasterises only the frames whose picture is asked for (CaptureNextPresent): a long
// run on a software GL costs little more than on the null device, and its pictures come out as a
// run that draws every frame would show them. The game's drawing runs every frame as ever; every
// call that makes, changes or binds anything goes on to the inner device, so its state stays the
// game's; only clears, draws and presents of the frames left unpictured are dropped. This holds
// because a frame's picture depends on no pixels drawn in an earlier frame: each pass clears or
// wholly overdraws its target before reading it (FrameDraw.cpp).
class DrawOnDemandDevice final : public gfx::Device {
  public:
    explicit DrawOnDemandDevice(std::unique_ptr<gfx::Device> inner) : inner_(std::move(inner)) {}

    void CaptureNextPresent() override {
        drawing_ = true;
        inner_->CaptureNextPresent();
    }
    void Clear(uint32_t colour, float depth, uint8_t stencil) override {
        if (drawing_) inner_->Clear(colour, depth, stencil);
    }
    void ClearDepth(float depth) override {
        if (drawing_) inner_->ClearDepth(depth);
    }
    void DrawMesh(gfx::MeshId mesh, uint32_t first, uint32_t count) override {
        if (drawing_) inner_->DrawMesh(mesh, first, count);
    }
    gfx::DeviceState Present() override {
        if (!drawing_) return inner_->TestCooperativeLevel();
        drawing_ = false;
        return inner_->Present();
    }

    gfx::Caps GetCaps() const override { return inner_->GetCaps(); }
    void BeginScene() override { inner_->BeginScene(); }
    void EndScene() override { inner_->EndScene(); }
    gfx::DeviceState TestCooperativeLevel() override { return inner_->TestCooperativeLevel(); }
    bool Reset(const gfx::PresentParams& params) override { return inner_->Reset(params); }
    gfx::Size BackBufferSize() const override { return inner_->BackBufferSize(); }
    gfx::Rect PictureArea() const override { return inner_->PictureArea(); }
    bool ReadBack(gfx::Image& out) override { return inner_->ReadBack(out); }
    gfx::TextureId CreateTexture(const gfx::Image& image) override {
        return inner_->CreateTexture(image);
    }
    void ReleaseTexture(gfx::TextureId texture) override { inner_->ReleaseTexture(texture); }
    gfx::Size TextureSize(gfx::TextureId texture) const override {
        return inner_->TextureSize(texture);
    }
    gfx::ProgramId CreateProgram(const gfx::ProgramSource& source, std::string& log) override {
        return inner_->CreateProgram(source, log);
    }
    void ReleaseProgram(gfx::ProgramId program) override { inner_->ReleaseProgram(program); }
    int UniformLocation(gfx::ProgramId program, const std::string& name) const override {
        return inner_->UniformLocation(program, name);
    }
    void UseProgram(gfx::ProgramId program, const gfx::DrawState& state) override {
        inner_->UseProgram(program, state);
    }
    void SetMatrix(int location, const glm::mat4& value) override {
        inner_->SetMatrix(location, value);
    }
    void SetVector(int location, const glm::vec4& value) override {
        inner_->SetVector(location, value);
    }
    void SetInt(int location, int value) override { inner_->SetInt(location, value); }
    void SetFloats(int location, std::span<const float> values) override {
        inner_->SetFloats(location, values);
    }
    void SetTexture(int location, int unit, gfx::TextureId texture) override {
        inner_->SetTexture(location, unit, texture);
    }
    gfx::MeshId CreateMesh(const gfx::MeshLayout& layout, std::span<const float> vertices,
                           std::span<const uint32_t> indices) override {
        return inner_->CreateMesh(layout, vertices, indices);
    }
    void ReleaseMesh(gfx::MeshId mesh) override { inner_->ReleaseMesh(mesh); }
    gfx::TargetId CreateTarget(gfx::Size size, gfx::TargetFormat format) override {
        return inner_->CreateTarget(size, format);
    }
    void ReleaseTarget(gfx::TargetId target) override { inner_->ReleaseTarget(target); }
    gfx::TextureId TargetTexture(gfx::TargetId target) const override {
        return inner_->TargetTexture(target);
    }
    void BindTargets(gfx::TargetId first, gfx::TargetId second) override {
        inner_->BindTargets(first, second);
    }
    void BeginSection(const char* name) override { inner_->BeginSection(name); }
    gfx::LiveObjects Live() const override { return inner_->Live(); }

  private:
    std::unique_ptr<gfx::Device> inner_;
    bool drawing_ = false;
};

// Makes the inner backend's devices draw on demand.
class DrawOnDemandGraphics final : public platform::Graphics {
  public:
    explicit DrawOnDemandGraphics(platform::Graphics& inner) : inner_(inner) {}
    bool Open() override { return inner_.Open(); }
    std::unique_ptr<gfx::Device> CreateDevice(platform::Window& window) override {
        auto device = inner_.CreateDevice(window);
        if (!device) return nullptr;
        return std::make_unique<DrawOnDemandDevice>(std::move(device));
    }

  private:
    platform::Graphics& inner_;
};

}  // namespace driver
