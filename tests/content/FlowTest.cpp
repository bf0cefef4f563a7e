// The course of a play around the story: the game-over screen's retry points, the ending's result
// and the records it keeps.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "content/FieldRun.h"
#include "content/Inventory.h"
#include "content/events/Ending.h"
#include "content/fields/Gameover.h"
#include "content/fields/Retries.h"
#include "library/Format.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"
#include "scene/SaveData.h"

namespace {

class FlowTest : public FieldRun {
  protected:
    void SetUp() override {
        FieldRun::SetUp();
        app.lib.steamworks.enabled = 1;
        app.makeTitle = MakeTitle;
    }
    // Out of the hidden room onto the square at dawn, the ending read through to its result.
    Ev::Ending& PlayTheEnding(uint32_t playedMs, int32_t throws, int32_t deaths, int32_t saved) {
        SaveRecord& record = app.player.record;
        record.playTimeMs = playedMs;
        record.startTime = platform.clock.Now();
        record.throwCount = throws;
        record.deathCount = deaths;
        app.lib.awardCounters.saveUsed = saved;
        app.lib.steamworks.awarded.clear();
        Start(FieldId::Soto, {0, 0.35f, 0}, 0, 24);
        Ev::Ending* ending = FindEvent<Ev::Ending>(Field());
        EXPECT_NE(ending, nullptr);
        Run(480);
        EXPECT_EQ(app.player.controlMode, kControlHeld);
        ReadThrough();
        Run(250);
        EXPECT_EQ(ending->Current(), Ev::Ending::Phase::Result);
        return *ending;
    }
    // Caught in the field the game is in: the game-over screen comes up.
    Ev::Ev_GameOver& Die() {
        app.rootScene.AddChild(MakeGameover());
        Run(2);
        auto* screen = FindEvent<Ev::Ev_GameOver>(Field());
        if (screen == nullptr) throw std::runtime_error("no game-over screen");
        return *screen;
    }
};

// Every retry point of the table: caught there, "try again" rebuilds the row's field at its spawn
// with the story, the keys and the ghost rewound as the row says; a death anywhere else can only
// go back to the title. Each is the fifth death, which is rewarded.
class RetryPointTest : public FlowTest, public testing::WithParamInterface<size_t> {};

TEST_P(RetryPointTest, TryingAgainRebuildsTheRowsRetryPoint) {
    const RetryRow& row = RetryTable()[GetParam()];
    const FieldId caughtIn =
        row.caughtIn >= 0 ? static_cast<FieldId>(row.caughtIn) : FieldId::Dining_Room;
    SaveRecord& record = app.player.record;
    record.EnemyMode = 2;
    record.HitPoint = 2;
    record.deathCount = 4;
    for (const int key : {row.keyGiven, row.keyTakenBack}) {
        if (key >= 0) content::SetKeyHeld(record, key, row.keyGiven != key);
    }
    // On the square, past the apparition that would move the story on at the retry point.
    const int32_t stage = caughtIn == FieldId::Soto ? 20 : StartOf(caughtIn).stage;
    Start(caughtIn, StartOf(caughtIn).position, 0, stage);
    const int32_t stageBefore = record.storyStage;
    Ev::Ev_GameOver& screen = Die();
    EXPECT_TRUE(app.lib.steamworks.awarded.contains(36));
    Run(200);
    ASSERT_EQ(screen.Current(), Ev::Ev_GameOver::Phase::Menu);
    PressAction();  // the first entry: try again
    Run(30);
    if (row.toTitle) {
        EXPECT_EQ(std::u16string(Field().Name()), u"Title");
        return;
    }
    EXPECT_EQ(Current(), row.rebuilt);
    EXPECT_LT(glm::length(Horizontal(app.player.Position() - row.spawn)), 0.05f);
    EXPECT_NEAR(app.player.Yaw(), row.yaw, 1e-3f);
    EXPECT_EQ(record.storyStage, row.stage >= 0 ? row.stage : stageBefore);
    EXPECT_EQ(record.EnemyMode == 2, row.enemy == EnemyRetry::Keep);
    EXPECT_EQ(record.HitPoint, row.enemy == EnemyRetry::Reset ? 5 : 2);
    if (row.keyGiven >= 0) {
        EXPECT_TRUE(content::KeyHeld(record, row.keyGiven));
    }
    if (row.keyTakenBack >= 0) {
        EXPECT_FALSE(content::KeyTaken(record, row.keyTakenBack));
    }
    EXPECT_EQ(app.player.controlMode, kControlFree);
}

INSTANTIATE_TEST_SUITE_P(Table, RetryPointTest, testing::Range(size_t{0}, RetryTable().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                             const int32_t field = RetryTable()[info.param].caughtIn;
                             return field < 0 ? std::string("AnyOtherField")
                                              : "Field" + std::to_string(field);
                         });

// A first run's time becomes both records (its awards are the fastest walkthrough's). A later,
// slower run with a death and a save earns fewer awards and keeps the best time.
TEST_F(FlowTest, TheEndingSumsUpThePlayAndKeepsTheBestTime) {
    const Ev::Ending& fast = PlayTheEnding(4 * 60'000, 33, 0, 0);
    const SaveRecord& record = app.player.record;
    const uint32_t firstTime = record.playTimeMs;
    EXPECT_GT(firstTime, 4u * 60'000) << "the ending's own minutes count";
    EXPECT_LT(firstTime, 301'000u);
    EXPECT_EQ(fast.ResultLine(), FormatText(app.lib.textData.GetText(u"Ev_Soto2_result"), 0, 4,
                                            firstTime / 1000 % 60, 33, 0));
    EXPECT_EQ(app.lib.settings.firstClearTime, firstTime);
    EXPECT_EQ(app.lib.settings.bestClearTime, firstTime);
    SystemSettings written;
    ASSERT_TRUE(ReadSettings(written));
    EXPECT_EQ(written.bestClearTime, firstTime) << "the records were not written";

    PlayTheEnding(40 * 60'000, 34, 1, 1);
    EXPECT_EQ(app.lib.steamworks.awarded, (std::set<int32_t>{27, 31}));
    EXPECT_EQ(app.lib.settings.firstClearTime, firstTime);
    EXPECT_EQ(app.lib.settings.bestClearTime, firstTime);

    PressAction();
    Run(2);
    EXPECT_EQ(std::u16string(Field().Name()), u"Title");
}

}  // namespace
