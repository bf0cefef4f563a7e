#include "SoundPicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "Canvas.h"
#include "Columns.h"
#include "Sonogram.h"
#include "TinyFont.h"
#include "Waveform.h"

namespace {

constexpr Rgb kBackground{16, 16, 22};
constexpr Rgb kCaptionBackground{36, 36, 44};
constexpr Rgb kText{225, 225, 225};
constexpr Rgb kCentreLine{70, 70, 86};
constexpr Rgb kWave{110, 195, 255};
constexpr Rgb kClipped{255, 70, 50};
constexpr Rgb kStreamStart{255, 215, 0};
constexpr Rgb kLabelBackground{0, 0, 0};

constexpr float kQuietestDb = -100.0f;  // the dark end of the spectrogram ramp
constexpr float kLoudestDb = 0.0f;      // the bright end
// Levels are drawn in steps this wide: finer ones cannot be told apart on a spectrum of noise,
// and they make the pictures half as large again.
constexpr float kRampStepDb = 4.0f;

// Dark to bright: black, deep violet, crimson, orange, pale yellow, at equal steps.
Rgb RampColour(float position) {
    constexpr std::array<Rgb, 5> kStops{
        {{0, 0, 0}, {40, 0, 100}, {180, 20, 90}, {250, 140, 0}, {255, 255, 210}}};
    const float scaled = std::clamp(position, 0.0f, 1.0f) * (kStops.size() - 1);
    const size_t below = std::min(static_cast<size_t>(scaled), kStops.size() - 2);
    const float t = scaled - static_cast<float>(below);
    const auto mix = [t](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    const Rgb& a = kStops[below];
    const Rgb& b = kStops[below + 1];
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// The highest sample value the format can hold: one step below +1.
float PositiveFullScale(uint16_t bitsPerSample) {
    return 1.0f - 1.0f / static_cast<float>(1u << (bitsPerSample - 1));
}

// Where `levelDb` lies on the ramp, 0 to 1, rounded down to a whole step.
float RampPosition(float levelDb) {
    const float steps = std::floor((levelDb - kQuietestDb) / kRampStepDb);
    return steps * kRampStepDb / (kLoudestDb - kQuietestDb);
}

// One channel's waveform in the band [top, top + height) of the canvas.
void DrawLane(Canvas& canvas, std::span<const float> samples, int top, int height,
              float positiveFullScale) {
    const int centre = top + height / 2;
    const float halfHeight = static_cast<float>(height / 2 - 1);
    const auto rowOf = [&](float value) {
        return std::clamp(centre - static_cast<int>(std::lround(value * halfHeight)), top,
                          top + height - 1);
    };
    canvas.FillRect(0, centre, canvas.Width(), 1, kCentreLine);
    const std::vector<SampleRange> ranges =
        ColumnRanges(samples, static_cast<size_t>(canvas.Width()));
    for (size_t column = 0; column < ranges.size(); ++column) {
        const SampleRange& range = ranges[column];
        const bool clipped = range.low <= -1.0f || range.high >= positiveFullScale;
        const int high = rowOf(range.high);
        canvas.FillRect(static_cast<int>(column), high, 1, rowOf(range.low) - high + 1,
                        clipped ? kClipped : kWave);
    }
}

void DrawWaveform(Canvas& canvas, const DecodedSound& sound, int top, int height) {
    const int lanes = static_cast<int>(sound.channels.size());
    const int laneHeight = height / lanes;
    for (int lane = 0; lane < lanes; ++lane) {
        DrawLane(canvas, sound.channels[static_cast<size_t>(lane)], top + lane * laneHeight,
                 laneHeight, PositiveFullScale(sound.format.bitsPerSample));
    }
    const Columns columns(sound.FrameCount(), static_cast<size_t>(canvas.Width()));
    canvas.FillRect(static_cast<int>(columns.ColumnOf(sound.streamStartFrame)), top, 1, height,
                    kStreamStart);
}

// A label on a black patch, so that it reads over the spectrogram.
void DrawLabel(Canvas& canvas, int x, int y, std::string_view text) {
    canvas.FillRect(x - 1, y - 1, static_cast<int>(text.size()) * tinyfont::kAdvance + 1,
                    tinyfont::kGlyphHeight + 2, kLabelBackground);
    tinyfont::DrawText(canvas, x, y, text, 1, kText);
}

void DrawSonogram(Canvas& canvas, const DecodedSound& sound, size_t frameSize, int top,
                  int height) {
    const Sonogram spectrogram(sound.MonoMix(), static_cast<size_t>(canvas.Width()), frameSize);
    const size_t topBin = spectrogram.BinCount() - 1;
    const int topRow = height - 1;
    for (int row = 0; row < height; ++row) {
        // Row 0 is the top of the band and shows the Nyquist frequency.
        const size_t bin = static_cast<size_t>(topRow - row) * topBin / static_cast<size_t>(topRow);
        for (size_t column = 0; column < spectrogram.ColumnCount(); ++column) {
            canvas.Plot(static_cast<int>(column), top + row,
                        RampColour(RampPosition(spectrogram.LevelDb(column, bin))));
        }
    }
    const std::string nyquist = std::to_string(sound.format.samplesPerSec / 2) + " HZ";
    DrawLabel(canvas, 2, top + 2, nyquist);
    DrawLabel(canvas, 2, top + height - tinyfont::kGlyphHeight - 2, "0 HZ");
}

}  // namespace

std::string Caption(std::string_view title, const DecodedSound& sound) {
    char facts[120];
    std::snprintf(facts, sizeof facts, "   %u HZ   %s   %u BIT   %.3f S",
                  sound.format.samplesPerSec, sound.channels.size() == 1 ? "MONO" : "STEREO",
                  static_cast<unsigned>(sound.format.bitsPerSample), sound.Seconds());
    return std::string(title) + facts;
}

gfx::Image DrawSoundPicture(const DecodedSound& sound, std::string_view title,
                            const PictureLayout& layout) {
    const int waveformTop = layout.captionHeight;
    const int spectrogramTop = waveformTop + layout.waveformHeight + 1;  // a line between them
    Canvas canvas(layout.width, spectrogramTop + layout.spectrogramHeight, kBackground);

    constexpr int kCaptionScale = 2;
    canvas.FillRect(0, 0, layout.width, layout.captionHeight, kCaptionBackground);
    tinyfont::DrawText(canvas, 6,
                       (layout.captionHeight - tinyfont::kGlyphHeight * kCaptionScale) / 2,
                       Caption(title, sound), kCaptionScale, kText);
    DrawWaveform(canvas, sound, waveformTop, layout.waveformHeight);
    canvas.FillRect(0, spectrogramTop - 1, layout.width, 1, kCaptionBackground);
    DrawSonogram(canvas, sound, layout.frameSize, spectrogramTop, layout.spectrogramHeight);
    return canvas.Image();
}
