// The synthesised sounds as the game's voices meet them: parsed by the RIFF reader, streamed from
// byte 100, and for the loops restarted there at the end of the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "Sounds.h"
#include "audio/WaveFile.h"
#include "library/AssetNames.h"
#include "library/LittleEndian.h"

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

struct DecodedSound {
    WaveInfo info{};
    std::vector<int16_t> samples;
    size_t streamStart = 0;  // index of the sample at kStreamStartByte
};

DecodedSound Decode(const Bytes& wave) {
    DecodedSound sound;
    EXPECT_EQ(ParseWave(wave, sound.info), S_OK);
    for (size_t i = sound.info.dataOffset; i + 1 < sound.info.dataOffset + sound.info.dataSize;
         i += 2) {
        sound.samples.push_back(static_cast<int16_t>(LoadLe16(&wave[i])));
    }
    sound.streamStart = (kStreamStartByte - sound.info.dataOffset) / 2;
    return sound;
}

class SoundContentTest : public testing::TestWithParam<SoundCase> {
  protected:
    void SetUp() override { sound_ = Decode(SynthesiseSound(GetParam().name)); }
    DecodedSound sound_;
};

TEST_P(SoundContentTest, IsMonoPcmStreamableFromByte100AndAudibleWithHeadroom) {
    const WaveFormat& format = sound_.info.format;
    EXPECT_EQ(std::tie(format.formatTag, format.channels, format.bitsPerSample, format.blockAlign),
              std::make_tuple(1, 1, 16, 2));
    EXPECT_EQ(std::tie(format.samplesPerSec, format.avgBytesPerSec), std::make_tuple(22050, 44100));
    EXPECT_LT(sound_.info.dataOffset, kStreamStartByte);
    EXPECT_EQ((kStreamStartByte - sound_.info.dataOffset) % 2, 0u) << "byte 100 splits a sample";
    EXPECT_GE(sound_.samples.size(), sound_.streamStart + format.samplesPerSec);
    EXPECT_LE(sound_.samples.size(), GetParam().maxSeconds * format.samplesPerSec);

    // Heard where it is played, and below half of full scale to leave headroom for mixing.
    int loudest = 0, loudestPlayed = 0;
    for (size_t i = 0; i < sound_.samples.size(); ++i) {
        const int level = std::abs(int{sound_.samples[i]});
        loudest = std::max(loudest, level);
        if (i >= sound_.streamStart) loudestPlayed = std::max(loudestPlayed, level);
    }
    EXPECT_GT(loudestPlayed, 4000);
    EXPECT_LT(loudest, 16384);
}

// A loop restarts at byte 100 when it runs off the end: the step from its last sample to that one
// must be no bigger than the steps inside the sound, or it clicks on every turn.
TEST_P(SoundContentTest, LoopsJoinWithoutAClickAndOneShotsLoseNothing) {
    const auto& samples = sound_.samples;
    if (GetParam().play == Play::Loop) {
        double meanStep = 0;
        for (size_t i = 1; i < samples.size(); ++i) {
            meanStep += std::abs(samples[i] - samples[i - 1]);
        }
        meanStep /= static_cast<double>(samples.size() - 1);
        const int seam = std::abs(samples.back() - samples[sound_.streamStart]);
        EXPECT_LE(seam, 4 * meanStep + 1) << "mean step " << meanStep;
    } else {
        for (size_t i = 0; i < sound_.streamStart; ++i) EXPECT_EQ(samples[i], 0) << i;
        EXPECT_LE(std::abs(samples.back()), 300);
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
