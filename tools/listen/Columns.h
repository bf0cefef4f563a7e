#pragma once
#include <algorithm>
#include <cstddef>

// How a picture `columns` pixels wide spreads `samples` sample frames: column c shows the
// consecutive slice [Begin(c), End(c)). The slices cover every frame once when there are at least
// as many frames as columns; with fewer, neighbouring columns show the same frame. Every slice
// holds at least one frame unless there are none.
class Columns {
  public:
    // `columns` is at least 1.
    Columns(size_t samples, size_t columns) : samples_(samples), columns_(columns) {}

    size_t Count() const { return columns_; }
    size_t Begin(size_t column) const { return column * samples_ / columns_; }
    size_t End(size_t column) const {
        return std::min(samples_, std::max(Begin(column) + 1, (column + 1) * samples_ / columns_));
    }
    // The column whose slice holds frame `sample` (the last of them when there are fewer frames
    // than columns); the last column for frames past the end.
    size_t ColumnOf(size_t sample) const {
        if (sample >= samples_) return columns_ - 1;
        return std::min(columns_ - 1, ((sample + 1) * columns_ - 1) / samples_);
    }

  private:
    size_t samples_;
    size_t columns_;
};
