#include "Image.h"

#include <stdexcept>

// The PNG encoder of stb; its implementation lives in this file only.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

constexpr uint32_t kBmpHeadersSize = 14 + 40;  // BITMAPFILEHEADER + BITMAPINFOHEADER

}  // namespace

Bytes EncodeBmp(const Image& image) {
    const auto width = static_cast<uint32_t>(image.Width());
    const auto height = static_cast<uint32_t>(image.Height());
    const uint32_t rowSize = (width * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowSize * height;

    Bytes out;
    out.reserve(kBmpHeadersSize + pixelBytes);
    AppendText(out, "BM");
    AppendLe32(out, kBmpHeadersSize + pixelBytes);
    AppendLe32(out, 0);  // reserved
    AppendLe32(out, kBmpHeadersSize);
    AppendLe32(out, 40);  // info header size
    AppendLe32(out, width);
    AppendLe32(out, height);  // positive: bottom-up
    AppendLe16(out, 1);       // planes
    AppendLe16(out, 24);      // bits per pixel
    AppendLe32(out, 0);       // BI_RGB, uncompressed
    AppendLe32(out, pixelBytes);
    AppendLe32(out, 2835);  // 72 dpi, in pixels per metre
    AppendLe32(out, 2835);
    AppendLe32(out, 0);  // palette colours
    AppendLe32(out, 0);  // important colours
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgba8 pixel = image.At(x, y);
            out.insert(out.end(), {pixel.b, pixel.g, pixel.r});
        }
        out.resize(out.size() + (rowSize - width * 3), 0);
    }
    return out;
}

Bytes EncodePng(const Image& image) {
    Bytes out;
    const auto append = [](void* context, void* data, int size) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes,
                                             bytes + size);
    };
    constexpr int kChannels = 4;
    if (stbi_write_png_to_func(append, &out, image.Width(), image.Height(), kChannels, image.Data(),
                               image.Width() * kChannels) == 0) {
        throw std::runtime_error("PNG encoding failed");
    }
    return out;
}
