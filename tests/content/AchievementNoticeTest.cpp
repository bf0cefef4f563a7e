// The notice of a new award, in a real field: it waits while a dialogue box is open, shows once
// the box has closed, and shows the awards one after the other.
#include <gtest/gtest.h>

#include <optional>

#include "content/FieldRun.h"
#include "content/events/Notes.h"
#include "library/AchievementNotice.h"

namespace {

constexpr int32_t kHundredThrows = 28;
constexpr int32_t kGuideRead = 1;

class AchievementNoticeTest : public FieldRun {};

TEST_F(AchievementNoticeTest, WaitsForTheOpenBoxThenShowsEachAwardInTurn) {
    app.lib.steamworks.enabled = 1;
    const FieldStart start = StartOf(FieldId::Guest_Room);
    Start(FieldId::Guest_Room, start.position, start.yaw, 8);
    auto* guide = FindEvent<Ev::Tutorial>(Field());
    ASSERT_NE(guide, nullptr);
    StandIn(guide->trigger);
    PressAction();
    ASSERT_TRUE(DialogueOpen());

    app.lib.steamworks.Award(kHundredThrows);
    Run(30);
    EXPECT_EQ(app.achievementNotice.Shown(), std::nullopt) << "shown over the open box";
    ReadThrough();  // the guide read to its end is rewarded too
    EXPECT_EQ(app.achievementNotice.Shown(), kHundredThrows);
    Run(AchievementNotice::kFrames);
    EXPECT_EQ(app.achievementNotice.Shown(), kGuideRead);
    Run(AchievementNotice::kFrames);
    EXPECT_EQ(app.achievementNotice.Shown(), std::nullopt);
}

}  // namespace
