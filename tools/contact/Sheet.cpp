#include "Sheet.h"

#include <algorithm>
#include <cstring>

#include <glm/geometric.hpp>

namespace {

constexpr uint32_t kCellBackground = 0x5A6470;  // blue-grey: white and black both stand out
constexpr uint32_t kFailedCell = 0xC0208C;
constexpr uint8_t kGroundGrey = 0x20;
constexpr int kGap = 2;  // pixels between cells and around the grid

// From above the camera's left shoulder, so fronts facing the usual view are lit.
Lighting SheetLighting(const View& view) {
    const glm::vec3 toEye = glm::normalize(view.eye - view.target);
    return {glm::normalize(toEye + glm::vec3(0.0f, 1.2f, 0.0f) +
                           glm::normalize(glm::cross(toEye, glm::vec3(0, 1, 0))) * 0.4f)};
}

}  // namespace

gfx::Image RenderCell(const std::vector<PlacedModel>& scene, const View& view, int side) {
    FrameBuffer buffer({side * 2, side * 2}, kCellBackground);
    const Lighting lighting = SheetLighting(view);
    for (const PlacedModel& placed : scene) {
        DrawModel(buffer, placed, view.viewProjection, lighting);
    }
    return Downsample(buffer.Image());
}

gfx::Image FailedCell(int side) {
    return FrameBuffer({side, side}, kFailedCell).Image();
}

ContactSheet::ContactSheet(int columns, int rows, int cellSide) : cellSide_(cellSide) {
    image_.size = {kGap + columns * (cellSide + kGap), kGap + rows * (cellSide + kGap)};
    image_.rgba.assign(static_cast<size_t>(image_.size.width) * image_.size.height * 4,
                       kGroundGrey);
    for (size_t i = 3; i < image_.rgba.size(); i += 4) image_.rgba[i] = 255;
}

void ContactSheet::Place(int column, int row, const gfx::Image& cell) {
    const size_t rowBytes = static_cast<size_t>(cellSide_) * 4;
    const int left = kGap + column * (cellSide_ + kGap);
    const int top = kGap + row * (cellSide_ + kGap);
    for (int y = 0; y < cellSide_; ++y) {
        std::memcpy(&image_.rgba[(static_cast<size_t>(top + y) * image_.size.width + left) * 4],
                    &cell.rgba[y * rowBytes], rowBytes);
    }
}

gfx::Image Downsample(const gfx::Image& picture) {
    const int width = picture.size.width / 2;
    const int height = picture.size.height / 2;
    gfx::Image half{{width, height}, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
    const size_t sourceRow = static_cast<size_t>(picture.size.width) * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t source = static_cast<size_t>(y) * 2 * sourceRow + x * 8;
            for (int channel = 0; channel < 4; ++channel) {
                const int sum = picture.rgba[source + channel] +
                                picture.rgba[source + 4 + channel] +
                                picture.rgba[source + sourceRow + channel] +
                                picture.rgba[source + sourceRow + 4 + channel];
                half.rgba[(static_cast<size_t>(y) * width + x) * 4 + channel] =
                    static_cast<uint8_t>((sum + 2) / 4);
            }
        }
    }
    return half;
}
