#pragma once
#include <filesystem>

#include "platform/Platform.h"

namespace platform {

// The single-instance guard: an advisory flock on the file "hollowmere" in a folder. The kernel
// drops the lock when its holder exits, however it exits, so a crash never leaves a stale guard.
// flock locks belong to the open file description, so a second guard in the same process
// conflicts with the first just as another process would.
class InstanceLock final : public SingleInstance {
  public:
    // $XDG_RUNTIME_DIR when it is an absolute path, else the temp folder.
    static std::filesystem::path DefaultFolder();

    explicit InstanceLock(std::filesystem::path folder = DefaultFolder());
    ~InstanceLock() override;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when the lock is ours (again true on later calls). When the lock file cannot be opened
    // or locked for a reason other than another holder, no other instance can be detected either:
    // the answer is true with a warning on stderr, rather than a game that never starts.
    bool Acquire() override;

  private:
    std::filesystem::path path_;
    int fd_ = -1;  // open and locked while we hold the guard
};

}  // namespace platform
