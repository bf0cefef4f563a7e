#include "world/FVF.h"

namespace {

const gfx::MeshLayout kQuadLayout{
    {{gfx::Attribute::Position, 0, 3}, {gfx::Attribute::TexCoord, 12, 2}},
    20,
    gfx::Primitive::TriangleStrip};
constexpr uint32_t kStrip[] = {0, 1, 2, 3};

}  // namespace

FVF::~FVF() {
    if (device_) device_->ReleaseMesh(mesh_);
}

HRESULT FVF::Create(gfx::Device& device) {
    if (device_) device_->ReleaseMesh(mesh_);
    device_ = &device;
    const Vertices vertices = Fill();
    mesh_ = device.CreateMesh(kQuadLayout, vertices, kStrip);
    return mesh_ == gfx::MeshId::None ? E_FAIL : S_OK;
}

void FVF::Draw() const {
    if (device_) device_->DrawMesh(mesh_, 0, 4);
}

FVF::Vertices FVF::Fill() const {
    return {-0.5f, 0.5f,  0, 0, 0,  //
            0.5f,  0.5f,  0, 1, 0,  //
            -0.5f, -0.5f, 0, 0, 1,  //
            0.5f,  -0.5f, 0, 1, 1};
}

FVF::Vertices FVFMirror::Fill() const {
    return {-0.5f, 0.5f,  0, 1, 0,  //
            0.5f,  0.5f,  0, 0, 0,  //
            -0.5f, -0.5f, 0, 1, 1,  //
            0.5f,  -0.5f, 0, 0, 1};
}
