#include "world/CObjMesh.h"

#include <algorithm>

#include <glm/geometric.hpp>

#include "library/MyLibrary.h"
#include "world/Placement.h"

namespace {

void Store(const glm::vec3& value, Vec3f out) {
    out[0] = value.x;
    out[1] = value.y;
    out[2] = value.z;
}

glm::vec3 Row(const glm::mat4& m, int row) {
    return glm::vec3(m[row]);
}

// The texture of a catalogue row when this load was counted; a failed load is not counted and
// must never be released, or it would take a count another holder owns.
CTexture* TakeTexture(MyLibrary& library, int32_t row) {
    if (library.device == nullptr) return nullptr;
    CTexture* texture = library.textures.Load(row, *library.device, library.archive);
    return texture != nullptr && texture->IsLoaded() ? texture : nullptr;
}

}  // namespace

CObjMesh::~CObjMesh() {
    if (model == nullptr) return;
    const auto& materials = model->Data().materials;
    for (size_t i = 0; i < materials.size(); ++i) {
        if (textures[i] != nullptr) library->textures.Release(materials[i].textureIndex);
        if (normalMaps[i] != nullptr) library->textures.Release(materials[i].normalMapIndex);
    }
    library->models.Release(boundModelIndex_);
}

void CObjMesh::Update(MyLibrary& owner) {
    if (library == nullptr) Bind(owner);

    const glm::mat4 local =
        worldOverride != nullptr ? *worldOverride : PlacementMatrix(position, scale, rotation);
    world = parent != nullptr ? *parent * local : local;
}

void CObjMesh::UpdateSphere() {
    const ModelBounds& bounds = Bounds();
    const float longestRow = std::max(
        {glm::length(Row(world, 0)), glm::length(Row(world, 1)), glm::length(Row(world, 2))});
    collider.radius = bounds.sphereRadius * longestRow;
    Store(glm::vec3(world * glm::vec4(bounds.sphereCentre, 1.0f)), collider.centre);
}

void CObjMesh::UpdateBox() {
    UpdateSphere();
    const glm::vec3& halfExtent = Bounds().halfExtent;
    Vec3f* const axes[] = {&collider.axisX, &collider.axisY, &collider.axisZ};
    for (int i = 0; i < 3; ++i) {
        const glm::vec3 row = Row(world, i);
        const float length = glm::length(row);
        Store(length > 0.0f ? row / length : glm::vec3(0), *axes[i]);
        collider.halfExtent[i] = halfExtent[i] * length;
    }
}

void CObjMesh::Bind(MyLibrary& owner) {
    library = &owner;
    boundModelIndex_ = modelIndex;
    CModel* loaded = owner.models.Load(boundModelIndex_, owner.archive);
    // Like a texture, a model whose load failed was not counted: keep nothing of it.
    if (loaded == nullptr || !loaded->IsLoaded()) return;
    model = loaded;
    for (const ModelMaterial& material : model->Data().materials) {
        textures.push_back(TakeTexture(owner, material.textureIndex));
        normalMaps.push_back(TakeTexture(owner, material.normalMapIndex));
    }
}

const ModelBounds& CObjMesh::Bounds() const {
    static const ModelBounds kPoint{};
    return model != nullptr ? model->Data().bounds : kPoint;
}
