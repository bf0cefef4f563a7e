#pragma once
#include <cstddef>
#include <span>
#include <vector>

// Short-time spectrum levels of a signal, one analysis frame per picture column: the frame is
// centred on the middle of the column's slice (as Columns spreads the samples), weighted by a Hann
// window, and zero where it reaches past either end of the signal.
class Sonogram {
  public:
    // Quietest level reported, dB: where there is no signal at all.
    static constexpr float kFloorDb = -120.0f;

    // `frameSize` is a power of two, at least 2; `columns` at least 1.
    Sonogram(std::span<const float> samples, size_t columns, size_t frameSize);

    size_t ColumnCount() const { return columns_; }
    // frameSize / 2 + 1: bin b holds the frequency b / frameSize of the sample rate, from 0 up to
    // the Nyquist frequency.
    size_t BinCount() const { return bins_; }
    // Level of `bin` in `column`, dB against a full-scale sine centred on that bin (which reads
    // 0 dB), never below kFloorDb.
    float LevelDb(size_t column, size_t bin) const { return levels_[column * bins_ + bin]; }

  private:
    size_t columns_;
    size_t bins_;
    std::vector<float> levels_;  // column after column, bins_ each
};
