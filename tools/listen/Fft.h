#pragma once
#include <complex>
#include <span>

// In-place radix-2 discrete Fourier transform: values[k] becomes the sum over n of
// values[n] * e^(-2πi kn / N), unscaled. N = values.size() must be a power of two (1 included);
// any other size throws std::invalid_argument.
void Fft(std::span<std::complex<float>> values);
