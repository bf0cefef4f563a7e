// Feeds arbitrary bytes to the model builder as if they were a .x row of the archive.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "library/CModel.h"
#include "library/XTextCheck.h"

namespace {

// Names the seeds' materials use, so the texture and normal-map rules run.
const AssetEntry kCatalogue[] = {
    {1, 0, u"sight.png"}, {1, 0, u"fire.bmp"}, {1, 0, u"normal_fire.bmp"}};

bool SameSizeOrEmpty(size_t size, size_t vertices) {
    return size == 0 || size == vertices;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<ModelData> model = BuildModel(std::span(data, size), kCatalogue);
    if (!model) {
        // The structural check reads files as the importer does, so whatever it takes imports:
        // the importer never gives up half-way (it would leak) or on a file the check let by.
        // Every refusal says why (a refusal that recorded no reason throws).
        const std::string_view text(reinterpret_cast<const char*>(data), size);
        if (XTextCheck::Passes(text) || !XTextCheck::FirstRefusal(text)) std::abort();
        return 0;
    }
    const MeshData& mesh = model->mesh;
    const size_t vertices = mesh.VertexCount();
    // Every array a vertex buffer is made from has one element per vertex, and every index and
    // subset stays inside what it refers to.
    if (!SameSizeOrEmpty(mesh.normals.size(), vertices) ||
        !SameSizeOrEmpty(mesh.texCoords.size(), vertices) ||
        !SameSizeOrEmpty(mesh.tangents.size(), vertices) ||
        !SameSizeOrEmpty(mesh.binormals.size(), vertices) || mesh.indices.size() % 3 != 0) {
        std::abort();
    }
    for (const uint32_t index : mesh.indices) {
        if (index >= vertices) std::abort();
    }
    if (mesh.subsets.size() != model->materials.size()) std::abort();
    for (const MeshData::Subset& subset : mesh.subsets) {
        if (uint64_t{subset.firstIndex} + subset.indexCount > mesh.indices.size()) std::abort();
    }
    if (Interleave(mesh).size() * sizeof(float) != LayoutOf(mesh).stride * vertices) std::abort();
    return 0;
}
