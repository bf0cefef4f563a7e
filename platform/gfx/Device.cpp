#include "platform/gfx/Device.h"

namespace gfx {

bool FitsLayout(const MeshLayout& layout, size_t floatCount, std::span<const uint32_t> indices) {
    constexpr uint32_t kFloat = sizeof(float);
    if (layout.stride == 0 || layout.stride % kFloat != 0) return false;
    for (const AttributeLayout& a : layout.attributes) {
        if (a.components == 0 || a.components > 4 || a.offset % kFloat != 0 ||
            a.offset + a.components * kFloat > layout.stride) {
            return false;
        }
    }
    const size_t floatsPerVertex = layout.stride / kFloat;
    if (floatCount == 0 || floatCount % floatsPerVertex != 0) return false;
    const size_t vertexCount = floatCount / floatsPerVertex;
    for (const uint32_t index : indices) {
        if (index >= vertexCount) return false;
    }
    return !indices.empty();
}

}  // namespace gfx
