#include "platform/InstanceLock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public ::testing::Test {
  protected:
    TempFolder temp_;
    const fs::path& folder_ = temp_.Path();
};

TEST_F(InstanceLockTest, SecondGuardIsRefusedUntilTheHolderIsDestroyed) {
    {
        InstanceLock first(folder_);
        ASSERT_TRUE(first.Acquire());
        EXPECT_TRUE(fs::exists(folder_ / "hollowmere"));
        InstanceLock second(folder_);
        EXPECT_FALSE(second.Acquire());
        EXPECT_FALSE(second.Acquire()) << "a refused guard must not hold anything afterwards";
        EXPECT_TRUE(first.Acquire()) << "the holder keeps answering true";
    }
    InstanceLock third(folder_);
    EXPECT_TRUE(third.Acquire());
}

TEST_F(InstanceLockTest, UnopenableLockFileLetsTheGameRunWithAWarning) {
    InstanceLock lock(folder_ / "missing");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(lock.Acquire());
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("unguarded"), std::string::npos);
}

TEST(DefaultFolderTest, FollowsXdgRuntimeDirOnlyWhenAbsolute) {
    const struct {
        std::optional<std::string> runtimeDir;
        bool expectRuntimeDir;
    } cases[] = {
        {"/run/user/1000", true}, {"relative/dir", false}, {"", false}, {std::nullopt, false}};
    for (const auto& c : cases) {
        ScopedEnv env("XDG_RUNTIME_DIR", c.runtimeDir);
        EXPECT_EQ(InstanceLock::DefaultFolder(),
                  c.expectRuntimeDir ? fs::path(*c.runtimeDir) : fs::temp_directory_path())
            << c.runtimeDir.value_or("unset");
    }
}

}  // namespace
}  // namespace platform
