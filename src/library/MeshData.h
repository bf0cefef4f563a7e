#pragma once
#include <cstdint>
#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

// A model's triangles as the CPU keeps them, one attribute per array (every non-empty array has
// one element per vertex). Coordinates are the file's: left-handed, y up, texture v downwards.
struct MeshData {
    // A run of `indexCount` indices from `firstIndex`: the triangles of one material. Subset i
    // belongs to material i; a material that no face uses has an empty subset.
    struct Subset {
        uint32_t firstIndex = 0;
        uint32_t indexCount = 0;
    };

    std::vector<glm::vec3> positions;
    std::vector<glm::vec3> normals;    // empty when the file gives none
    std::vector<glm::vec2> texCoords;  // set 0; empty when the file gives none
    std::vector<glm::vec3> tangents;   // tangent-space meshes only (normal-mapped models)
    std::vector<glm::vec3> binormals;  // tangent-space meshes only
    std::vector<uint32_t> indices;     // three per triangle, in the file's winding
    std::vector<Subset> subsets;

    size_t VertexCount() const { return positions.size(); }
    size_t TriangleCount() const { return indices.size() / 3; }
    bool HasTangentFrame() const { return !tangents.empty(); }
};

// One attribute of an interleaved vertex.
enum class VertexUsage { Position, Normal, Tangent, Binormal, TexCoord };

struct VertexElement {
    VertexUsage usage;
    uint32_t offset;      // bytes from the start of the vertex
    uint32_t components;  // floats
    bool operator==(const VertexElement&) const = default;
};

// How a vertex buffer made from the mesh is laid out, all floats. A tangent-space mesh has
// position, tangent, binormal, normal, texture coordinates (56 bytes); any other mesh has
// position, then normal and texture coordinates when present.
struct VertexLayout {
    std::vector<VertexElement> elements;
    uint32_t stride = 0;  // bytes
};

VertexLayout LayoutOf(const MeshData& mesh);

// The vertices interleaved in LayoutOf's order, ready for a vertex buffer.
std::vector<float> Interleave(const MeshData& mesh);
