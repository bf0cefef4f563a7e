#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// Little-endian writing of the binary file formats the generators produce.
using Bytes = std::vector<uint8_t>;

inline void AppendLe16(Bytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void AppendLe32(Bytes& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Byte by byte: GCC 12 misreads a ranged insert of a short literal after a reserve as an overflow.
inline void AppendText(Bytes& out, std::string_view text) {
    for (const char c : text) out.push_back(static_cast<uint8_t>(c));
}
