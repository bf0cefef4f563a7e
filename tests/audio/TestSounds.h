#pragma once
// Test sounds made in memory, and a sound table rendering through a loopback device one game
// frame at a time.
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "audio/CSoundManager.h"
#include "audio/OpenAlOutput.h"
#include "support/WaveBytes.h"
#include "world/CObjSound.h"

namespace audiotest {

inline constexpr uint32_t kRate = 48000;
inline constexpr size_t kFrameSamples = 768;  // 16 ms at 48 kHz

using Format = PcmFormat;

// Uniform white noise of `seconds`, fixed seed.
inline std::vector<int16_t> Noise(double seconds) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(-16000, 16000);
    std::vector<int16_t> samples(static_cast<size_t>(seconds * kRate));
    for (int16_t& s : samples) s = static_cast<int16_t>(value(random));
    return samples;
}

// One rendered game frame: interleaved stereo.
struct StereoFrame {
    std::vector<float> samples = std::vector<float>(2 * kFrameSamples);

    double Rms(int channel) const {
        double sum = 0;
        for (size_t i = static_cast<size_t>(channel); i < samples.size(); i += 2) {
            sum += samples[i] * samples[i];
        }
        return std::sqrt(sum / kFrameSamples);
    }
    double Rms() const { return std::hypot(Rms(0), Rms(1)) / std::sqrt(2.0); }
    // RMS of the left channel over the frame's last two milliseconds (two periods of the 1 kHz
    // tone): the level the mixer's gain ramp has reached by the frame's end.
    double EndRms() const {
        constexpr size_t kTail = 96;
        double sum = 0;
        for (size_t i = samples.size() - 2 * kTail; i < samples.size(); i += 2) {
            sum += samples[i] * samples[i];
        }
        return std::sqrt(sum / kTail);
    }
    // RMS of the first difference of the left channel: weighs high frequencies.
    double HighFrequencyRms() const {
        double sum = 0;
        for (size_t i = 2; i < samples.size(); i += 2) {
            const double d = samples[i] - samples[i - 2];
            sum += d * d;
        }
        return std::sqrt(sum / kFrameSamples);
    }
};

inline constexpr double kSilent = 1e-5;  // RMS below this is silence

// A sound table over in-memory archive rows, rendering through a loopback device.
class SoundTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(table.Init(AudioOutput::OpenLoopback(kRate)), S_OK);
        CObjSound::SetSoundTable(&table);
    }
    void TearDown() override { CObjSound::SetSoundTable(nullptr); }

    // Updates the table and mixes one frame.
    StereoFrame Frame() {
        EXPECT_EQ(table.Update(), S_OK);
        StereoFrame frame;
        EXPECT_TRUE(table.Engine().Output()->Render(frame.samples));
        return frame;
    }
    // Mixes `count` frames and returns the loudest RMS among them.
    double LoudestOf(int count) {
        double loudest = 0;
        for (int i = 0; i < count; ++i) loudest = std::max(loudest, Frame().Rms());
        return loudest;
    }

    std::map<int32_t, std::vector<uint8_t>> rows;
    std::map<int32_t, int> reads;
    CSoundManager table{[this](int32_t index) -> std::optional<std::vector<uint8_t>> {
        ++reads[index];
        const auto row = rows.find(index);
        if (row == rows.end()) return std::nullopt;
        return row->second;
    }};
};

}  // namespace audiotest
