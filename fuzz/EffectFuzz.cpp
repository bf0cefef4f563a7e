// Feeds arbitrary bytes to the effect file's reader as if they were row 6 of the archive.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "library/EffectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<EffectFile> file = ParseEffectFile(text, error);
    if (!file) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    // A file that parses names existing stages for every pass (a missing one would throw).
    for (int pass = 0; pass < kEffectPassCount; ++pass) file->SourceOf(pass);
    return 0;
}
