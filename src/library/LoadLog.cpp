#include "library/LoadLog.h"

#include "library/Utf.h"

void ReportFailedLoad(const LoadLog& log, std::span<const AssetEntry> catalogue, int index) {
    if (!log) return;
    const std::u16string_view name =
        index >= 0 && static_cast<size_t>(index) < catalogue.size() ? catalogue[index].name : u"";
    log("Fail:" + Utf16ToUtf8(name) + " \n");
}
