#pragma once
#include <cstddef>
#include <cstdint>

#include "audio/WaveFile.h"

// Whether voices can stream a sound of this format: plain PCM, mono or stereo, 8 or 16 bits, a
// block size that matches, and a positive rate. Anything else (no channels, no byte rate,
// extensible or compressed formats) is refused when the sound loads.
bool IsStreamable(const WaveFormat& format);

// Where a voice reads in a sound's file image. Playback starts at byte 100 of the file (the
// game's sounds carry a 44-byte header, so byte 100 lies in the samples), never before the first
// sample, and ends with the data chunk. Every read starts on a sample frame of the data chunk.
class StreamLayout {
  public:
    // Fixed first byte of playback, counted from the start of the file.
    static constexpr size_t kPlaybackStart = 100;

    // `wave` must hold a streamable format (IsStreamable).
    explicit StreamLayout(const LoadWave& wave);

    // Bytes streamed per chunk: one second of sound, whole sample frames.
    uint32_t ChunkBytes() const { return chunkBytes_; }
    // File offset of the read that `readOffset` asks for: at least the playback start, rounded up
    // to a sample frame, at most the end of the data.
    size_t ReadPosition(size_t readOffset) const;
    // Bytes a read at `position` (from ReadPosition) returns: up to one chunk, never past the data.
    size_t ReadSize(size_t position) const;

  private:
    size_t dataOffset_;
    size_t end_;
    uint32_t blockAlign_;
    uint32_t chunkBytes_;
};
