#pragma once
#include <array>

#include "library/Result.h"
#include "platform/gfx/Device.h"

// The shared unit quad every flat thing is drawn with: one unit wide and high, centred on the
// origin, facing −z, four (x, y, z, u, v) vertices drawn as a strip of two triangles.
class FVF {
  public:
    using Vertices = std::array<float, 20>;

    FVF() = default;
    FVF(const FVF&) = delete;
    FVF& operator=(const FVF&) = delete;
    virtual ~FVF();

    HRESULT Create(gfx::Device& device);
    gfx::MeshId Mesh() const { return mesh_; }
    // Binds nothing: the quad is drawn whole with the current pass.
    void Draw() const;

  protected:
    // The four vertices in strip order: top left, top right, bottom left, bottom right.
    virtual Vertices Fill() const;

  private:
    gfx::Device* device_ = nullptr;
    gfx::MeshId mesh_ = gfx::MeshId::None;
};

// The same quad with its texture turned left to right, for the mirror.
class FVFMirror : public FVF {
  protected:
    Vertices Fill() const override;
};
