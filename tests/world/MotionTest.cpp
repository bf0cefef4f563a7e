#include <gtest/gtest.h>

#include <climits>

#include "WorldTestLibrary.h"
#include "world/Motion.h"

namespace {

using worldtest::ExpectNear;

// Keys at 0, 10 and 30 (set out of order); the last equals the first, as in a cycle.
MotionTrack Cycle() {
    MotionTrack track;
    track.SetKey(30, {0, 0, 0});
    track.SetKey(0, {0, 0, 0});
    track.SetKey(10, {10, -20, 5});
    return track;
}

TEST(MotionTrack, GivesTheValueAtEachTime) {
    const struct {
        const char* name;
        int32_t time;
        bool looped;
        glm::vec3 expected;
    } cases[] = {{"AtAKey", 10, false, {10, -20, 5}},
                 {"BetweenKeys", 5, false, {5, -10, 2.5f}},
                 {"UnevenSpan", 25, false, {2.5f, -5, 1.25f}},
                 {"BeforeTheFirstKey", -7, false, {0, 0, 0}},
                 {"AfterTheLastKey", 99, false, {0, 0, 0}},
                 {"LoopEndIsTheStart", 30, true, {0, 0, 0}},
                 {"SecondLap", 40, true, {10, -20, 5}},
                 {"NegativeTimeWrapsBack", -5, true, {2.5f, -5, 1.25f}}};
    const MotionTrack track = Cycle();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectNear(c.looped ? track.SampleLooped(c.time) : track.Sample(c.time), c.expected);
    }
}

TEST(MotionTrack, TracksWithoutACycleNeverDivideByZero) {
    MotionTrack empty;
    ExpectNear(empty.SampleLooped(12), {0, 0, 0});
    MotionTrack single;
    single.SetKey(0, {1, 2, 3});
    ExpectNear(single.SampleLooped(-12), {1, 2, 3});
    MotionTrack wide;  // differences that overflow 32 bits
    wide.SetKey(INT_MIN, {0, 0, 0});
    wide.SetKey(INT_MAX, {2, 2, 2});
    EXPECT_NEAR(wide.Sample(0).x, 1.0f, 1e-6f);
}

TEST(Motion, EachTrackWrapsAtItsOwnLastKey) {
    Motion motion;
    motion.tracks.resize(2);
    motion.tracks[0] = Cycle();
    motion.tracks[1].SetKey(0, {0, 0, 0});
    motion.tracks[1].SetKey(20, {20, 0, 0});
    glm::vec3 first, second;
    glm::vec3* const targets[] = {&first, &second};
    motion.Apply(25, targets);
    ExpectNear(first, {2.5f, -5, 1.25f});
    ExpectNear(second, {5, 0, 0});
    EXPECT_EQ(motion.LastKey(), 30);
}

TEST(MotionTime, DividesOrMultipliesTheFrame) {
    EXPECT_EQ(MotionTime(7, 3, 0), 21);              // three times as fast
    EXPECT_EQ(MotionTime(7, 3, 2), 3);               // slow divides and ignores the speed
    EXPECT_EQ(MotionTime(INT_MAX, 2, 0), INT_MAX);   // a huge product is clamped
    EXPECT_EQ(MotionTime(INT_MIN, 1, -1), INT_MAX);  // so is INT_MIN divided by -1
}

}  // namespace
