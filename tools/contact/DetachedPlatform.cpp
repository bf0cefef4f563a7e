#include "DetachedPlatform.h"

#include <unistd.h>

#include <string>

#include "scene/SaveFile.h"

DetachedPlatform::DetachedPlatform()
    : saveFolder_(std::filesystem::temp_directory_path() /
                  ("hm-contact-" + std::to_string(::getpid()))) {
    SetSaveFolderOverride(saveFolder_);
}

DetachedPlatform::~DetachedPlatform() {
    SetSaveFolderOverride({});
    std::error_code ignored;
    std::filesystem::remove_all(saveFolder_, ignored);
}
