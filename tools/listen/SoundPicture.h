#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "DecodedSound.h"
#include "platform/gfx/Device.h"

// Sizes of a sound's picture, pixels unless said otherwise. Top to bottom: the caption strip, the
// waveform (one lane per channel), the spectrogram.
struct PictureLayout {
    int width = 1024;
    int captionHeight = 18;
    int waveformHeight = 200;     // shared by the channels' lanes
    int spectrogramHeight = 256;  // at least 2
    size_t frameSize = 512;       // samples per spectrum, a power of two
};

// The caption: `title`, then the rate, channels, bits and duration of `sound`.
std::string Caption(std::string_view title, const DecodedSound& sound);

// The picture of `sound`. The waveform shows the lowest and highest sample of every column on a
// centre line, columns that reach full scale in the clipping colour, and a marker at the frame
// where voices start playing (and where a looping voice starts again). The spectrogram shows the
// level of every frequency from 0 (bottom) to the Nyquist frequency (top) on a dark-to-bright
// ramp, from -100 dB to 0 dB of a full-scale sine.
gfx::Image DrawSoundPicture(const DecodedSound& sound, std::string_view title,
                            const PictureLayout& layout = {});
