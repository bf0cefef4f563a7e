#include "library/ImageLoader.h"

#include <algorithm>
#include <array>
#include <climits>

#include "library/LittleEndian.h"

// stb_image compiled into this file alone, as private functions: only the two formats the archive
// holds, no file access, and the same side limit as the game's.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS kMaxImageSide
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace {

constexpr int kRgbaChannels = 4;

bool FitsDecoder(std::span<const uint8_t> bytes) {
    return bytes.size() <= INT_MAX;
}

bool StartsWith(std::span<const uint8_t> bytes, std::span<const uint8_t> magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

std::optional<ImageFormat> FormatOf(std::span<const uint8_t> bytes) {
    static constexpr std::array<uint8_t, 8> kPngSignature{0x89, 'P',  'N',  'G',
                                                          '\r', '\n', 0x1A, '\n'};
    static constexpr std::array<uint8_t, 2> kBmpSignature{'B', 'M'};
    if (StartsWith(bytes, kPngSignature)) return ImageFormat::Png;
    if (StartsWith(bytes, kBmpSignature)) return ImageFormat::Bmp;
    return std::nullopt;
}

// The decoder reads missing BMP pixel bytes as zeros, so a cut file would load as a black image.
// An uncompressed BMP (the only kind the decoder takes) must hold every row its header declares,
// each padded to four bytes, from the pixel-data offset on.
bool BmpHoldsItsPixels(std::span<const uint8_t> bytes, const ImageInfo& info) {
    constexpr size_t kFileHeader = 14;
    constexpr uint32_t kCoreHeader = 12;  // the old OS/2 header has 16-bit fields
    if (bytes.size() < kFileHeader + 16) return false;
    const uint32_t pixelOffset = LoadLe32(bytes.data() + 10);
    const uint32_t headerSize = LoadLe32(bytes.data() + kFileHeader);
    const uint32_t bitsPerPixel =
        LoadLe16(bytes.data() + kFileHeader + (headerSize == kCoreHeader ? 10 : 14));
    const uint64_t rowBytes = (static_cast<uint64_t>(info.size.width) * bitsPerPixel + 31) / 32 * 4;
    return uint64_t{pixelOffset} + rowBytes * static_cast<uint64_t>(info.size.height) <=
           bytes.size();
}

// The decoder trusts a chunk's declared length and would allocate it whole (up to 2 GiB) before
// noticing the file is shorter. Every chunk (length, type, data, CRC) must lie inside the file.
bool PngChunksFit(std::span<const uint8_t> bytes) {
    constexpr size_t kSignatureBytes = 8;
    constexpr size_t kChunkFrameBytes = 12;  // length, type, CRC
    size_t at = kSignatureBytes;
    while (at < bytes.size()) {
        if (bytes.size() - at < kChunkFrameBytes) return false;
        const uint64_t length = uint64_t{bytes[at]} << 24 | uint64_t{bytes[at + 1]} << 16 |
                                uint64_t{bytes[at + 2]} << 8 | bytes[at + 3];
        if (length > bytes.size() - at - kChunkFrameBytes) return false;
        at += kChunkFrameBytes + static_cast<size_t>(length);
    }
    return true;
}

}  // namespace

std::optional<ImageInfo> ReadImageInfo(std::span<const uint8_t> bytes) {
    if (!FitsDecoder(bytes)) return std::nullopt;
    const std::optional<ImageFormat> format = FormatOf(bytes);
    if (!format) return std::nullopt;
    ImageInfo info;
    info.format = *format;
    if (!stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &info.size.width,
                               &info.size.height, &info.channels)) {
        return std::nullopt;
    }
    if (info.size.width <= 0 || info.size.height <= 0 || info.size.width > kMaxImageSide ||
        info.size.height > kMaxImageSide) {
        return std::nullopt;
    }
    return info;
}

std::optional<gfx::Image> DecodeImage(std::span<const uint8_t> bytes) {
    const std::optional<ImageInfo> info = ReadImageInfo(bytes);
    if (!info) return std::nullopt;
    if (info->format == ImageFormat::Bmp && !BmpHoldsItsPixels(bytes, *info)) return std::nullopt;
    if (info->format == ImageFormat::Png && !PngChunksFit(bytes)) return std::nullopt;

    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width,
                                            &height, &channels, kRgbaChannels);
    if (!pixels) return std::nullopt;
    gfx::Image image;
    image.size = {width, height};
    const size_t length = static_cast<size_t>(width) * static_cast<size_t>(height) * kRgbaChannels;
    image.rgba.assign(pixels, pixels + length);
    stbi_image_free(pixels);
    return image;
}
