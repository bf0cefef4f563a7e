#pragma once
// Little-endian fields, canonical PCM WAV images and a test tone, made in memory for the tests and
// benchmarks that read them.
#include <cmath>
#include <cstdint>
#include <numbers>
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

// 16-bit samples as little-endian bytes.
inline std::vector<uint8_t> Pcm16(std::span<const int16_t> samples) {
    std::vector<uint8_t> out;
    for (int16_t s : samples) PutLe(out, static_cast<uint16_t>(s), 2);
    return out;
}

inline std::vector<uint8_t> MakeWav(std::span<const int16_t> samples, const PcmFormat& f = {}) {
    return PcmWave(Pcm16(samples), f);
}

// A 1 kHz tone at 48 kHz of `seconds` at `amplitude` (0..1).
inline std::vector<int16_t> Tone(double seconds, double amplitude = 0.5) {
    constexpr double kRate = 48000;
    std::vector<int16_t> samples(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<int16_t>(amplitude * 32767 *
                                          std::sin(2 * std::numbers::pi * 1000.0 * i / kRate));
    }
    return samples;
}
