#include "audio/WaveFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "library/LittleEndian.h"

namespace {

constexpr size_t kChunkHeaderSize = 8;    // four-character id, then the 32-bit body size
constexpr size_t kFormatRecordSize = 18;  // WAVEFORMATEX
constexpr size_t kPcmRecordSize = 16;     // PCMWAVEFORMAT: the record without extraSize

// A chunk body as absolute offsets into the image.
struct Chunk {
    size_t body;
    size_t size;

    size_t End() const { return body + size; }
    // Where the next sibling starts: bodies are word aligned, so an odd one has a pad byte.
    size_t NextSibling() const { return End() + (size & 1); }
};

bool HasId(std::span<const uint8_t> image, size_t at, std::string_view id) {
    return std::equal(id.begin(), id.end(), image.begin() + static_cast<ptrdiff_t>(at));
}

// Walks the sibling chunks laid out in image[begin, end) and returns the first with the four
// character `id` and, when `form` is given, whose body starts with that form type. A matching chunk
// whose body runs past `end` is malformed: nullopt, as when no chunk matches.
std::optional<Chunk> FindChunk(std::span<const uint8_t> image, size_t begin, size_t end,
                               std::string_view id, std::string_view form = {}) {
    // 64-bit positions: a body size near 4 GiB must not wrap around.
    uint64_t at = begin;
    while (at + kChunkHeaderSize <= end) {
        const size_t header = static_cast<size_t>(at);
        const uint64_t bodySize = LoadLe32(&image[header + 4]);
        const uint64_t bodyEnd = at + kChunkHeaderSize + bodySize;
        if (HasId(image, header, id)) {
            if (bodyEnd > end) return std::nullopt;
            const Chunk chunk{header + kChunkHeaderSize, static_cast<size_t>(bodySize)};
            if (form.empty() || (chunk.size >= form.size() && HasId(image, chunk.body, form))) {
                return chunk;
            }
        }
        at = bodyEnd + (bodySize & 1);
    }
    return std::nullopt;
}

WaveFormat DecodeFormat(std::span<const uint8_t> image, const Chunk& fmt) {
    // A shorter chunk leaves the rest of the record zero; a longer one is cut at the record.
    std::array<uint8_t, kFormatRecordSize> record{};
    std::copy_n(&image[fmt.body], std::min(fmt.size, record.size()), record.begin());
    return WaveFormat{
        .formatTag = LoadLe16(&record[0]),
        .channels = LoadLe16(&record[2]),
        .samplesPerSec = LoadLe32(&record[4]),
        .avgBytesPerSec = LoadLe32(&record[8]),
        .blockAlign = LoadLe16(&record[12]),
        .bitsPerSample = LoadLe16(&record[14]),
        .extraSize = LoadLe16(&record[16]),
    };
}

}  // namespace

HRESULT ParseWave(std::span<const uint8_t> image, WaveInfo& info) {
    const auto riff = FindChunk(image, 0, image.size(), "RIFF", "WAVE");
    if (!riff) return E_FAIL;
    const size_t formBegin = riff->body + 4;  // after the form type
    const auto fmt = FindChunk(image, formBegin, riff->End(), "fmt ");
    if (!fmt || fmt->size < kPcmRecordSize) return E_FAIL;
    // The samples follow the format: the data chunk is looked for only after the fmt chunk.
    const auto data = FindChunk(image, fmt->NextSibling(), riff->End(), "data");
    if (!data) return E_FAIL;

    info = WaveInfo{DecodeFormat(image, *fmt), data->body, static_cast<uint32_t>(data->size)};
    return S_OK;
}

HRESULT LoadWave::Open(std::vector<uint8_t> image) {
    image_ = {};
    info_ = {};
    WaveInfo info;
    if (Failed(ParseWave(image, info))) return E_FAIL;
    image_ = std::move(image);
    info_ = info;
    return S_OK;
}
