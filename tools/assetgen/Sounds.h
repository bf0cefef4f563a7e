#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "Bytes.h"

inline constexpr uint32_t kSampleRate = 22050;   // Hz; every sound is 16-bit mono PCM
inline constexpr uint32_t kWaveHeaderSize = 44;  // bytes before the first sample
// Voices stream from this byte of the file, and a looping voice restarts there: the samples
// before it are never heard, and a loop runs from it to the last sample.
inline constexpr uint32_t kStreamStartByte = 100;

// A canonical WAV file: RIFF/WAVE, a 16-byte "fmt " chunk and the "data" chunk, 44 bytes of
// header, then the samples.
Bytes EncodeWave(std::span<const int16_t> samples);

// The sound of catalogue row `name` (a ".wav" row), synthesised from its recipe. The same name
// gives the same bytes on every run. A one-shot is silent before kStreamStartByte and fades to
// silence at its end; a loop continues from its last sample into the sample at kStreamStartByte
// without a step. Every sound holds more than a second of samples past kStreamStartByte and
// peaks below half of full scale. Throws std::runtime_error when the name has no recipe.
Bytes SynthesiseSound(std::string_view name);
