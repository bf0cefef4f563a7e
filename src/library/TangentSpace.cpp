#include "library/TangentSpace.h"

#include <cmath>

#include <glm/geometric.hpp>

namespace {

constexpr float kDegenerate = 1e-12f;

glm::vec3 NormalisedOr(const glm::vec3& v, const glm::vec3& fallback) {
    const float length = glm::length(v);
    return length > kDegenerate ? v / length : fallback;
}

// Any unit vector perpendicular to `normal`.
glm::vec3 Perpendicular(const glm::vec3& normal) {
    const glm::vec3 axis = std::abs(normal.x) < 0.9f ? glm::vec3(1, 0, 0) : glm::vec3(0, 1, 0);
    return glm::normalize(glm::cross(normal, axis));
}

}  // namespace

void AddTangentFrame(MeshData& mesh) {
    const size_t count = mesh.VertexCount();
    mesh.texCoords.resize(count, glm::vec2(0));
    std::vector<glm::vec3> normals(count, glm::vec3(0));
    std::vector<glm::vec3> tangents(count, glm::vec3(0));
    std::vector<glm::vec3> binormals(count, glm::vec3(0));

    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
        const uint32_t a = mesh.indices[i], b = mesh.indices[i + 1], c = mesh.indices[i + 2];
        const glm::vec3 edge1 = mesh.positions[b] - mesh.positions[a];
        const glm::vec3 edge2 = mesh.positions[c] - mesh.positions[a];
        const glm::vec2 uv1 = mesh.texCoords[b] - mesh.texCoords[a];
        const glm::vec2 uv2 = mesh.texCoords[c] - mesh.texCoords[a];
        // Left-handed: clockwise triangles face the viewer, so edge1 × edge2 points out of the
        // front face; its length is twice the area, which weights the sum.
        const glm::vec3 faceNormal = glm::cross(edge1, edge2);
        const float determinant = uv1.x * uv2.y - uv2.x * uv1.y;
        glm::vec3 faceTangent(0), faceBinormal(0);
        if (std::abs(determinant) > kDegenerate) {
            faceTangent = (edge1 * uv2.y - edge2 * uv1.y) / determinant;
            faceBinormal = (edge2 * uv1.x - edge1 * uv2.x) / determinant;
        }
        for (const uint32_t vertex : {a, b, c}) {
            normals[vertex] += faceNormal;
            tangents[vertex] += faceTangent;
            binormals[vertex] += faceBinormal;
        }
    }

    for (size_t v = 0; v < count; ++v) {
        const glm::vec3 normal = NormalisedOr(normals[v], glm::vec3(0, 1, 0));
        const glm::vec3 tangent = NormalisedOr(tangents[v] - normal * glm::dot(normal, tangents[v]),
                                               Perpendicular(normal));
        const glm::vec3 binormal =
            NormalisedOr(binormals[v] - normal * glm::dot(normal, binormals[v]) -
                             tangent * glm::dot(tangent, binormals[v]),
                         glm::cross(normal, tangent));
        normals[v] = normal;
        tangents[v] = tangent;
        binormals[v] = binormal;
    }
    mesh.normals = std::move(normals);
    mesh.tangents = std::move(tangents);
    mesh.binormals = std::move(binormals);
}
