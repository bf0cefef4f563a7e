// The synthesised sounds as the game's voices meet them (decoded as the listening tool decodes
// them, with the game's reader and stream layout): streamed from byte 100, and for the loops
// restarted there at the end of the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "DecodedSound.h"
#include "Sounds.h"
#include "library/AssetNames.h"

namespace {

enum class Play { OneShot, Loop };

struct SoundCase {
    const char* name;
    Play play;
    double maxSeconds;

    friend void PrintTo(const SoundCase& c, std::ostream* out) { *out << c.name; }
};

// How each sound is played, and how long its use allows it to be.
const SoundCase kSoundCases[] = {
    {"ari.wav", Play::Loop, 8},          {"asa.wav", Play::OneShot, 20},
    {"doorclose.wav", Play::OneShot, 3}, {"dooropen.wav", Play::OneShot, 3},
    {"fire.wav", Play::Loop, 8},         {"fish.wav", Play::Loop, 8},
    {"karappo.wav", Play::Loop, 10},     {"keylock.wav", Play::OneShot, 3},
    {"ooo.wav", Play::OneShot, 8},       {"oop.wav", Play::OneShot, 5},
    {"opening.wav", Play::OneShot, 75},  {"room.wav", Play::Loop, 8},
    {"sa.wav", Play::OneShot, 3},        {"step2.wav", Play::OneShot, 1.5},
    {"suzumusi.wav", Play::Loop, 10},    {"voice.wav", Play::Loop, 8},
    {"water.wav", Play::Loop, 8},
};

class SoundContentTest : public testing::TestWithParam<SoundCase> {
  protected:
    void SetUp() override {
        DecodeResult decoded = DecodeSound(SynthesiseSound(GetParam().name));
        ASSERT_TRUE(decoded.sound) << decoded.error;
        sound_ = std::move(*decoded.sound);
    }
    const std::vector<float>& Samples() const { return sound_.channels[0]; }

    DecodedSound sound_;
};

TEST_P(SoundContentTest, IsMonoPcmStreamableFromByte100AndAudibleWithHeadroom) {
    const WaveFormat& format = sound_.format;
    EXPECT_EQ(std::tie(format.formatTag, format.channels, format.bitsPerSample, format.blockAlign),
              std::make_tuple(1, 1, 16, 2));
    EXPECT_EQ(std::tie(format.samplesPerSec, format.avgBytesPerSec), std::make_tuple(22050, 44100));
    EXPECT_GT(sound_.streamStartFrame, 0u) << "byte 100 lies before the samples";
    EXPECT_GE(sound_.FrameCount(), sound_.streamStartFrame + format.samplesPerSec);
    EXPECT_LE(sound_.Seconds(), GetParam().maxSeconds);

    // Heard where it is played, and below half of full scale to leave headroom for mixing.
    float loudest = 0, loudestPlayed = 0;
    for (size_t i = 0; i < Samples().size(); ++i) {
        const float level = std::fabs(Samples()[i]);
        loudest = std::max(loudest, level);
        if (i >= sound_.streamStartFrame) loudestPlayed = std::max(loudestPlayed, level);
    }
    EXPECT_GT(loudestPlayed, 0.12f);
    EXPECT_LT(loudest, 0.5f);
}

TEST_P(SoundContentTest, LoopsJoinWithoutAClickAndOneShotsLoseNothing) {
    const std::vector<float>& samples = Samples();
    constexpr double kStep = 1 / 32768.0;  // one step of a 16-bit sample
    if (GetParam().play == Play::Loop) {
        double meanStep = 0;
        for (size_t i = 1; i < samples.size(); ++i)
            meanStep += std::fabs(samples[i] - samples[i - 1]);
        meanStep /= static_cast<double>(samples.size() - 1);
        const double seam = std::fabs(samples.back() - samples[sound_.streamStartFrame]);
        EXPECT_LE(seam, 4 * meanStep + kStep) << "mean step " << meanStep;
    } else {
        for (size_t i = 0; i < sound_.streamStartFrame; ++i) EXPECT_EQ(samples[i], 0) << i;
        EXPECT_LE(std::fabs(samples.back()), 300 * kStep);
    }
}

INSTANTIATE_TEST_SUITE_P(EverySound, SoundContentTest, testing::ValuesIn(kSoundCases),
                         [](const testing::TestParamInfo<SoundCase>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

// Every wave row has a case and a sound of its own, the set stays small, and a name without a
// recipe is refused.
TEST(SoundSetTest, CoversEveryWaveRowWithItsOwnSound) {
    std::set<Bytes> sounds;
    size_t total = 0;
    for (int row = 0; row < kAssetCount; ++row) {
        if (KindOfRow(row) != AssetKind::Wave) continue;
        const std::string_view name = kAssetNames[static_cast<size_t>(row)];
        EXPECT_TRUE(std::any_of(std::begin(kSoundCases), std::end(kSoundCases),
                                [name](const SoundCase& c) { return c.name == name; }))
            << name;
        const Bytes wave = SynthesiseSound(name);
        total += wave.size();
        EXPECT_TRUE(sounds.insert(wave).second) << name;
    }
    EXPECT_EQ(sounds.size(), std::size(kSoundCases));
    EXPECT_LT(total, 8u << 20);
    EXPECT_THROW(SynthesiseSound("unknown.wav"), std::runtime_error);
}

}  // namespace
