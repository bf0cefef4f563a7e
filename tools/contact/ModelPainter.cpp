#include "ModelPainter.h"

#include <glm/geometric.hpp>
#include <glm/matrix.hpp>

#include "library/ModelMaterial.h"

namespace {

Shading ShadingOf(const SheetModel& model, size_t material) {
    const ModelMaterial& source = model.data.materials[material];
    return {source.material.diffuse, glm::vec3(source.material.emissive), model.textures[material],
            source.passIndex == ShaderPass::LitCutOut};
}

// The corner's normal carried into world space, or the face's own where the mesh has none.
glm::vec3 WorldNormal(const MeshData& mesh, uint32_t index, const glm::mat3& normalMatrix,
                      glm::vec3 faceNormal) {
    if (index >= mesh.normals.size()) return faceNormal;
    const glm::vec3 normal = normalMatrix * mesh.normals[index];
    const float length = glm::length(normal);
    return length > 0.0f ? normal / length : faceNormal;
}

}  // namespace

Box PlacedBounds(const std::vector<PlacedModel>& scene) {
    std::optional<Box> box;
    for (const PlacedModel& placed : scene) {
        const ModelBounds& bounds = placed.model->data.bounds;
        for (int corner = 0; corner < 8; ++corner) {
            const glm::vec3 local{corner & 1 ? bounds.boxMax.x : bounds.boxMin.x,
                                  corner & 2 ? bounds.boxMax.y : bounds.boxMin.y,
                                  corner & 4 ? bounds.boxMax.z : bounds.boxMin.z};
            const glm::vec3 point = glm::vec3(placed.world * glm::vec4(local, 1.0f));
            box = box ? Union(*box, {point, point}) : Box{point, point};
        }
    }
    return box.value_or(Box{glm::vec3(0.0f), glm::vec3(0.0f)});
}

void DrawModel(FrameBuffer& target, const PlacedModel& placed, const glm::mat4& viewProjection,
               const Lighting& lighting) {
    const MeshData& mesh = placed.model->data.mesh;
    const glm::mat4 clipFromModel = viewProjection * placed.world;
    const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(placed.world)));
    const size_t materials = std::min(mesh.subsets.size(), placed.model->data.materials.size());
    for (size_t material = 0; material < materials; ++material) {
        const MeshData::Subset& subset = mesh.subsets[material];
        const size_t end = static_cast<size_t>(subset.firstIndex) + subset.indexCount;
        if (end > mesh.indices.size()) continue;
        const Shading shading = ShadingOf(*placed.model, material);
        for (size_t first = subset.firstIndex; first + 3 <= end; first += 3) {
            const std::array<uint32_t, 3> index{mesh.indices[first], mesh.indices[first + 1],
                                                mesh.indices[first + 2]};
            if (index[0] >= mesh.positions.size() || index[1] >= mesh.positions.size() ||
                index[2] >= mesh.positions.size()) {
                continue;
            }
            std::array<glm::vec3, 3> world;
            for (int i = 0; i < 3; ++i) {
                world[i] = glm::vec3(placed.world * glm::vec4(mesh.positions[index[i]], 1.0f));
            }
            const glm::vec3 cross = glm::cross(world[1] - world[0], world[2] - world[0]);
            const float crossLength = glm::length(cross);
            const glm::vec3 faceNormal = crossLength > 0.0f ? cross / crossLength : glm::vec3(0);
            std::array<RasterVertex, 3> corners;
            for (int i = 0; i < 3; ++i) {
                const uint32_t at = index[i];
                corners[i] = {clipFromModel * glm::vec4(mesh.positions[at], 1.0f),
                              WorldNormal(mesh, at, normalMatrix, faceNormal),
                              at < mesh.texCoords.size() ? mesh.texCoords[at] : glm::vec2(0.0f)};
            }
            DrawTriangle(target, corners, shading, lighting);
        }
    }
}
