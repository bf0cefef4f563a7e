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

TEST_F(InstanceLockTest, SecondGuardIsRefusedWhileTheFirstHoldsIt) {
    InstanceLock first(folder_);
    ASSERT_TRUE(first.Acquire());
    EXPECT_TRUE(fs::exists(folder_ / "hollowmere"));

    InstanceLock second(folder_);
    EXPECT_FALSE(second.Acquire());
    EXPECT_FALSE(second.Acquire()) << "a refused guard must not hold anything afterwards";
    EXPECT_TRUE(first.Acquire()) << "the holder keeps answering true";
}

TEST_F(InstanceLockTest, GuardIsFreeAgainOnceTheHolderIsDestroyed) {
    {
        InstanceLock first(folder_);
        ASSERT_TRUE(first.Acquire());
    }
    InstanceLock second(folder_);
    EXPECT_TRUE(second.Acquire());
}

TEST_F(InstanceLockTest, UnopenableLockFileLetsTheGameRunWithAWarning) {
    InstanceLock lock(folder_ / "missing");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(lock.Acquire());
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("unguarded"), std::string::npos);
}

struct FolderCase {
    std::optional<std::string> runtimeDir;
    bool expectRuntimeDir;
};

class DefaultFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DefaultFolderTest, FollowsXdgRuntimeDirOnlyWhenAbsolute) {
    ScopedEnv env("XDG_RUNTIME_DIR", GetParam().runtimeDir);
    const fs::path expected =
        GetParam().expectRuntimeDir ? fs::path(*GetParam().runtimeDir) : fs::temp_directory_path();
    EXPECT_EQ(InstanceLock::DefaultFolder(), expected);
}

INSTANTIATE_TEST_SUITE_P(Env, DefaultFolderTest,
                         ::testing::Values(FolderCase{"/run/user/1000", true},
                                           FolderCase{"relative/dir", false}, FolderCase{"", false},
                                           FolderCase{std::nullopt, false}));

}  // namespace
}  // namespace platform
