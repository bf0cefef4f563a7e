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

// The canonical layout, the full and the extensible format records, odd chunks with their pad
// bytes, and bytes after the RIFF chunk.
TEST(WaveLayout, FindsFormatAndData) {
    const struct {
        Bytes file;
        uint16_t extraSize;
        size_t dataOffset;
    } cases[] = {
        {Riff(Concat({Fmt(16), Data(7)})), 0, 44},
        {Riff(Concat({Fmt(18), Data(7)})), 0, 12 + 26 + 8},
        {Riff(Concat({Fmt(40), Data(7)})), 22, 12 + 48 + 8},
        {Riff(Concat({Chunk("LIST", Bytes(3)), Fmt(16), Chunk("junk", Bytes(5)), Data(7)})), 0,
         12 + 12 + 24 + 14 + 8},
        {Concat({Riff(Concat({Fmt(16), Data(7)})), Bytes(9)}), 0, 44}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        WaveInfo info{};
        ASSERT_EQ(ParseWave(c.file, info), S_OK);
        const WaveFormat& f = info.format;
        EXPECT_EQ(std::tie(f.channels, f.samplesPerSec, f.avgBytesPerSec, f.bitsPerSample),
                  std::make_tuple(2, 44100, 176400, 16));
        EXPECT_EQ(info.format.extraSize, c.extraSize);
        EXPECT_EQ(info.dataOffset, c.dataOffset);
        EXPECT_EQ(info.dataSize, 7u);
    }
}

// Every cut of the canonical file is refused, and the refusal leaves the result alone.
TEST(MalformedWave, EveryCutIsRefused) {
    const Bytes whole = CanonicalWave();
    for (size_t size = 0; size < whole.size(); ++size) {
        WaveInfo info{};
        info.dataSize = 12345;
        ASSERT_EQ(ParseWave(std::span(whole).first(size), info), E_FAIL) << size;
        ASSERT_EQ(info.dataSize, 12345u);
    }
}

// The rules a cut cannot show: the form, the chunks' order and sizes that wrap round.
TEST(MalformedWave, FailsAndLeavesTheResultAlone) {
    const std::pair<const char*, Bytes> cases[] = {
        {"RIFX", With(CanonicalWave(), 0, 0x58464952)},
        {"not WAVE", Riff(Concat({Fmt(16), Data(7)}), "AVI ")},
        {"RIFF size overflows", With(CanonicalWave(), kRiffSizeAt, 0xFFFFFFFFu)},
        {"missing format", Riff(Data(7))},
        {"format shorter than PCM", Riff(Concat({Fmt(14), Data(7)}))},
        // 20 + 0xFFFFFFFC wraps to 16 in 32 bits: a walk that wraps loops or rereads the header.
        {"format size wraps", With(CanonicalWave(), kFmtSizeAt, 0xFFFFFFFCu)},
        {"skipped chunk size wraps",
         With(Riff(Concat({Chunk("LIST", {}), Fmt(16), Data(7)})), 16, 0xFFFFFFFCu)},
        {"missing data", Riff(Fmt(16))},
        {"data before format", Riff(Concat({Data(7), Fmt(16)}))},
        {"data size overflows", With(CanonicalWave(), kDataSizeAt, 0xFFFFFFFFu)},
        {"data outside the RIFF chunk", Concat({Riff(Fmt(16)), Data(7)})}};
    for (const auto& [name, file] : cases) {
        WaveInfo info{};
        info.dataSize = 12345;
        EXPECT_EQ(ParseWave(file, info), E_FAIL) << name;
        EXPECT_EQ(info.dataSize, 12345u) << name;
    }
}

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
