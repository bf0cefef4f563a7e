#pragma once

namespace testsupport {

// LeakSanitizer looks for leaks after SDL has unloaded the GL libraries at exit; whatever they
// still hold in their globals then looks leaked from an unknown module. Call this while the GL
// libraries are loaded to keep every loaded module in memory until the process ends.
void KeepGlDriverResident();

}  // namespace testsupport
