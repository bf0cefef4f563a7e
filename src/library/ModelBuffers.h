#pragma once
#include <unordered_map>

#include "library/CModel.h"
#include "platform/gfx/Device.h"

// The device copies of the models' vertices and indices, made the first time a model is drawn
// and kept until the library goes: the archive never changes, so a model loaded again after its
// release draws from the same buffers.
class ModelBuffers {
  public:
    ModelBuffers() = default;
    ModelBuffers(const ModelBuffers&) = delete;
    ModelBuffers& operator=(const ModelBuffers&) = delete;
    ~ModelBuffers() { Release(); }

    void SetDevice(gfx::Device* device) { device_ = device; }
    // The buffers of catalogue row `index` holding `model`; None when the device refuses them.
    gfx::MeshId MeshOf(int index, const ModelData& model);
    void Release();

  private:
    gfx::Device* device_ = nullptr;
    std::unordered_map<int, gfx::MeshId> meshes_;
};

// The device layout of a model's interleaved vertices.
gfx::MeshLayout DeviceLayoutOf(const MeshData& mesh);
