#include "audio/StreamLayout.h"

#include <algorithm>

namespace {

constexpr uint16_t kPcmFormatTag = 1;

}  // namespace

bool IsStreamable(const WaveFormat& format) {
    const bool pcm = format.formatTag == kPcmFormatTag;
    const bool channels = format.channels == 1 || format.channels == 2;
    const bool bits = format.bitsPerSample == 8 || format.bitsPerSample == 16;
    return pcm && channels && bits && format.samplesPerSec > 0 &&
           format.blockAlign == format.channels * format.bitsPerSample / 8 &&
           format.avgBytesPerSec >= format.blockAlign;
}

StreamLayout::StreamLayout(const LoadWave& wave)
    : dataOffset_(wave.DataOffset()),
      end_(wave.DataOffset() + wave.DataSize()),
      blockAlign_(wave.Format().blockAlign),
      chunkBytes_(wave.Format().avgBytesPerSec / blockAlign_ * blockAlign_) {}

size_t StreamLayout::ReadPosition(size_t readOffset) const {
    const size_t wanted = std::max({readOffset, kPlaybackStart, dataOffset_});
    const size_t frames = (wanted - dataOffset_ + blockAlign_ - 1) / blockAlign_;
    return std::min(dataOffset_ + frames * blockAlign_, end_);
}

size_t StreamLayout::ReadSize(size_t position) const {
    return std::min<size_t>(chunkBytes_, end_ - position);
}
