#pragma once
#include <cstddef>
#include <span>
#include <vector>

// The lowest and highest sample of one picture column (full scale ±1).
struct SampleRange {
    float low = 0;
    float high = 0;
    bool operator==(const SampleRange&) const = default;
};

// One range per column of a picture `columns` wide (at least 1) over `samples`: the column's slice
// as Columns spreads them, and the first sample of the next column's slice, so that the columns
// join into one line however few samples there are. All zero when there are no samples.
std::vector<SampleRange> ColumnRanges(std::span<const float> samples, size_t columns);
