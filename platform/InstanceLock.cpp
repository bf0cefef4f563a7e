#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace platform {

std::filesystem::path InstanceLock::DefaultFolder() {
    // The XDG base-directory rules say a relative value must be ignored.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
        std::filesystem::path folder(runtime);
        if (folder.is_absolute()) return folder;
    }
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path("/tmp") : temp;
}

InstanceLock::InstanceLock(std::filesystem::path folder)
    : path_(std::move(folder) / "hollowmere") {}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);  // closing the last descriptor releases the lock
}

bool InstanceLock::Acquire() {
    if (fd_ >= 0) return true;

    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::fprintf(stderr,
                     "hollowmere: cannot open the instance lock %s (%s); running unguarded\n",
                     path_.c_str(), std::strerror(errno));
        return true;
    }
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        fd_ = fd;
        return true;
    }
    const int error = errno;
    close(fd);
    if (error == EWOULDBLOCK) return false;
    std::fprintf(stderr, "hollowmere: cannot lock %s (%s); running unguarded\n", path_.c_str(),
                 std::strerror(error));
    return true;
}

}  // namespace platform
