// Feeds arbitrary bytes to the texture decoder as if they were a PNG or BMP row of the archive.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "library/ImageLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const std::optional<ImageInfo> info = ReadImageInfo(bytes);
    const std::optional<gfx::Image> image = DecodeImage(bytes);
    if (!image) return 0;
    // A decoded image is one the device takes, of the size its header promised, within the limit.
    if (!info || !gfx::IsWellFormed(*image) || image->size != info->size) std::abort();
    if (image->size.width > kMaxImageSide || image->size.height > kMaxImageSide) std::abort();
    return 0;
}
