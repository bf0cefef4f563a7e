#pragma once
#include <array>
#include <cstdint>

// Filter types a voice's own filter can be asked for (the numbering the game's data uses).
enum FilterType : uint32_t {
    kLowPassFilter = 0,
    kBandPassFilter = 1,
    kHighPassFilter = 2,
    kNotchFilter = 3,
};

// A voice's own filter as the game writes it. `frequency` is the normalised cutoff
// 2·sin(π·fc/fs) (0..1; 1.0 with `oneOverQ` 1.0 leaves the sound unchanged); `oneOverQ` is the
// reciprocal of the resonance.
struct VoiceFilter {
    float frequency = 1.0f;
    float oneOverQ = 1.0f;
};

// The low-pass the 3-D step puts on an output path for a panner coefficient `coefficient`
// (0..1, 1 = open): frequency 2·sin(π/6 · coefficient), 1/Q 1.
VoiceFilter PathFilter(float coefficient);

// The output mixer's low-pass: a high shelf at a fixed 5 kHz reference. `gain` scales the whole
// band, `gainHF` the frequencies at and above 5 kHz on top of it; both 0..1.
struct ShelfGains {
    float gain = 1.0f;
    float gainHF = 1.0f;
};

// Two shelves in series.
ShelfGains operator*(const ShelfGains& a, const ShelfGains& b);

// Maps the game's filter onto the shelf, for filters running at one sample rate.
//
// The game's low-pass is the state-variable filter
//     low += f·band;  high = in − low − q·band;  band += f·high      (f = frequency, q = 1/Q)
// whose power gain at F Hz is
//     |H|² = f⁴ / ((f² − (4 − 2qf)·s²)² + (2qf·s·c)²),   s = sin(πF/fs), c = cos(πF/fs);
// it is exactly 1 at every frequency for f = q = 1. The shelf keeps one level per band: gain² is
// the mean of |H|² over the six octaves below 5 kHz (centres 110 Hz to 3.5 kHz), (gain·gainHF)²
// the mean over the octaves above (centres 7.1 and 14.1 kHz, those below the Nyquist frequency).
// Each octave's |H|² counts at most 1: the shelf cannot raise a resonant peak, so a peak does not
// make up for the loss elsewhere. A cutoff far below 5 kHz thus lowers the band below too (the
// menu tick's 0.1 by 3.7 dB at 22.05 kHz), one above 5 kHz only the top; slopes and peaks inside
// a band are not reproduced. The other filter types are not used by the game's content and pass
// the sound unfiltered.
class ShelfMapping {
  public:
    explicit ShelfMapping(uint32_t sampleRate);

    ShelfGains ToShelf(uint32_t filterType, const VoiceFilter& filter) const;

  private:
    // sin² and sin²·cos² of π·F/fs at one octave centre F.
    struct Octave {
        float sin2 = 0.0f;
        float sin2cos2 = 0.0f;
    };
    static constexpr int kLowOctaves = 6;
    static constexpr int kHighOctaves = 2;

    // Mean of |H|², each octave's limited to 1; 1 for a band with no octave below Nyquist.
    static float MeanPower(const Octave* octaves, int count, float f, float q);

    std::array<Octave, kLowOctaves> low_;
    std::array<Octave, kHighOctaves> high_;
    int lowCount_ = 0;
    int highCount_ = 0;
};
