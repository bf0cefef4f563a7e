#pragma once
#include <cstdint>

#include "platform/gfx/Device.h"

struct Rgb {
    uint8_t r, g, b;
};

// An opaque RGBA picture to draw on, pixel (0, 0) at the top left. Drawing outside it is clipped.
class Canvas {
  public:
    Canvas(int width, int height, Rgb background);

    int Width() const { return image_.size.width; }
    int Height() const { return image_.size.height; }

    void FillRect(int x, int y, int width, int height, Rgb colour);
    void Plot(int x, int y, Rgb colour) { FillRect(x, y, 1, 1, colour); }

    const gfx::Image& Image() const { return image_; }

  private:
    gfx::Image image_;
};
