#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "Columns.h"
#include "DecodedSound.h"
#include "ListenCommand.h"
#include "Sonogram.h"
#include "Waveform.h"
#include "support/TempFolder.h"
#include "support/WaveBytes.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// ---- FFT and spectrogram ----

// A half-scale sine on bin 32 of 512-sample frames reads -6 dB there in every column, the first
// and last included (their frames reach past the signal), and the floor where there is silence.
TEST(Sonogram, ReadsASinesLevelAtItsBinInEveryColumn) {
    constexpr size_t kFrame = 512, kBin = 32, kColumns = 16;
    std::vector<float> samples(8192);
    for (size_t n = 0; n < samples.size(); ++n) {
        samples[n] = 0.5f * static_cast<float>(std::sin(2 * std::numbers::pi * kBin * n / kFrame));
    }
    const Sonogram spectrogram(samples, kColumns, kFrame);
    ASSERT_EQ(spectrogram.BinCount(), kFrame / 2 + 1);
    for (size_t column = 0; column < kColumns; ++column) {
        size_t peak = 0;
        for (size_t bin = 0; bin < spectrogram.BinCount(); ++bin) {
            if (spectrogram.LevelDb(column, bin) > spectrogram.LevelDb(column, peak)) peak = bin;
        }
        EXPECT_EQ(peak, kBin) << "column " << column;
    }
    EXPECT_NEAR(spectrogram.LevelDb(kColumns / 2, kBin), -6.02, 0.05);

    const Sonogram silence(std::vector<float>(4096, 0.0f), 4, kFrame);
    EXPECT_EQ(silence.LevelDb(2, kBin), Sonogram::kFloorDb);
}

// ---- waveform columns ----

// Each column spans its slice and the first sample of the next, so that the columns join up:
// even and uneven slices, fewer samples than columns, and none.
TEST(Columns, RangesSpanTheirSliceAndTheStartOfTheNext) {
    const struct {
        std::vector<float> samples;
        size_t columns;
        std::vector<SampleRange> expected;
    } cases[] = {
        {{0.1f, -0.2f, 0.5f, 0.4f, -0.9f, 0.0f}, 3, {{-0.2f, 0.5f}, {-0.9f, 0.5f}, {-0.9f, 0.0f}}},
        {{0.3f, -1.0f, 0.2f, 0.7f, 0.6f}, 2, {{-1.0f, 0.3f}, {0.2f, 0.7f}}},
        {{0.25f, -0.5f}, 4, {{0.25f, 0.25f}, {-0.5f, 0.25f}, {-0.5f, -0.5f}, {-0.5f, -0.5f}}},
        {{}, 3, {{}, {}, {}}}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnRanges(c.samples, c.columns), c.expected) << c.samples.size();
    }
}

TEST(Columns, EveryFrameLiesInTheSliceOfItsColumn) {
    for (const auto& [samples, columns] :
         {std::pair<size_t, size_t>{1000, 7}, {1024, 1024}, {3, 10}, {88200, 1024}}) {
        const Columns slices(samples, columns);
        for (size_t frame = 0; frame < samples; ++frame) {
            const size_t column = slices.ColumnOf(frame);
            ASSERT_LT(column, columns);
            ASSERT_LE(slices.Begin(column), frame) << samples << " frames in " << columns;
            ASSERT_LT(frame, slices.End(column)) << samples << " frames in " << columns;
        }
    }
}

// ---- decoding through the game's reader ----

// A canonical 44-byte-header PCM file at 22050 Hz holding `data` as its sample bytes.
Bytes Wave(const Bytes& data, uint16_t channels = 1, uint16_t bits = 16) {
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    return PcmWave(data, {.channels = channels,
                          .rate = 22050,
                          .bits = bits,
                          .avgBytesPerSec = 22050u * align,
                          .blockAlign = align});
}

// Stereo frames split, 16-bit and 8-bit samples scaled round their midpoints, and the frame at
// byte 100 where voices start: past the end of a file that short, so that nothing is played.
TEST(DecodeSound, SplitsChannelsScalesSamplesAndFindsTheFrameAtByte100) {
    std::vector<int16_t> samples(2 * 40, 0);
    std::ranges::copy(std::initializer_list<int16_t>{16384, -32768, -8192, 32767}, samples.begin());
    const DecodeResult result = DecodeSound(Wave(Pcm16(samples), 2));
    ASSERT_TRUE(result.sound) << result.error;
    const DecodedSound& sound = *result.sound;
    ASSERT_EQ(sound.channels.size(), 2u);
    EXPECT_EQ(sound.FrameCount(), 40u);
    EXPECT_FLOAT_EQ(sound.channels[0][0], 0.5f);
    EXPECT_FLOAT_EQ(sound.channels[1][0], -1.0f);
    EXPECT_FLOAT_EQ(sound.channels[0][1], -0.25f);
    EXPECT_FLOAT_EQ(sound.channels[1][1], 32767 / 32768.0f);
    EXPECT_EQ(sound.streamStartFrame, (100u - 44u) / 4u);

    const DecodeResult eightBit = DecodeSound(Wave({0, 128, 255}, 1, 8));
    ASSERT_TRUE(eightBit.sound) << eightBit.error;
    EXPECT_EQ(eightBit.sound->channels[0], (std::vector<float>{-1.0f, 0.0f, 127 / 128.0f}));
    EXPECT_EQ(eightBit.sound->streamStartFrame, 3u);
}

Bytes Cut(Bytes bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes GoodWave() {
    return Wave(Bytes(200, 0x11));
}

// ---- the command ----

class ListenCommandTest : public testing::Test {
  protected:
    fs::path Write(const std::string& name, const Bytes& bytes) {
        WriteBytes(folder_ / name, bytes);
        return folder_ / name;
    }

    int Run(std::vector<std::string> args, std::span<const AssetEntry> catalogue = {}) {
        out_.str({});
        err_.str({});
        return RunListen(args, catalogue, out_, err_);
    }

    TempFolder temp_;
    const fs::path folder_ = temp_.Path();
    std::ostringstream out_, err_;
};

// The decoder refuses what the game's reader refuses (its own tests hold each reason), and what
// the game does not play (each reason is tested with the sound table).
TEST_F(ListenCommandTest, RefusesALooseFileWithOneLineNamingItAndNoPicture) {
    for (const auto& [name, bytes] :
         {std::pair{"cut.wav", Cut(GoodWave(), 150)}, {"deep.wav", Wave(Bytes(30, 0), 1, 24)}}) {
        const fs::path picture = folder_ / "refused.png";
        EXPECT_EQ(Run({Write(name, bytes).string(), picture.string()}), kListenBadData) << name;
        const std::string error = err_.str();
        EXPECT_NE(error.find(name), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), error.size() - 1) << error;
        EXPECT_FALSE(fs::exists(picture));
    }
}

TEST_F(ListenCommandTest, DrawsEverySoundRowAndNamesTheRowsItCannot) {
    const Bytes tone = GoodWave();
    const Bytes broken = Cut(GoodWave(), 60);
    const AssetEntry catalogue[] = {
        {4, 0, u"sight.png"},
        {static_cast<uint32_t>(tone.size()), 4, u"fire.wav"},
        {static_cast<uint32_t>(broken.size()), static_cast<uint32_t>(4 + tone.size()), u"sa.wav"},
    };
    Bytes archive{'P', 'N', 'G', '!'};
    archive.insert(archive.end(), tone.begin(), tone.end());
    archive.insert(archive.end(), broken.begin(), broken.end());
    const fs::path archivePath = Write("data.dat", archive);
    const fs::path pictures = folder_ / "pictures";

    EXPECT_EQ(Run({"--all", archivePath.string(), pictures.string()}, catalogue), kListenBadData);
    EXPECT_TRUE(fs::exists(pictures / "fire.png"));
    EXPECT_FALSE(fs::exists(pictures / "sa.png"));
    EXPECT_FALSE(fs::exists(pictures / "sight.png"));
    EXPECT_NE(err_.str().find("sa.wav"), std::string::npos) << err_.str();

    // One row by name without its extension, and by index.
    EXPECT_EQ(Run({archivePath.string(), "fire", (folder_ / "one.png").string()}, catalogue),
              kListenOk);
    std::ifstream png(folder_ / "one.png", std::ios::binary);
    char magic[4] = {};
    png.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    EXPECT_EQ(Run({archivePath.string(), "0", (folder_ / "x.png").string()}, catalogue),
              kListenUsage);
}

TEST_F(ListenCommandTest, WrongArgumentsAreUsageErrors) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"only.wav"},
                                                 {"--all", "data.dat"},
                                                 {"--help", "a", "b"},
                                                 {"a", "b", "c", "d"}}) {
        EXPECT_EQ(Run(args), kListenUsage) << args.size() << " arguments";
    }
}

}  // namespace
