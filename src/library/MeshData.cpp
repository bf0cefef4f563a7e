#include "library/MeshData.h"

namespace {

// The attributes of a layout, in order, with the array each one reads.
struct Attribute {
    VertexUsage usage;
    uint32_t components;
    const float* data;  // `components` floats per vertex
};

std::vector<Attribute> AttributesOf(const MeshData& mesh) {
    const auto vec3 = [](VertexUsage usage, const std::vector<glm::vec3>& values) {
        return Attribute{usage, 3, values.empty() ? nullptr : &values[0].x};
    };
    const Attribute texCoord{VertexUsage::TexCoord, 2,
                             mesh.texCoords.empty() ? nullptr : &mesh.texCoords[0].x};
    std::vector<Attribute> attributes{vec3(VertexUsage::Position, mesh.positions)};
    if (mesh.HasTangentFrame()) {
        attributes.push_back(vec3(VertexUsage::Tangent, mesh.tangents));
        attributes.push_back(vec3(VertexUsage::Binormal, mesh.binormals));
        attributes.push_back(vec3(VertexUsage::Normal, mesh.normals));
        attributes.push_back(texCoord);
        return attributes;
    }
    if (!mesh.normals.empty()) attributes.push_back(vec3(VertexUsage::Normal, mesh.normals));
    if (!mesh.texCoords.empty()) attributes.push_back(texCoord);
    return attributes;
}

}  // namespace

VertexLayout LayoutOf(const MeshData& mesh) {
    VertexLayout layout;
    for (const Attribute& attribute : AttributesOf(mesh)) {
        layout.elements.push_back({attribute.usage, layout.stride, attribute.components});
        layout.stride += attribute.components * sizeof(float);
    }
    return layout;
}

std::vector<float> Interleave(const MeshData& mesh) {
    const std::vector<Attribute> attributes = AttributesOf(mesh);
    std::vector<float> vertices;
    for (size_t vertex = 0; vertex < mesh.VertexCount(); ++vertex) {
        for (const Attribute& attribute : attributes) {
            const float* first = attribute.data + vertex * attribute.components;
            vertices.insert(vertices.end(), first, first + attribute.components);
        }
    }
    return vertices;
}
