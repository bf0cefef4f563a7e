#pragma once

namespace testsupport {

// LeakSanitizer looks for leaks after SDL has unloaded the GL driver at exit; whatever the driver
// still holds in its globals then looks leaked from an unknown module. Call this while a GL context
// exists to keep the loaded driver in memory until the process ends.
void KeepGlDriverResident();

}  // namespace testsupport
