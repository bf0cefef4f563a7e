#include "Canvas.h"

#include <algorithm>

Canvas::Canvas(int width, int height, Rgb background)
    : image_{{width, height}, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)} {
    FillRect(0, 0, width, height, background);
}

void Canvas::FillRect(int x, int y, int width, int height, Rgb colour) {
    const int left = std::max(x, 0), right = std::min(x + width, Width());
    const int top = std::max(y, 0), bottom = std::min(y + height, Height());
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            uint8_t* pixel = &image_.rgba[(static_cast<size_t>(row) * Width() + column) * 4];
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
            pixel[3] = 255;
        }
    }
}
