#pragma once
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "library/Archive.h"

// Where the caches report an asset that failed to load; the game goes on without the asset. By
// default nothing is reported.
using LoadLog = std::function<void(std::string_view message)>;

// Reports "Fail:<catalogue name> \n" for row `index`, when a log is set, followed by `why` on an
// indented line of its own when it is not empty.
void ReportFailedLoad(const LoadLog& log, std::span<const AssetEntry> catalogue, int index,
                      std::string_view why = {});
