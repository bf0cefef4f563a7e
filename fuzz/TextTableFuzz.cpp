// Feeds arbitrary bytes to the text table loader as if they were the archive's text table file.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "scene/TextData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextData table;
    table.Load(std::span(data, size));
    table.SetLanguage(u"Japanese");
    for (const char16_t* key : {u"Menu_3", u"Key", u""}) (void)table.GetText(key);

    // A key no row can hold (carriage returns are dropped everywhere) must come back as itself.
    const std::u16string missing = u"missing\r";
    if (table.GetText(missing) != missing) std::abort();
    return 0;
}
