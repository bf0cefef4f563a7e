#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "Bytes.h"

inline constexpr uint32_t kSampleRate = 44100;   // Hz; every sound is 16-bit mono PCM
inline constexpr uint32_t kWaveHeaderSize = 44;  // bytes before the first sample

// A canonical WAV file: RIFF/WAVE, a 16-byte "fmt " chunk and the "data" chunk, 44 bytes of
// header, then the samples.
Bytes EncodeWave(std::span<const int16_t> samples);

// The sound of catalogue row `name` (a ".wav" row), synthesised from its recipe: a soft tone or
// filtered noise, sustained or struck, quiet, at least 1.5 s long. Throws std::runtime_error when
// the name has no recipe.
Bytes SynthesiseSound(std::string_view name);
