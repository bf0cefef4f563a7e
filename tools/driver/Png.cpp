#include "Png.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace driver {

bool WritePng(const std::string& path, const gfx::Image& image) {
    const int stride = image.size.width * 4;
    return stbi_write_png(path.c_str(), image.size.width, image.size.height, 4, image.rgba.data(),
                          stride) != 0;
}

}  // namespace driver
