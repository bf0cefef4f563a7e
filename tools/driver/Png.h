#pragma once
#include <string>

#include "platform/gfx/Device.h"

namespace driver {

// Writes an RGBA image as PNG; false when the file cannot be written.
bool WritePng(const std::string& path, const gfx::Image& image);

}  // namespace driver
