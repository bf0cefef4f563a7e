#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {
namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("hm-lock-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
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

// Restores one environment variable when the test ends.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

struct FolderCase {
    const char* runtimeDir;  // null: unset
    bool expectRuntimeDir;
};

class DefaultFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DefaultFolderTest, FollowsXdgRuntimeDirOnlyWhenAbsolute) {
    ScopedEnv env("XDG_RUNTIME_DIR", GetParam().runtimeDir);
    const fs::path expected =
        GetParam().expectRuntimeDir ? fs::path(GetParam().runtimeDir) : fs::temp_directory_path();
    EXPECT_EQ(InstanceLock::DefaultFolder(), expected);
}

INSTANTIATE_TEST_SUITE_P(Env, DefaultFolderTest,
                         ::testing::Values(FolderCase{"/run/user/1000", true},
                                           FolderCase{"relative/dir", false}, FolderCase{"", false},
                                           FolderCase{nullptr, false}));

}  // namespace
}  // namespace platform
