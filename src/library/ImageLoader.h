#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "platform/gfx/Device.h"

// PNG and BMP files as the archive holds them, decoded in memory. The only place that knows the
// image decoder.

// Neither side of a texture may exceed this many pixels: a hostile header cannot ask for more
// than 8192 × 8192 × 4 bytes.
inline constexpr int kMaxImageSide = 8192;

enum class ImageFormat { Png, Bmp };

// What the file's header says.
struct ImageInfo {
    ImageFormat format = ImageFormat::Png;
    gfx::Size size;
    int channels = 0;  // as stored: 1 grey, 2 grey + alpha, 3 RGB, 4 RGBA
};

// The header of a PNG or BMP; nullopt when the bytes are neither or a side exceeds the limit.
std::optional<ImageInfo> ReadImageInfo(std::span<const uint8_t> bytes);

// The whole image as RGBA8, rows top to bottom, whatever the file stores. nullopt when the header
// is refused (ReadImageInfo), the pixel data is damaged, or a BMP is too short to hold the
// pixels its header declares.
std::optional<gfx::Image> DecodeImage(std::span<const uint8_t> bytes);
