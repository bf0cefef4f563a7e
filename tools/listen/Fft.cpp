#include "Fft.h"

#include <bit>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// Reorders `values` so that index i holds what was at the bit-reversal of i: the iterative
// butterflies below then read their inputs in order and write their outputs in natural order.
void BitReversePermute(std::span<std::complex<float>> values) {
    const size_t size = values.size();
    for (size_t i = 1, j = 0; i < size; ++i) {
        size_t bit = size >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j |= bit;
        if (i < j) std::swap(values[i], values[j]);
    }
}

}  // namespace

void Fft(std::span<std::complex<float>> values) {
    const size_t size = values.size();
    if (!std::has_single_bit(size)) {
        throw std::invalid_argument("Fft needs a power-of-two size, not " + std::to_string(size));
    }
    BitReversePermute(values);
    for (size_t length = 2; length <= size; length <<= 1) {
        const size_t half = length / 2;
        for (size_t k = 0; k < half; ++k) {
            // Each twiddle straight from its angle: no error builds up along a stage.
            const double angle =
                -2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(length);
            const auto twiddle = std::complex<float>(std::polar(1.0, angle));
            for (size_t start = 0; start < size; start += length) {
                const std::complex<float> even = values[start + k];
                const std::complex<float> odd = values[start + k + half] * twiddle;
                values[start + k] = even + odd;
                values[start + k + half] = even - odd;
            }
        }
    }
}
