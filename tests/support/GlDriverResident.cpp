#include "GlDriverResident.h"

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

namespace testsupport {

void KeepGlDriverResident() {
    std::vector<std::string> modules;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            const std::string name = info->dlpi_name ? info->dlpi_name : "";
            if (!name.empty()) static_cast<std::vector<std::string>*>(found)->push_back(name);
            return 0;
        },
        &modules);
    // Opened outside the iteration, which holds the loader's lock. The handle is never closed.
    for (const std::string& module : modules) dlopen(module.c_str(), RTLD_NOW | RTLD_NOLOAD);
}

}  // namespace testsupport
