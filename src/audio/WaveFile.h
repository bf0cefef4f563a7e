#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "library/Result.h"

// The format record of a WAV file's "fmt " chunk (the 18 bytes of a WAVEFORMATEX).
struct WaveFormat {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t samplesPerSec;
    uint32_t avgBytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
    uint16_t extraSize;  // cbSize: bytes of format-specific data after the record; 0 for plain PCM
};

// What the RIFF walk finds in a WAV file image.
struct WaveInfo {
    WaveFormat format;
    size_t dataOffset;  // bytes from the start of the image to the first sample
    uint32_t dataSize;  // bytes of sample data; the data lies wholly inside the image
};

// Walks the RIFF structure of a whole WAV file image: the "RIFF" chunk of form "WAVE", the "fmt "
// chunk inside it, then the "data" chunk after the fmt chunk. Every chunk must lie inside its
// parent. A fmt chunk fills the format record up to its 18 bytes (a 16-byte PCM record leaves
// extraSize 0; longer chunks are read only up to the record); one shorter than 16 bytes is
// malformed. Returns S_OK and fills `info`, or E_FAIL and leaves `info` untouched.
HRESULT ParseWave(std::span<const uint8_t> image, WaveInfo& info);

// The file reader of one sound: owns the WAV file image as read from the archive and what the
// RIFF walk found in it. Voices stream the raw bytes of the image.
class LoadWave {
  public:
    // Takes the image and parses it. On failure the reader keeps no image.
    HRESULT Open(std::vector<uint8_t> image);

    std::span<const uint8_t> Image() const { return image_; }
    const WaveFormat& Format() const { return info_.format; }
    size_t DataOffset() const { return info_.dataOffset; }
    uint32_t DataSize() const { return info_.dataSize; }

  private:
    std::vector<uint8_t> image_;
    WaveInfo info_{};
};
