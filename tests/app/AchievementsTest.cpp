// The achievement record as the game keeps it: each id once, announced once; what one run earns
// the next run holds; a damaged achievements file starts an empty record and the game runs on.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "FakePlatform.h"
#include "scene/AchievementFile.h"
#include "support/TempFolder.h"

namespace {

using Ids = std::set<int32_t>;

TEST(AchievementRecord, KeepsEachIdOnceAndAnnouncesItOnce) {
    SteamworksHelper record;
    record.Award(3);
    EXPECT_TRUE(record.awarded.empty()) << "recorded while disabled";
    record.enabled = 1;
    for (int32_t id : {3, 3, -1, kAchievementCount}) record.Award(id);
    EXPECT_EQ(record.awarded, Ids{3});
    EXPECT_EQ(record.TakeUnannounced(), 3);
    EXPECT_EQ(record.TakeUnannounced(), std::nullopt);
}

class AchievementRunTest : public testing::Test {
  protected:
    // Runs the game for a few frames, awarding `id` in the first; the record the run ended with.
    Ids RunAwarding(int32_t id) {
        Ids held;
        EXPECT_EQ(LaunchGame(platform, 3,
                             [&](D3DXMain& app, uint32_t frame) {
                                 if (frame == 0) app.lib.steamworks.Award(id);
                                 held = app.lib.steamworks.awarded;
                             }),
                  0);
        return held;
    }

    FakePlatform platform;
};

TEST_F(AchievementRunTest, AnAwardSurvivesARestart) {
    EXPECT_EQ(RunAwarding(13), Ids{13});
    EXPECT_EQ(RunAwarding(27), (Ids{13, 27}));
}

TEST_F(AchievementRunTest, ADamagedFileStartsAnEmptyRecordAndIsReplaced) {
    for (const size_t length : {size_t{7}, kAchievementFileSize}) {
        WriteBytes(platform.saveDir / "Achievements.sav", std::vector<uint8_t>(length, 0xA5));
        EXPECT_EQ(RunAwarding(5), Ids{5}) << length << " bytes of garbage";
        EXPECT_EQ(ReadAchievements(), Ids{5});
    }
}

}  // namespace
