#include "library/ModelLoader.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <assimp/Importer.hpp>

#include <glm/geometric.hpp>

#include <string_view>

#include "library/XTextCheck.h"

namespace {

// The importer turns .x files right-handed; converting back to left-handed undoes it exactly,
// so the file's coordinates, v direction and winding come through unchanged. Validation
// rejects indices that point outside their arrays.
constexpr unsigned kImportSteps = aiProcess_ConvertToLeftHanded | aiProcess_Triangulate |
                                  aiProcess_JoinIdenticalVertices | aiProcess_ValidateDataStructure;

glm::vec3 ToGlm(const aiVector3D& v) {
    return {v.x, v.y, v.z};
}

glm::vec4 ColourOf(const aiMaterial& material, const char* key, unsigned type, unsigned index) {
    aiColor4D colour(0, 0, 0, 1);
    material.Get(key, type, index, colour);
    return {colour.r, colour.g, colour.b, colour.a};
}

ImportedMaterial ConvertMaterial(const aiMaterial& material) {
    ImportedMaterial out;
    out.diffuse = ColourOf(material, AI_MATKEY_COLOR_DIFFUSE);
    out.specular = ColourOf(material, AI_MATKEY_COLOR_SPECULAR);
    out.emissive = ColourOf(material, AI_MATKEY_COLOR_EMISSIVE);
    material.Get(AI_MATKEY_SHININESS, out.power);
    aiString path;
    if (material.GetTexture(aiTextureType_DIFFUSE, 0, &path) == aiReturn_SUCCESS) {
        out.textureFile.assign(path.C_Str(), path.length);
    }
    return out;
}

// One aiMesh placed in the merged mesh by the transform of the node that holds it.
struct PlacedMesh {
    const aiMesh* mesh;
    aiMatrix4x4 transform;  // the importer's column-vector form
};

void CollectMeshes(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent,
                   std::vector<PlacedMesh>& out) {
    const aiMatrix4x4 transform = parent * node.mTransformation;
    for (unsigned i = 0; i < node.mNumMeshes; ++i) {
        if (node.mMeshes[i] < scene.mNumMeshes) {
            out.push_back({scene.mMeshes[node.mMeshes[i]], transform});
        }
    }
    for (unsigned i = 0; i < node.mNumChildren; ++i) {
        CollectMeshes(scene, *node.mChildren[i], transform, out);
    }
}

// The merged mesh keeps normals and texture coordinates only when every part has them, so each
// array stays one element per vertex.
void AppendVertices(const PlacedMesh& placed, bool withNormals, bool withTexCoords,
                    MeshData& mesh) {
    const aiMesh& source = *placed.mesh;
    aiMatrix3x3 normalTransform(placed.transform);
    normalTransform.Inverse().Transpose();
    for (unsigned v = 0; v < source.mNumVertices; ++v) {
        mesh.positions.push_back(ToGlm(placed.transform * source.mVertices[v]));
        if (withNormals) {
            const glm::vec3 normal = ToGlm(normalTransform * source.mNormals[v]);
            const float length = glm::length(normal);
            mesh.normals.push_back(length > 0 ? normal / length : normal);
        }
        if (withTexCoords) {
            mesh.texCoords.emplace_back(source.mTextureCoords[0][v].x,
                                        source.mTextureCoords[0][v].y);
        }
    }
}

void AppendTriangles(const aiMesh& source, uint32_t firstVertex, MeshData& mesh) {
    for (unsigned f = 0; f < source.mNumFaces; ++f) {
        const aiFace& face = source.mFaces[f];
        if (face.mNumIndices != 3) continue;  // points and lines left by triangulation
        for (unsigned k = 0; k < 3; ++k) mesh.indices.push_back(firstVertex + face.mIndices[k]);
    }
}

// The importer splits each mesh by material; the parts are gathered back into one subset per
// material, in material order, parts in file order.
MeshData MergeMeshes(const std::vector<PlacedMesh>& parts, unsigned materialCount) {
    bool withNormals = true;
    bool withTexCoords = true;
    for (const PlacedMesh& part : parts) {
        withNormals = withNormals && part.mesh->HasNormals();
        withTexCoords = withTexCoords && part.mesh->HasTextureCoords(0);
    }
    MeshData mesh;
    mesh.subsets.resize(materialCount);
    for (unsigned material = 0; material < materialCount; ++material) {
        MeshData::Subset& subset = mesh.subsets[material];
        subset.firstIndex = static_cast<uint32_t>(mesh.indices.size());
        for (const PlacedMesh& part : parts) {
            if (part.mesh->mMaterialIndex != material) continue;
            const auto firstVertex = static_cast<uint32_t>(mesh.positions.size());
            AppendVertices(part, withNormals, withTexCoords, mesh);
            AppendTriangles(*part.mesh, firstVertex, mesh);
        }
        subset.indexCount = static_cast<uint32_t>(mesh.indices.size()) - subset.firstIndex;
    }
    return mesh;
}

std::string_view AsText(std::span<const uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::optional<ImportedModel> ImportXModel(std::span<const uint8_t> bytes) {
    if (!XTextCheck::Passes(AsText(bytes))) return std::nullopt;  // the importer trusts its input
    // No logger is attached, so the importer writes nothing; failures come back as null.
    Assimp::Importer importer;
    const aiScene* scene =
        importer.ReadFileFromMemory(bytes.data(), bytes.size(), kImportSteps, "x");
    if (!scene || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) || !scene->mRootNode) {
        return std::nullopt;
    }

    ImportedModel model;
    for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
        model.materials.push_back(ConvertMaterial(*scene->mMaterials[i]));
    }
    std::vector<PlacedMesh> parts;
    CollectMeshes(*scene, *scene->mRootNode, aiMatrix4x4(), parts);
    model.mesh = MergeMeshes(parts, scene->mNumMaterials);
    if (model.mesh.indices.empty()) return std::nullopt;
    return model;
}

std::string ImportFailure(std::span<const uint8_t> bytes) {
    const std::optional<XRefusal> refusal = XTextCheck::FirstRefusal(AsText(bytes));
    return refusal ? refusal->Text() : "the model importer found no triangles in it";
}
