#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "library/Archive.h"

// Human-readable summaries of texture and model files for the archive tool, one fact per line.
// Both say why a file is refused instead of failing.

// "PNG 64 x 32, 3 channels", or the reason the game could not load the image.
std::string DescribeImage(std::span<const uint8_t> bytes);

// Vertex and triangle counts, the model's pass, bounds, and each material with its texture,
// normal map, pass and colours, resolved against `catalogue`.
std::string DescribeModel(std::span<const uint8_t> xFile, std::span<const AssetEntry> catalogue);
