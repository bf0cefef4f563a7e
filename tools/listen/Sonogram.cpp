#include "Sonogram.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "Columns.h"
#include "Fft.h"

namespace {

std::vector<float> HannWindow(size_t size) {
    std::vector<float> window(size);
    for (size_t i = 0; i < size; ++i) {
        window[i] =
            static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                                    static_cast<double>(size)));
    }
    return window;
}

}  // namespace

Sonogram::Sonogram(std::span<const float> samples, size_t columns, size_t frameSize)
    : columns_(columns), bins_(frameSize / 2 + 1), levels_(columns * bins_, kFloorDb) {
    const std::vector<float> window = HannWindow(frameSize);
    // A sine of amplitude A centred on a bin reads A times half the window's sum there.
    double windowSum = 0;
    for (float weight : window) windowSum += weight;
    const double fullScale = windowSum / 2;

    const Columns slices(samples.size(), columns);
    std::vector<std::complex<float>> frame(frameSize);
    for (size_t column = 0; column < columns && !samples.empty(); ++column) {
        // Signed: the first frames start before the first sample.
        const auto middle = static_cast<ptrdiff_t>((slices.Begin(column) + slices.End(column)) / 2);
        const ptrdiff_t first = middle - static_cast<ptrdiff_t>(frameSize / 2);
        for (size_t i = 0; i < frameSize; ++i) {
            const ptrdiff_t at = first + static_cast<ptrdiff_t>(i);
            const bool inside = at >= 0 && at < static_cast<ptrdiff_t>(samples.size());
            frame[i] = inside ? samples[static_cast<size_t>(at)] * window[i] : 0.0f;
        }
        Fft(frame);
        for (size_t bin = 0; bin < bins_; ++bin) {
            const double magnitude = std::abs(frame[bin]) / fullScale;
            const double level = magnitude > 0 ? 20 * std::log10(magnitude) : kFloorDb;
            levels_[column * bins_ + bin] = std::max(kFloorDb, static_cast<float>(level));
        }
    }
}
