#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "audio/WaveFile.h"

// One sound as the listening tool draws it: the format the game reads from the file and its
// samples, one vector per channel, full scale at ±1. Every channel holds the same number of frames.
struct DecodedSound {
    WaveFormat format;
    std::vector<std::vector<float>> channels;
    size_t streamStartFrame;  // the first frame a voice plays, where a looping voice restarts

    size_t FrameCount() const { return channels.front().size(); }
    double Seconds() const {
        return static_cast<double>(FrameCount()) / static_cast<double>(format.samplesPerSec);
    }
    // The channels averaged into one.
    std::vector<float> MonoMix() const;
};

// The sound, or why the game would not play the file (one line, no newline).
struct DecodeResult {
    std::optional<DecodedSound> sound;
    std::string error;
};

// Reads a whole WAV file image with the game's own reader (LoadWave) and decodes its samples. The
// file is refused when the game's reader refuses it or when voices could not stream its format
// (the game plays 8- or 16-bit PCM, mono or stereo). A partial frame at the end of the data is
// left out, as a voice never plays it.
DecodeResult DecodeSound(std::vector<uint8_t> image);
