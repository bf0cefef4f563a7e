#include "SaveFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>

namespace {

std::filesystem::path& FolderOverride() {
    static std::filesystem::path folder;
    return folder;
}

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

std::filesystem::path UserFolder() {
    if (const char* localAppData = NonEmptyEnv("LOCALAPPDATA")) {
        return std::filesystem::path(std::string(localAppData) + "Low") / "Quillbarrow" /
               "Hollowmere";
    }
    std::filesystem::path dataHome;
    const char* xdgDataHome = NonEmptyEnv("XDG_DATA_HOME");
    if (xdgDataHome != nullptr && std::filesystem::path(xdgDataHome).is_absolute()) {
        dataHome = xdgDataHome;
    } else if (const char* home = NonEmptyEnv("HOME")) {
        dataHome = std::filesystem::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return dataHome / "Quillbarrow" / "Hollowmere";
}

// Owns a POSIX file descriptor.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, reporting the result (a deferred write error can surface here).
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

bool WriteAll(int fd, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<size_t>(written));
    }
    return true;
}

// Makes a finished rename durable. Best effort: the rename itself has already succeeded.
void SyncFolder(const std::filesystem::path& folder) {
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
}

}  // namespace

std::filesystem::path SaveFolder(std::string_view name) {
    const std::filesystem::path& override = FolderOverride();
    const std::filesystem::path folder = override.empty() ? UserFolder() : override;
    if (folder.empty()) return {};
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / (std::string(name) + ".sav");
}

void SetSaveFolderOverride(std::filesystem::path folder) {
    FolderOverride() = std::move(folder);
}

std::optional<std::vector<std::byte>> ReadFileOfSize(const std::filesystem::path& path,
                                                     size_t size) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) return std::nullopt;
    // One byte more than wanted, to tell a longer file from an exact one.
    std::vector<std::byte> bytes(size + 1);
    size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        filled += static_cast<size_t>(got);
    }
    if (filled != size) return std::nullopt;
    bytes.resize(size);
    return bytes;
}

bool ReplaceFile(const std::filesystem::path& path, std::span<const std::byte> bytes) {
    const std::filesystem::path folder = path.parent_path();
    std::string tempName = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    FileDescriptor temp(::mkostemp(tempName.data(), O_CLOEXEC));
    if (!temp.valid()) return false;
    const bool written = WriteAll(temp.get(), bytes) && ::fsync(temp.get()) == 0 && temp.Close() &&
                         ::rename(tempName.c_str(), path.c_str()) == 0;
    if (!written) {
        ::unlink(tempName.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}
