#pragma once
#include <cstdint>

// Filter types a voice's own filter can be asked for (the numbering the game's data uses).
enum FilterType : uint32_t {
    kLowPassFilter = 0,
    kBandPassFilter = 1,
    kHighPassFilter = 2,
    kNotchFilter = 3,
};

// A voice's own filter as the game writes it. `frequency` is the normalised cutoff
// 2·sin(π·fc/fs) (0..1; 1.0 puts the cutoff at a sixth of the sample rate); `oneOverQ` is the
// reciprocal of the resonance (1.0 = no peak).
struct VoiceFilter {
    float frequency = 1.0f;
    float oneOverQ = 1.0f;
};

// The output mixer's low-pass: a high shelf at a fixed 5 kHz reference. `gain` scales the whole
// band, `gainHF` the frequencies at and above 5 kHz; both 0..1.
struct ShelfGains {
    float gain = 1.0f;
    float gainHF = 1.0f;

    bool operator==(const ShelfGains&) const = default;
};

// Maps the game's filter onto the shelf, for a voice whose samples run at `sampleRate` Hz.
//
// The game's low-pass is a two-pole resonant filter with cutoff fc = fs·asin(frequency / 2) / π.
// Its magnitude at f is |H| = 1 / sqrt((1 − r²)² + (r·oneOverQ)²), r = f / fc. The shelf can only
// state one gain above 5 kHz, so gainHF := |H(5 kHz)| (limited to 1) and the band below keeps
// gain 1: a low cutoff or a sharper resonance both darken the sound, as in the game's filter, but
// the resonant peak near fc and the slope between fc and 5 kHz are not reproduced. The other
// filter types are not used by the game's content and pass the sound unfiltered.
ShelfGains ToShelfGains(uint32_t filterType, const VoiceFilter& filter, uint32_t sampleRate);
