#include "Waveform.h"

#include <algorithm>

#include "Columns.h"

std::vector<SampleRange> ColumnRanges(std::span<const float> samples, size_t columns) {
    std::vector<SampleRange> ranges(columns);
    if (samples.empty()) return ranges;
    const Columns slices(samples.size(), columns);
    for (size_t column = 0; column < columns; ++column) {
        const size_t begin = slices.Begin(column);
        const size_t end = column + 1 < columns ? slices.Begin(column + 1) + 1 : slices.End(column);
        const auto slice = samples.subspan(begin, end - begin);
        const auto [low, high] = std::minmax_element(slice.begin(), slice.end());
        ranges[column] = {*low, *high};
    }
    return ranges;
}
