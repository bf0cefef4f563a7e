#include "audio/WaveFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <vector>

#include "support/WaveBytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// A chunk with its pad byte when the body is odd.
Bytes Chunk(std::string_view id, const Bytes& body) {
    Bytes out(id.begin(), id.end());
    PutLe(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) out.push_back(0);
    return out;
}

Bytes Riff(const Bytes& content, std::string_view form = "WAVE") {
    return Chunk("RIFF", Concat({Bytes(form.begin(), form.end()), content}));
}

// 16-bit stereo PCM at 44100 Hz, `size` bytes long; from 18 bytes on, extraSize counts the rest.
Bytes Fmt(size_t size) {
    Bytes out{1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0};
    if (size >= 18) out.insert(out.end(), {static_cast<uint8_t>(size - 18), 0});
    out.resize(size, 0xEE);
    return Chunk("fmt ", out);
}

Bytes Data(size_t count) {
    return Chunk("data", Bytes(count, 0x5A));
}

// The canonical file: 12-byte RIFF header, 24-byte fmt chunk, data header, samples from byte 44.
Bytes CanonicalWave() {
    return Riff(Concat({Fmt(16), Data(100)}));
}

// Byte offsets into CanonicalWave() of the RIFF, fmt and data sizes.
constexpr size_t kRiffSizeAt = 4, kFmtSizeAt = 16, kDataSizeAt = 40;

Bytes With(Bytes bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

struct LayoutCase {
    const char* name;
    Bytes file;
    uint16_t extraSize;
    size_t dataOffset;

    friend void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }
};

class WaveLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(WaveLayout, FindsFormatAndData) {
    WaveInfo info{};
    ASSERT_EQ(ParseWave(GetParam().file, info), S_OK);
    const WaveFormat& f = info.format;
    EXPECT_EQ(std::tie(f.channels, f.samplesPerSec, f.avgBytesPerSec, f.bitsPerSample),
              std::make_tuple(2, 44100, 176400, 16));
    EXPECT_EQ(info.format.extraSize, GetParam().extraSize);
    EXPECT_EQ(info.dataOffset, GetParam().dataOffset);
    EXPECT_EQ(info.dataSize, 7u);
}

INSTANTIATE_TEST_SUITE_P(
    Riff, WaveLayout,
    testing::Values(LayoutCase{"Canonical", Riff(Concat({Fmt(16), Data(7)})), 0, 44},
                    LayoutCase{"FullFormatRecord", Riff(Concat({Fmt(18), Data(7)})), 0,
                               12 + 26 + 8},
                    LayoutCase{"ExtensibleFormatCutAtTheRecord", Riff(Concat({Fmt(40), Data(7)})),
                               22, 12 + 48 + 8},
                    LayoutCase{"OddChunksArePadded",
                               Riff(Concat({Chunk("LIST", Bytes(3)), Fmt(16),
                                            Chunk("junk", Bytes(5)), Data(7)})),
                               0, 12 + 12 + 24 + 14 + 8},
                    LayoutCase{"BytesAfterTheRiffChunk",
                               Concat({Riff(Concat({Fmt(16), Data(7)})), Bytes(9)}), 0, 44}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

struct MalformedCase {
    const char* name;
    Bytes file;

    friend void PrintTo(const MalformedCase& c, std::ostream* out) { *out << c.name; }
};

class MalformedWave : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedWave, FailsAndLeavesTheResultAlone) {
    WaveInfo info{};
    info.dataSize = 12345;
    EXPECT_EQ(ParseWave(GetParam().file, info), E_FAIL);
    EXPECT_EQ(info.dataSize, 12345u);
}

Bytes TruncatedChunkHeader() {
    Bytes bytes = Concat({Riff(Fmt(16)), {'d', 'a', 't', 'a', 7}});
    return With(bytes, kRiffSizeAt, static_cast<uint32_t>(bytes.size() - 8));
}

INSTANTIATE_TEST_SUITE_P(
    Riff, MalformedWave,
    testing::Values(
        MalformedCase{"Empty", {}}, MalformedCase{"Rifx", With(CanonicalWave(), 0, 0x58464952)},
        MalformedCase{"NotWave", Riff(Concat({Fmt(16), Data(7)}), "AVI ")},
        MalformedCase{"RiffTooShortForItsForm", Chunk("RIFF", Bytes(3))},
        MalformedCase{"RiffPastTheEnd", With(CanonicalWave(), kRiffSizeAt, 137)},
        MalformedCase{"RiffSizeOverflows", With(CanonicalWave(), kRiffSizeAt, 0xFFFFFFFFu)},
        MalformedCase{"MissingFormat", Riff(Data(7))},
        MalformedCase{"FormatShorterThanPcm", Riff(Concat({Fmt(14), Data(7)}))},
        MalformedCase{"FormatPastTheEnd", With(CanonicalWave(), kFmtSizeAt, 200)},
        // 20 + 0xFFFFFFFC wraps to 16 in 32 bits: a walk that wraps loops or rereads the header.
        MalformedCase{"FormatSizeWraps", With(CanonicalWave(), kFmtSizeAt, 0xFFFFFFFCu)},
        MalformedCase{"SkippedChunkSizeWraps",
                      With(Riff(Concat({Chunk("LIST", {}), Fmt(16), Data(7)})), 16, 0xFFFFFFFCu)},
        MalformedCase{"MissingData", Riff(Fmt(16))},
        MalformedCase{"DataBeforeFormat", Riff(Concat({Data(7), Fmt(16)}))},
        MalformedCase{"DataPastTheEnd", With(CanonicalWave(), kDataSizeAt, 101)},
        MalformedCase{"DataSizeOverflows", With(CanonicalWave(), kDataSizeAt, 0xFFFFFFFFu)},
        MalformedCase{"DataOutsideTheRiffChunk", Concat({Riff(Fmt(16)), Data(7)})},
        MalformedCase{"TruncatedChunkHeader", TruncatedChunkHeader()}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(LoadWave, KeepsTheImageItParsedAndNothingAfterAFailedOpen) {
    LoadWave wave;
    const Bytes image = CanonicalWave();
    ASSERT_EQ(wave.Open(image), S_OK);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), wave.Image().begin(), wave.Image().end()));
    EXPECT_EQ(wave.DataOffset(), 44u);
    EXPECT_EQ(wave.DataSize(), 100u);
    EXPECT_EQ(wave.Open(Bytes{'R', 'I', 'F', 'F'}), E_FAIL);
    EXPECT_TRUE(wave.Image().empty());
    EXPECT_EQ(wave.DataSize(), 0u);
}

}  // namespace
