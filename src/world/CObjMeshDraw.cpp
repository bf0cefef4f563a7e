// The two draws of a placed mesh: lit, and into the shadow map.
#include <glm/geometric.hpp>
#include <glm/matrix.hpp>

#include "library/MyLibrary.h"
#include "world/CObjMesh.h"

namespace {

const glm::vec4 kShadowColour(0.1f, 0.1f, 0.1f, 0.1f);

glm::vec3 CentreOf(const OBB& collider) {
    return {collider.centre[0], collider.centre[1], collider.centre[2]};
}

}  // namespace

void CObjMesh::DrawInPass(MyLibrary& passLibrary, bool shadowPass) {
    if (hidden != 0) return;
    if (shadowPass) {
        Update(passLibrary);
        DrawShadow();
    } else {
        Draw();
    }
}

bool CObjMesh::IsOpaque() const {
    return colour.a >= 1.0f && model && model->IsLoaded() &&
           model->Data().passIndex != ShaderPass::LitCutOut;
}

void CObjMesh::Draw() {
    if (!library || !model || !model->IsLoaded()) return;
    CEffect& effect = library->effect;
    const FieldLighting& light = effect.lighting;
    UpdateSphere();
    if (effect.IsCulled(CentreOf(collider), collider.radius)) return;

    effect.SetMatrix(effect_parameter::kWorld, world);
    const glm::mat4 toObject = glm::inverse(world);
    glm::vec4 sun = toObject * glm::vec4(light.sunPosition, 1.0f);
    sun /= glm::length(sun);
    sun.w = light.sunColour.w * 0.5f * ambientStrength;
    effect.SetVector(effect_parameter::kSunObject, sun);
    effect.SetVector(effect_parameter::kCameraObject,
                     glm::inverse(effect.camera.view * world) * glm::vec4(0, 0, 0, 1));
    effect.SetVector(
        effect_parameter::kDiffuse,
        glm::vec4(diffuseStrength * diffuseFactor * glm::vec3(light.sunColour), power));
    effect.SetVector(effect_parameter::kEmissive, glm::vec4(emissive * emissiveIntensity, 1.0f));
    effect.SetVector(effect_parameter::kFactors, glm::vec4(light.materialFactorB * factorA,
                                                           light.materialFactorA * factorB, 0, 0));

    const ModelData& data = model->Data();
    effect.SelectPass(data.passIndex);
    const gfx::MeshId mesh = library->meshBuffers.MeshOf(boundModelIndex_, data);
    const glm::vec3 handLight = light.spotColour * light.spotIntensity;
    for (size_t i = 0; i < data.materials.size(); ++i) {
        // The material's colour under each light: the sun's, and the hand-held light's, which
        // the shader adds on its own so that the object colour counts once in each.
        const glm::vec3 surface = glm::vec3(colour) * glm::vec3(data.materials[i].material.diffuse);
        effect.SetVector(effect_parameter::kColour,
                         glm::vec4(glm::vec3(light.sunColour) * surface, colour.a));
        effect.SetVector(effect_parameter::kSpotColour, glm::vec4(handLight * surface, 0.0f));
        if (textures[i] && textures[i]->IsLoaded()) {
            effect.SetTexture(effect_parameter::kTexture, textures[i]->Id());
        }
        if (normalMaps[i] && normalMaps[i]->IsLoaded()) {
            effect.SetTexture(effect_parameter::kNormalMap, normalMaps[i]->Id());
        }
        effect.CommitChanges();
        const MeshData::Subset& subset = data.mesh.subsets[i];
        library->device->DrawMesh(mesh, subset.firstIndex, subset.indexCount);
    }
}

void CObjMesh::DrawShadow() {
    if (!castsShadow || !library || !model || !model->IsLoaded()) return;
    CEffect& effect = library->effect;
    effect.SetMatrix(effect_parameter::kWorld, world);
    if (effect.IsCulled(CentreOf(collider), collider.radius)) return;
    effect.SetVector(effect_parameter::kColour, kShadowColour);

    const ModelData& data = model->Data();
    const bool cutOut = data.passIndex == ShaderPass::LitCutOut;
    effect.SelectPass(cutOut ? ShaderPass::ShadowCutOut : ShaderPass::Shadow);
    const gfx::MeshId mesh = library->meshBuffers.MeshOf(boundModelIndex_, data);
    for (size_t i = 0; i < data.materials.size(); ++i) {
        if (cutOut && textures[i] && textures[i]->IsLoaded()) {
            effect.SetTexture(effect_parameter::kTexture, textures[i]->Id());
        }
        effect.CommitChanges();
        const MeshData::Subset& subset = data.mesh.subsets[i];
        library->device->DrawMesh(mesh, subset.firstIndex, subset.indexCount);
    }
}
