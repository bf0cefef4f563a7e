#include "audio/WaveFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Append16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Append32(Bytes& out, uint32_t v) {
    Append16(out, static_cast<uint16_t>(v));
    Append16(out, static_cast<uint16_t>(v >> 16));
}

void Set32(Bytes& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// A chunk with its pad byte when the body is odd.
Bytes Chunk(std::string_view id, const Bytes& body) {
    Bytes out(id.begin(), id.end());
    Append32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) out.push_back(0);
    return out;
}

Bytes Riff(const Bytes& content, std::string_view form = "WAVE") {
    return Chunk("RIFF", Concat({Bytes(form.begin(), form.end()), content}));
}

// 16-bit stereo PCM at 44100 Hz, `size` bytes long; from 18 bytes on, extraSize counts the rest.
Bytes PcmFormat(size_t size) {
    Bytes out;
    Append16(out, 1);
    Append16(out, 2);
    Append32(out, 44100);
    Append32(out, 176400);
    Append16(out, 4);
    Append16(out, 16);
    if (size >= 18) Append16(out, static_cast<uint16_t>(size - 18));
    out.resize(size, 0xEE);
    return out;
}

Bytes Samples(size_t count) {
    Bytes out(count);
    for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(i);
    return out;
}

// The canonical file: 12-byte RIFF header, 24-byte fmt chunk, data header, samples from byte 44.
Bytes CanonicalWave() {
    return Riff(Concat({Chunk("fmt ", PcmFormat(16)), Chunk("data", Samples(100))}));
}

TEST(ParseWave, ReadsACanonicalPcmFile) {
    WaveInfo info{};
    ASSERT_EQ(ParseWave(CanonicalWave(), info), S_OK);
    EXPECT_EQ(info.format.formatTag, 1);
    EXPECT_EQ(info.format.channels, 2);
    EXPECT_EQ(info.format.samplesPerSec, 44100u);
    EXPECT_EQ(info.format.avgBytesPerSec, 176400u);
    EXPECT_EQ(info.format.blockAlign, 4);
    EXPECT_EQ(info.format.bitsPerSample, 16);
    EXPECT_EQ(info.format.extraSize, 0);
    EXPECT_EQ(info.dataOffset, 44u);
    EXPECT_EQ(info.dataSize, 100u);
}

struct LayoutCase {
    const char* name;
    std::function<Bytes()> make;
    uint16_t extraSize;
    size_t dataOffset;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class WaveLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(WaveLayout, FindsFormatAndData) {
    WaveInfo info{};
    ASSERT_EQ(ParseWave(GetParam().make(), info), S_OK);
    EXPECT_EQ(info.format.bitsPerSample, 16);
    EXPECT_EQ(info.format.extraSize, GetParam().extraSize);
    EXPECT_EQ(info.dataOffset, GetParam().dataOffset);
    EXPECT_EQ(info.dataSize, 7u);
}

INSTANTIATE_TEST_SUITE_P(
    Riff, WaveLayout,
    testing::Values(
        LayoutCase{
            "FullFormatRecord",
            [] {
                return Riff(Concat({Chunk("fmt ", PcmFormat(18)), Chunk("data", Samples(7))}));
            },
            0, 12 + 26 + 8},
        LayoutCase{
            "ExtensibleFormatCutAtTheRecord",
            [] {
                return Riff(Concat({Chunk("fmt ", PcmFormat(40)), Chunk("data", Samples(7))}));
            },
            22, 12 + 48 + 8},
        LayoutCase{"OddChunksArePadded",
                   [] {
                       return Riff(Concat({Chunk("LIST", Samples(3)), Chunk("fmt ", PcmFormat(16)),
                                           Chunk("junk", Samples(5)), Chunk("data", Samples(7))}));
                   },
                   0, 12 + 12 + 24 + 14 + 8},
        LayoutCase{"BytesAfterTheRiffChunk",
                   [] {
                       return Concat(
                           {Riff(Concat({Chunk("fmt ", PcmFormat(16)), Chunk("data", Samples(7))})),
                            Samples(9)});
                   },
                   0, 44}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

struct MalformedCase {
    const char* name;
    std::function<Bytes()> make;
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.name;
}

class MalformedWave : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedWave, Fails) {
    WaveInfo info{};
    info.dataSize = 12345;
    EXPECT_EQ(ParseWave(GetParam().make(), info), E_FAIL);
    EXPECT_EQ(info.dataSize, 12345u) << "a failed parse must leave the result alone";
}

// Byte offsets into CanonicalWave().
constexpr size_t kRiffSizeAt = 4;
constexpr size_t kFmtSizeAt = 16;
constexpr size_t kDataSizeAt = 40;

Bytes CanonicalWith(size_t at, uint32_t value) {
    Bytes bytes = CanonicalWave();
    Set32(bytes, at, value);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Riff, MalformedWave,
    testing::Values(
        MalformedCase{"Empty", [] { return Bytes{}; }},
        MalformedCase{"NotRiff",
                      [] {
                          Bytes bytes = CanonicalWave();
                          bytes[3] = 'X';
                          return bytes;
                      }},
        MalformedCase{"NotWave",
                      [] {
                          return Riff(
                              Concat({Chunk("fmt ", PcmFormat(16)), Chunk("data", Samples(7))}),
                              "AVI ");
                      }},
        MalformedCase{"RiffTooShortForItsForm", [] { return Chunk("RIFF", Samples(3)); }},
        MalformedCase{"RiffPastTheEnd", [] { return CanonicalWith(kRiffSizeAt, 137); }},
        MalformedCase{"RiffSizeOverflows", [] { return CanonicalWith(kRiffSizeAt, 0xFFFFFFFFu); }},
        MalformedCase{"MissingFormat", [] { return Riff(Chunk("data", Samples(7))); }},
        MalformedCase{
            "FormatShorterThanPcm",
            [] {
                return Riff(Concat({Chunk("fmt ", PcmFormat(14)), Chunk("data", Samples(7))}));
            }},
        MalformedCase{"FormatPastTheEnd", [] { return CanonicalWith(kFmtSizeAt, 200); }},
        // 20 + 0xFFFFFFFC wraps to 16 in 32 bits: a walk that wraps loops or reads the header
        // again.
        MalformedCase{"FormatSizeWraps", [] { return CanonicalWith(kFmtSizeAt, 0xFFFFFFFCu); }},
        MalformedCase{"SkippedChunkSizeWraps",
                      [] {
                          Bytes bytes =
                              Riff(Concat({Chunk("LIST", {}), Chunk("fmt ", PcmFormat(16)),
                                           Chunk("data", Samples(7))}));
                          Set32(bytes, 16, 0xFFFFFFFCu);
                          return bytes;
                      }},
        MalformedCase{"MissingData", [] { return Riff(Chunk("fmt ", PcmFormat(16))); }},
        MalformedCase{
            "DataBeforeFormat",
            [] {
                return Riff(Concat({Chunk("data", Samples(7)), Chunk("fmt ", PcmFormat(16))}));
            }},
        MalformedCase{"DataPastTheEnd", [] { return CanonicalWith(kDataSizeAt, 101); }},
        MalformedCase{"DataSizeOverflows", [] { return CanonicalWith(kDataSizeAt, 0xFFFFFFFFu); }},
        MalformedCase{
            "DataOutsideTheRiffChunk",
            [] {
                return Concat({Riff(Chunk("fmt ", PcmFormat(16))), Chunk("data", Samples(7))});
            }},
        MalformedCase{"TruncatedChunkHeader",
                      [] {
                          Bytes bytes = Riff(Chunk("fmt ", PcmFormat(16)));
                          const Bytes partial{'d', 'a', 't', 'a', 7};
                          bytes.insert(bytes.end(), partial.begin(), partial.end());
                          Set32(bytes, kRiffSizeAt, static_cast<uint32_t>(bytes.size() - 8));
                          return bytes;
                      }}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(LoadWave, KeepsTheImageItParsed) {
    LoadWave wave;
    const Bytes image = CanonicalWave();
    ASSERT_EQ(wave.Open(image), S_OK);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), wave.Image().begin(), wave.Image().end()));
    EXPECT_EQ(wave.Format().channels, 2);
    EXPECT_EQ(wave.DataOffset(), 44u);
    EXPECT_EQ(wave.DataSize(), 100u);
}

TEST(LoadWave, FailedOpenKeepsNothing) {
    LoadWave wave;
    ASSERT_EQ(wave.Open(CanonicalWave()), S_OK);
    EXPECT_EQ(wave.Open(Bytes{'R', 'I', 'F', 'F'}), E_FAIL);
    EXPECT_TRUE(wave.Image().empty());
    EXPECT_EQ(wave.DataSize(), 0u);
}

}  // namespace
