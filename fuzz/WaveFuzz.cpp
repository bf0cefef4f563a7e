// Feeds arbitrary bytes to the WAV reader as if they were a sound's file image from the archive.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "audio/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LoadWave wave;
    if (Failed(wave.Open(std::vector<uint8_t>(data, data + size)))) {
        if (!wave.Image().empty()) std::abort();
        return 0;
    }
    // The samples a voice streams must lie inside the image.
    if (wave.DataOffset() > size || wave.DataSize() > size - wave.DataOffset()) std::abort();
    return 0;
}
