// The course of a play around the story: the ending's result and the records it keeps.
#include <gtest/gtest.h>

#include <set>

#include "content/FieldRun.h"
#include "content/events/Ending.h"
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
};

// A clean run of under five minutes earns every award of the result; its time becomes both
// records. A later, slower run with a death and a save earns fewer and keeps the best time.
TEST_F(FlowTest, TheEndingSumsUpThePlayAndKeepsTheBestTime) {
    const Ev::Ending& fast = PlayTheEnding(4 * 60'000, 33, 0, 0);
    const SaveRecord& record = app.player.record;
    const uint32_t firstTime = record.playTimeMs;
    EXPECT_GT(firstTime, 4u * 60'000) << "the ending's own minutes count";
    EXPECT_LT(firstTime, 301'000u);
    EXPECT_EQ(app.lib.steamworks.awarded, (std::set<int32_t>{27, 29, 30, 31, 32, 33, 34, 35}));
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
