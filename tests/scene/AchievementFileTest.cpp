// The achievements file: the ids written read back, and a damaged file reads as no achievements.
#include "scene/AchievementFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "scene/SaveFile.h"
#include "support/TempFolder.h"

namespace {

using Bytes = std::vector<uint8_t>;

class AchievementFileTest : public testing::Test {
  protected:
    void SetUp() override { SetSaveFolderOverride(folder_.Path()); }
    void TearDown() override { SetSaveFolderOverride({}); }
    std::filesystem::path File() const { return folder_.Path() / "Achievements.sav"; }

    TempFolder folder_;
};

TEST_F(AchievementFileTest, TheIdsWrittenReadBack) {
    EXPECT_TRUE(ReadAchievements().empty()) << "no file yet";
    const AchievementIds ids{0, 7, 13, kAchievementCount - 1};
    ASSERT_TRUE(WriteAchievements(ids));
    EXPECT_EQ(ReadAchievements(), ids);
    ASSERT_TRUE(WriteAchievements({}));
    EXPECT_TRUE(ReadAchievements().empty());
}

TEST_F(AchievementFileTest, ADamagedFileReadsAsNone) {
    const auto image = AchievementImage({1, 2, 3});
    Bytes good(image.size());
    std::memcpy(good.data(), image.data(), image.size());
    const struct {
        const char* damage;
        std::function<void(Bytes&)> apply;
    } cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"truncated", [](Bytes& b) { b.pop_back(); }},
        {"longer", [](Bytes& b) { b.push_back(0); }},
        {"a bit of the ids flipped", [](Bytes& b) { b[8] ^= 0x10; }},
        {"a bit of the check flipped", [](Bytes& b) { b[5] ^= 0x01; }},
        {"another mark", [](Bytes& b) { b[0] = 'X'; }},
        {"garbage", [](Bytes& b) { b.assign(b.size(), 0x5A); }},
    };
    for (const auto& [damage, apply] : cases) {
        Bytes bytes = good;
        apply(bytes);
        WriteBytes(File(), bytes);
        EXPECT_TRUE(ReadAchievements().empty()) << damage;
    }
}

}  // namespace
