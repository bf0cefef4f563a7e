#pragma once
#include <cstdint>
#include <vector>

#include "Bytes.h"

struct Rgba8 {
    uint8_t r, g, b, a;
};

// An RGBA picture, rows from the top.
class Image {
  public:
    Image(int width, int height, Rgba8 fill)
        : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0 <= x < Width(), 0 <= y < Height().
    Rgba8& At(int x, int y) { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    const Rgba8& At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    const Rgba8* Data() const { return pixels_.data(); }

  private:
    int width_;
    int height_;
    std::vector<Rgba8> pixels_;
};

// An uncompressed 24-bit BMP (BITMAPINFOHEADER, rows bottom-up, each padded to 4 bytes); alpha is
// dropped.
Bytes EncodeBmp(const Image& image);
// An 8-bit RGBA PNG. The encoder writes no time or other varying chunk: the same image always
// gives the same bytes.
Bytes EncodePng(const Image& image);
