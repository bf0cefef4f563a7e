#include "library/ModelLoader.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <assimp/Importer.hpp>

#include <glm/geometric.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>

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

// The importer dereferences a null material when a material list holds anything but the
// materials it declares, so such files are refused before it sees them. Only plain text in the
// text form of the format is taken (the game's models are written so); strings and comments are
// skipped.
class MaterialListCheck {
  public:
    explicit MaterialListCheck(std::string_view text) : text_(text) {}

    bool Passes() {
        constexpr std::string_view kTextHeader = "xof 0303txt ";
        if (!text_.starts_with(kTextHeader) || !PlainTextLines()) return false;
        for (at_ = kTextHeader.size(); at_ < text_.size(); ++at_) {
            if (SkipStringOrComment()) continue;
            if (text_[at_] == '{' && !CountFits()) return false;
            if (text_.substr(at_).starts_with("MeshMaterialList") && !ListHoldsItsMaterials()) {
                return false;
            }
        }
        return true;
    }

  private:
    // Printable ASCII, tabs and line ends only, and no string running past its line: the
    // scanner below and the importer's tokenizer then agree on where strings are.
    bool PlainTextLines() const {
        bool inString = false;
        for (const char c : text_) {
            if (c == '\n' && inString) return false;
            if (c == '"') inString = !inString;
            const bool printable = c >= 0x20 && c <= 0x7E;
            if (!printable && c != '\t' && c != '\r' && c != '\n') return false;
        }
        return !inString;
    }

    // Past a string or a comment starting at at_; false when none starts there.
    bool SkipStringOrComment() {
        const char c = text_[at_];
        if (c == '"') {
            at_ = std::min(text_.find('"', at_ + 1), text_.size());
            return true;
        }
        if (c == '#' || text_.substr(at_).starts_with("//")) {
            at_ = std::min(text_.find('\n', at_), text_.size());
            return true;
        }
        return false;
    }

    // At an opening brace: a mesh block's element count must be a whole number the file could
    // hold, since the importer allocates it before reading (a negative one wraps to gigabytes).
    bool CountFits() const {
        static constexpr std::string_view kCountedBlocks[] = {
            "Mesh", "MeshNormals", "MeshTextureCoords", "MeshMaterialList", "MeshVertexColors"};
        // The header line is not part of the first object's head.
        const size_t headStart =
            std::max(text_.find_last_of(";,{}", at_ - 1) + 1, text_.find('\n') + 1);
        const std::string_view head = text_.substr(headStart, at_ - headStart);
        const size_t start = head.find_first_not_of(kSpace);
        if (start == std::string_view::npos) return true;
        const std::string_view type = head.substr(start, head.find_first_of(kSpace, start) - start);
        if (std::find(std::begin(kCountedBlocks), std::end(kCountedBlocks), type) ==
            std::end(kCountedBlocks)) {
            return true;
        }
        size_t pos = at_ + 1;
        SkipSpace(pos);
        uint64_t count = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + pos, text_.data() + text_.size(), count);
        return error == std::errc() && end != text_.data() + pos && count <= text_.size();
    }

    // At "MeshMaterialList": its declared material count, then each child object must be a
    // Material or a reference, and there must be at least as many as declared.
    bool ListHoldsItsMaterials() {
        const size_t open = text_.find('{', at_);
        if (open == std::string_view::npos) return false;
        size_t declared = 0;
        size_t pos = text_.find_first_not_of(" \t\r\n", open + 1);
        while (pos < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos]))) {
            declared = std::min<size_t>(declared * 10 + (text_[pos++] - '0'), 1u << 20);
        }
        size_t children = 0;
        int depth = 0;
        size_t childStart = open + 1;  // where the text before the next child's brace begins
        for (at_ = open + 1; at_ < text_.size(); ++at_) {
            if (SkipStringOrComment()) continue;
            const char c = text_[at_];
            if (c == '{' && depth++ == 0) {
                const std::string_view head = text_.substr(childStart, at_ - childStart);
                if (!IsReference(head) && !(IsMaterial(head) && MaterialBodyFits(at_ + 1))) {
                    return false;
                }
                ++children;
            } else if (c == '}' && depth-- == 0) {
                return children >= declared;
            } else if ((c == ';' || c == ',' || c == '}') && depth == 0) {
                childStart = at_ + 1;
            }
        }
        return false;
    }

    // The text before a child's opening brace: empty for a reference, else its type and name.
    static bool IsReference(std::string_view head) {
        return head.find_first_not_of(kSpace) == std::string_view::npos;
    }
    static bool IsMaterial(std::string_view head) {
        const size_t start = head.find_first_not_of(kSpace);
        const size_t end = head.find_first_of(kSpace, start);
        return start != std::string_view::npos && head.substr(start, end - start) == "Material";
    }

    // A material's body from `pos`: face colour (4 numbers), power, specular (3), emissive (3),
    // then an optional TextureFilename { "name"; } and the closing brace.
    bool MaterialBodyFits(size_t pos) const {
        for (const int count : {4, 1, 3, 3}) {
            for (int i = 0; i < count; ++i) {
                if (!TakeNumber(pos) || !Take(pos, ";,")) return false;
            }
            if (count > 1) Take(pos, ";,");
        }
        if (TakeWord(pos, "TextureFilename")) {
            TakeName(pos);
            if (!Take(pos, "{") || !Take(pos, "\"")) return false;
            pos = text_.find('"', pos);
            if (pos == std::string_view::npos) return false;
            ++pos;
            Take(pos, ";,");
            if (!Take(pos, "}")) return false;
        }
        return Take(pos, "}");
    }

    void SkipSpace(size_t& pos) const {
        pos = std::min(text_.find_first_not_of(kSpace, pos), text_.size());
    }
    // Takes one of `chars` after any space.
    bool Take(size_t& pos, std::string_view chars) const {
        SkipSpace(pos);
        if (pos >= text_.size() || chars.find(text_[pos]) == std::string_view::npos) return false;
        ++pos;
        return true;
    }
    bool TakeNumber(size_t& pos) const {
        SkipSpace(pos);
        float value = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + pos, text_.data() + text_.size(), value);
        if (error != std::errc() || !std::isfinite(value)) return false;
        pos = static_cast<size_t>(end - text_.data());
        return true;
    }
    bool TakeWord(size_t& pos, std::string_view word) const {
        SkipSpace(pos);
        if (!text_.substr(pos).starts_with(word)) return false;
        pos += word.size();
        return true;
    }
    // An optional object name: letters, digits and underscores.
    void TakeName(size_t& pos) const {
        SkipSpace(pos);
        while (pos < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos])) || text_[pos] == '_')) {
            ++pos;
        }
    }

    static constexpr std::string_view kSpace = " \t\r\n";

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

std::optional<ImportedModel> ImportXModel(std::span<const uint8_t> bytes) {
    if (bytes.empty()) return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!MaterialListCheck(text).Passes()) return std::nullopt;
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
