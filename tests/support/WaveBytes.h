#pragma once
// Little-endian fields and canonical PCM WAV images, made in memory for the tests that read them.
#include <cstdint>
#include <span>
#include <vector>

// Appends the low `bytes` bytes of `value`, least significant first.
inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// The fmt fields of a test WAV; the defaults make 16-bit mono PCM at 48 kHz.
struct PcmFormat {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 48000;
    uint16_t bits = 16;
    uint32_t avgBytesPerSec = 48000 * 2;
    uint16_t blockAlign = 2;
};

// A WAV file image with the 44-byte header, its samples from byte 44.
inline std::vector<uint8_t> PcmWave(std::span<const uint8_t> data, const PcmFormat& f = {}) {
    std::vector<uint8_t> out{'R', 'I', 'F', 'F'};
    PutLe(out, static_cast<uint32_t>(36 + data.size()), 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(out, 16, 4);
    PutLe(out, f.tag, 2);
    PutLe(out, f.channels, 2);
    PutLe(out, f.rate, 4);
    PutLe(out, f.avgBytesPerSec, 4);
    PutLe(out, f.blockAlign, 2);
    PutLe(out, f.bits, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutLe(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
