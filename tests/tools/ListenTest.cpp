#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "DecodedSound.h"
#include "ListenCommand.h"
#include "SoundPicture.h"
#include "library/ImageLoader.h"
#include "support/TempFolder.h"
#include "support/WaveBytes.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

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

// 8-bit samples are unsigned round 128; voices start at byte 100, past the end of a file that
// short, so that nothing is played.
TEST(DecodeSound, ScalesEightBitSamplesRoundTheirMidpoint) {
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

    // One row by name without its extension; an index that is no sound row is refused.
    EXPECT_EQ(Run({archivePath.string(), "fire", (folder_ / "one.png").string()}, catalogue),
              kListenOk);
    EXPECT_TRUE(fs::exists(folder_ / "one.png"));
    EXPECT_EQ(Run({archivePath.string(), "0", (folder_ / "x.png").string()}, catalogue),
              kListenUsage);
}

// A stereo file, a half-scale tone on the left and the right held at full scale: each lane
// shows its own channel, the tone reaching half way and the right lane in the clipping colour;
// the marker stands where voices start (frame 14, byte 100); the spectrogram is bright on the
// tone's row and dark far from it.
TEST_F(ListenCommandTest, DrawsAToneInItsLaneAndOnItsRowOfTheSpectrogram) {
    constexpr size_t kFrames = 8192, kBin = 32;  // 22050 / 512 * 32 = 1378 Hz
    std::vector<int16_t> samples;
    for (size_t n = 0; n < kFrames; ++n) {
        samples.push_back(static_cast<int16_t>(
            std::lround(16384 * std::sin(2 * std::numbers::pi * kBin * n / 512))));
        samples.push_back(-32768);
    }
    const fs::path picture = folder_ / "tone.png";
    ASSERT_EQ(Run({Write("tone.wav", Wave(Pcm16(samples), 2)).string(), picture.string()}),
              kListenOk)
        << err_.str();
    EXPECT_EQ(out_.str(), "tone.wav -> " + picture.string() + "\n");
    const std::optional<gfx::Image> image = DecodeImage(ReadBytes(picture));
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size, (gfx::Size{1024, 18 + 200 + 1 + 256}));
    const auto rgb = [&](int x, int y) {
        const uint8_t* p = &image->rgba[(static_cast<size_t>(y) * 1024 + x) * 4];
        return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    };
    constexpr uint32_t kWave = 0x6EC3FF, kClipped = 0xFF4632, kMarker = 0xFFD700;
    // The left lane: centre row 68, half scale 25 rows either side; a column holds half a period.
    EXPECT_EQ(rgb(500, 43), kWave);
    EXPECT_NE(rgb(500, 42), kWave);
    EXPECT_EQ(rgb(501, 93), kWave);
    EXPECT_NE(rgb(501, 94), kWave);
    EXPECT_EQ(rgb(500, 18 + 100 + 50 + 49), kClipped);
    EXPECT_EQ(rgb(14 * 1024 / kFrames, 20), kMarker);
    // Spectrogram rows run from the Nyquist frequency (bin 256) at the top down to bin 0.
    const auto rowOfBin = [](int bin) { return 18 + 200 + 1 + 255 - bin; };
    EXPECT_GT(rgb(500, rowOfBin(kBin)) >> 16, 200u);
    EXPECT_LT(rgb(500, rowOfBin(4 * kBin)) >> 16, 40u);

    const DecodeResult decoded = DecodeSound(ReadBytes(folder_ / "tone.wav"));
    ASSERT_TRUE(decoded.sound);
    EXPECT_EQ(Caption("tone.wav", *decoded.sound),
              "tone.wav   22050 HZ   STEREO   16 BIT   0.372 S");
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
