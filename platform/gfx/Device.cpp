#include "platform/gfx/Device.h"

namespace gfx {

Rect FitAspect(Size picture, Size area) {
    if (picture.width <= 0 || picture.height <= 0 || area.width <= 0 || area.height <= 0) {
        return {};
    }
    // Cross products in 64 bits: which side of the area the picture fills.
    const int64_t pictureW = picture.width, pictureH = picture.height;
    const int64_t areaW = area.width, areaH = area.height;
    Rect fit{0, 0, area.width, area.height};
    if (pictureW * areaH > areaW * pictureH) {
        fit.height = static_cast<int>((areaW * pictureH * 2 + pictureW) / (pictureW * 2));
    } else {
        fit.width = static_cast<int>((areaH * pictureW * 2 + pictureH) / (pictureH * 2));
    }
    fit.x = (area.width - fit.width) / 2;
    fit.y = (area.height - fit.height) / 2;
    return fit;
}

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
