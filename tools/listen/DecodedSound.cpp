#include "DecodedSound.h"

#include <utility>

#include "audio/StreamLayout.h"
#include "library/LittleEndian.h"

namespace {

// The sample at `at`, full scale ±1: 8-bit samples are unsigned around 128, 16-bit ones signed.
float DecodeSample(const uint8_t* at, uint16_t bitsPerSample) {
    if (bitsPerSample == 8) return (static_cast<float>(*at) - 128.0f) / 128.0f;
    return static_cast<float>(static_cast<int16_t>(LoadLe16(at))) / 32768.0f;
}

std::string DescribeUnplayable(const WaveFormat& format) {
    return "the game does not play this format (tag " + std::to_string(format.formatTag) + ", " +
           std::to_string(format.channels) + " channels, " + std::to_string(format.bitsPerSample) +
           " bits, block align " + std::to_string(format.blockAlign) + ", " +
           std::to_string(format.samplesPerSec) + " Hz); it plays 8- or 16-bit PCM, mono or stereo";
}

}  // namespace

std::vector<float> DecodedSound::MonoMix() const {
    std::vector<float> mix(FrameCount(), 0.0f);
    const float share = 1.0f / static_cast<float>(channels.size());
    for (const std::vector<float>& channel : channels) {
        for (size_t i = 0; i < mix.size(); ++i) mix[i] += channel[i] * share;
    }
    return mix;
}

DecodeResult DecodeSound(std::vector<uint8_t> image) {
    LoadWave wave;
    if (Failed(wave.Open(std::move(image)))) {
        return {std::nullopt,
                "not a RIFF WAVE file with a \"fmt \" chunk and then a \"data\" chunk inside it"};
    }
    const WaveFormat& format = wave.Format();
    if (!IsStreamable(format)) return {std::nullopt, DescribeUnplayable(format)};

    const size_t frameBytes = format.blockAlign;
    const size_t sampleBytes = format.bitsPerSample / 8;
    const size_t frames = wave.DataSize() / frameBytes;
    const uint8_t* data = wave.Image().data() + wave.DataOffset();
    DecodedSound sound{format, std::vector<std::vector<float>>(format.channels), 0};
    for (size_t channel = 0; channel < sound.channels.size(); ++channel) {
        std::vector<float>& samples = sound.channels[channel];
        samples.resize(frames);
        for (size_t frame = 0; frame < frames; ++frame) {
            samples[frame] = DecodeSample(data + frame * frameBytes + channel * sampleBytes,
                                          format.bitsPerSample);
        }
    }
    sound.streamStartFrame = (StreamLayout(wave).ReadPosition(0) - wave.DataOffset()) / frameBytes;
    return {std::move(sound), {}};
}
