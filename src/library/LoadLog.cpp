#include "library/LoadLog.h"

#include "library/Utf.h"

void ReportFailedLoad(const LoadLog& log, std::span<const AssetEntry> catalogue, int index,
                      std::string_view why) {
    if (!log) return;
    const std::u16string_view name =
        index >= 0 && static_cast<size_t>(index) < catalogue.size() ? catalogue[index].name : u"";
    std::string message = "Fail:" + Utf16ToUtf8(name) + " \n";
    if (!why.empty()) message.append("  ").append(why).append("\n");
    log(message);
}
