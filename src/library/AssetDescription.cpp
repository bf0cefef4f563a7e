#include "library/AssetDescription.h"

#include <cstdio>

#include "library/CModel.h"
#include "library/ImageLoader.h"
#include "library/ModelLoader.h"
#include "library/Utf.h"

namespace {

std::string Floats(std::span<const float> values) {
    std::string text = "(";
    for (size_t i = 0; i < values.size(); ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%s%g", i ? ", " : "", values[i]);
        text += number;
    }
    return text + ")";
}

std::string Vec(const glm::vec3& v) {
    return Floats({&v.x, 3});
}
std::string Vec(const glm::vec4& v) {
    return Floats({&v.x, 4});
}

std::string Row(int index, std::span<const AssetEntry> catalogue) {
    if (index < 0) return "none";
    return "row " + std::to_string(index) + " \"" + Utf16ToUtf8(catalogue[index].name) + "\"";
}

std::string DescribeMaterial(size_t number, const ModelMaterial& material,
                             const MeshData::Subset& subset,
                             std::span<const AssetEntry> catalogue) {
    const MaterialColours& colours = material.material;
    return "material " + std::to_string(number) + ": pass " +
           std::to_string(PassIndex(material.passIndex)) + ", triangles " +
           std::to_string(subset.indexCount / 3) + ", texture \"" +
           Utf16ToUtf8(material.textureName) + "\" (" + Row(material.textureIndex, catalogue) +
           "), normal map " + Row(material.normalMapIndex, catalogue) + "\n  diffuse " +
           Vec(colours.diffuse) + " specular " + Vec(colours.specular) + " emissive " +
           Vec(colours.emissive) + " power " + Floats({&colours.power, 1}) + "\n";
}

}  // namespace

std::string DescribeImage(std::span<const uint8_t> bytes) {
    const std::optional<ImageInfo> info = ReadImageInfo(bytes);
    if (!info) {
        return "not a PNG or BMP image the game can load (or larger than " +
               std::to_string(kMaxImageSide) + " pixels a side)\n";
    }
    const std::string header = std::string(info->format == ImageFormat::Png ? "PNG " : "BMP ") +
                               std::to_string(info->size.width) + " x " +
                               std::to_string(info->size.height) + ", " +
                               std::to_string(info->channels) + " channels\n";
    return DecodeImage(bytes) ? header : header + "pixel data damaged or cut short\n";
}

std::string DescribeModel(std::span<const uint8_t> xFile, std::span<const AssetEntry> catalogue) {
    const std::optional<ModelData> model = BuildModel(xFile, catalogue);
    if (!model) return "not a .x model the game can load: " + ImportFailure(xFile) + "\n";
    const ModelBounds& bounds = model->bounds;
    std::string text = "vertices " + std::to_string(model->mesh.VertexCount()) + ", triangles " +
                       std::to_string(model->mesh.TriangleCount()) + ", materials " +
                       std::to_string(model->materials.size()) + ", pass " +
                       std::to_string(PassIndex(model->passIndex)) + ", vertex stride " +
                       std::to_string(LayoutOf(model->mesh).stride) + " bytes\n";
    text += "box min " + Vec(bounds.boxMin) + " max " + Vec(bounds.boxMax) + " half extent " +
            Vec(bounds.halfExtent) + "\nsphere centre " + Vec(bounds.sphereCentre) + " radius " +
            Floats({&bounds.sphereRadius, 1}) + "\n";
    for (size_t i = 0; i < model->materials.size(); ++i) {
        text += DescribeMaterial(i, model->materials[i], model->mesh.subsets[i], catalogue);
    }
    return text;
}
