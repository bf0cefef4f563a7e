#pragma once
#include <bit>
#include <cstdint>

// Little-endian field decoding for the raw file records of the archive. The caller guarantees that
// the bytes read lie inside its buffer; these helpers do no bounds checking of their own.

inline uint16_t LoadLe16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t LoadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline int32_t LoadLeI32(const uint8_t* p) {
    return static_cast<int32_t>(LoadLe32(p));
}

inline float LoadLeF32(const uint8_t* p) {
    return std::bit_cast<float>(LoadLe32(p));
}
