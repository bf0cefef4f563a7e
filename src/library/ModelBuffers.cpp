#include "library/ModelBuffers.h"

namespace {

gfx::Attribute AttributeOf(VertexUsage usage) {
    switch (usage) {
        case VertexUsage::Position:
            return gfx::Attribute::Position;
        case VertexUsage::Normal:
            return gfx::Attribute::Normal;
        case VertexUsage::Tangent:
            return gfx::Attribute::Tangent;
        case VertexUsage::Binormal:
            return gfx::Attribute::Binormal;
        case VertexUsage::TexCoord:
            break;
    }
    return gfx::Attribute::TexCoord;
}

}  // namespace

gfx::MeshLayout DeviceLayoutOf(const MeshData& mesh) {
    const VertexLayout layout = LayoutOf(mesh);
    gfx::MeshLayout device;
    for (const VertexElement& element : layout.elements) {
        device.attributes.push_back(
            {AttributeOf(element.usage), element.offset, element.components});
    }
    device.stride = layout.stride;
    return device;
}

gfx::MeshId ModelBuffers::MeshOf(int index, const ModelData& model) {
    if (!device_) return gfx::MeshId::None;
    const auto found = meshes_.find(index);
    if (found != meshes_.end()) return found->second;
    const gfx::MeshId mesh =
        device_->CreateMesh(DeviceLayoutOf(model.mesh), Interleave(model.mesh), model.mesh.indices);
    // A refused model is not retried every frame.
    meshes_.emplace(index, mesh);
    return mesh;
}

void ModelBuffers::Release() {
    if (device_) {
        for (const auto& [index, mesh] : meshes_) device_->ReleaseMesh(mesh);
    }
    meshes_.clear();
}
