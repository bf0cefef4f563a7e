#include "library/ArchivePlaces.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kArchiveName = "data.dat";
}  // namespace

std::vector<fs::path> ArchivePlaces() {
    std::error_code error;
    std::vector<fs::path> places{fs::current_path(error) / kArchiveName};
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return places;
    const fs::path folder = executable.parent_path();
    places.push_back(folder / kArchiveName);
    places.push_back((folder / HM_DATA_FROM_BIN / kArchiveName).lexically_normal());
    return places;
}

fs::path ChooseArchive(const std::vector<fs::path>& places) {
    const auto found = std::ranges::find_if(places, [](const fs::path& place) {
        std::error_code error;
        return fs::is_regular_file(place, error);
    });
    return found != places.end() ? *found : places.front();
}
