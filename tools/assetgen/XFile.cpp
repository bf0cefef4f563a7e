#include "XFile.h"

#include <functional>

#include "NumberText.h"

namespace {

// Appends `count` items, one a line: "item," for all but the last, which ends the list with
// "item;".
void AppendList(std::string& out, size_t count, const std::function<std::string(size_t)>& item) {
    out += std::to_string(count) + ";\n";
    for (size_t i = 0; i < count; ++i) out += item(i) + (i + 1 < count ? ",\n" : ";\n");
}

std::string Floats(std::initializer_list<float> values) {
    std::string text;
    for (float value : values) text += FixedSix(value) + ";";
    return text;
}

std::string Face(const Triangle& triangle) {
    const auto& [a, b, c] = triangle.corners;
    return "3;" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + ";";
}

void AppendMaterial(std::string& out, const Material& material) {
    const auto& [r, g, b, a] = material.faceColor;
    const auto& [sr, sg, sb] = material.specular;
    const auto& [er, eg, eb] = material.emissive;
    out += "Material {\n";
    out += Floats({r, g, b, a}) + ";\n";
    out += Floats({material.power}) + "\n";
    out += Floats({sr, sg, sb}) + ";\n";
    out += Floats({er, eg, eb}) + ";\n";
    if (!material.textureFile.empty()) {
        out += "TextureFilename {\n\"" + material.textureFile + "\";\n}\n";
    }
    out += "}\n";
}

}  // namespace

std::string WriteXFile(const Mesh& mesh) {
    const auto vertices = mesh.Vertices();
    const auto triangles = mesh.Triangles();
    const auto faces = [&](size_t i) { return Face(triangles[i]); };

    std::string out = "xof 0303txt 0032\n\nMesh {\n";
    AppendList(out, vertices.size(), [&](size_t i) {
        const Vec3 p = vertices[i].position;
        return Floats({p.x, p.y, p.z});
    });
    AppendList(out, triangles.size(), faces);

    out += "MeshNormals {\n";
    AppendList(out, vertices.size(), [&](size_t i) {
        const Vec3 n = vertices[i].normal;
        return Floats({n.x, n.y, n.z});
    });
    AppendList(out, triangles.size(), faces);
    out += "}\n";

    out += "MeshTextureCoords {\n";
    AppendList(out, vertices.size(), [&](size_t i) {
        const Vec2 uv = vertices[i].uv;
        return Floats({uv.u, uv.v});
    });
    out += "}\n";

    out += "MeshMaterialList {\n" + std::to_string(mesh.Materials().size()) + ";\n";
    AppendList(out, triangles.size(),
               [&](size_t i) { return std::to_string(triangles[i].material); });
    for (const Material& material : mesh.Materials()) AppendMaterial(out, material);
    out += "}\n}\n";
    return out;
}
