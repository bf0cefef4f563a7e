// Voices heard through the loopback device, one 16 ms game frame at a time.
#include <gtest/gtest.h>

#include "TestSounds.h"
#include "audio/SVoice.h"

namespace {

using namespace audiotest;

constexpr int32_t kSound = 197;
constexpr double kAudible = 0.05;  // RMS of a clearly heard tone

// The samples of `first` then those of `second`.
std::vector<int16_t> Then(std::vector<int16_t> first, const std::vector<int16_t>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<int16_t> Silence(double seconds) {
    return std::vector<int16_t>(static_cast<size_t>(seconds * kRate), 0);
}

class VoicePlaybackTest : public SoundTableTest {
  protected:
    VoicePlaybackTest() { UseSound(Tone(3.0)); }
    void UseSound(const std::vector<int16_t>& samples) { rows[kSound] = MakeWav(samples); }
    // Frames heard (RMS above kAudible) among the next `count`.
    int AudibleFrames(int count) {
        int audible = 0;
        for (int i = 0; i < count; ++i) audible += Frame().Rms() > kAudible;
        return audible;
    }
};

// The mixer ramps a gain change across the frame it is mixed in, so a frame's level is measured
// at its end. Outside the playing phase a fade-out is ignored.
TEST_F(VoicePlaybackTest, SilentUntilPlayedThenFadesInAndOutOverFiveFrames) {
    CObjSound emitter(kSound);
    ASSERT_NE(emitter.GetVoice(), nullptr);
    EXPECT_LT(LoudestOf(10), kSilent);
    emitter.FadeOutAndRewind(0.0f);
    EXPECT_EQ(emitter.GetVoice()->Phase(), kVoiceStopped);
    emitter.Play();
    emitter.FadeOutAndRewind(0.0f);
    EXPECT_EQ(emitter.GetVoice()->Phase(), kVoiceFadingIn);
    std::vector<double> level;
    for (int i = 0; i < 8; ++i) level.push_back(Frame().EndRms());
    const double full = level[7];
    ASSERT_GT(full, kAudible);
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(level[i] / full, 0.2 * (i + 1), 0.03) << "frame " << i;
    }
    EXPECT_NEAR(level[5] / full, 1.0, 0.01);

    emitter.FadeOutAndRewind(0.0f);
    EXPECT_EQ(emitter.GetVoice()->Phase(), kVoiceFadingToRewind);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(Frame().EndRms() / full, 0.8 - 0.2 * i, 0.03) << "fading out, frame " << i;
    }
    EXPECT_LT(Frame().EndRms(), 0.01 * full);
    EXPECT_EQ(emitter.GetVoice()->Phase(), kVoiceStopped);
}

TEST_F(VoicePlaybackTest, RewindReplaysFromTheStartWhileStopHoldsThePosition) {
    // 0.3 s of tone then silence: a replay from the start is heard for about 19 frames, a resume
    // from where the voice stopped only for the few frames left of the tone.
    UseSound(Then(Tone(0.3), Silence(1.7)));
    CObjSound rewound(kSound), held(kSound);
    rewound.Play();
    held.Play();
    LoudestOf(10);
    rewound.FadeOutAndRewind(0.0f);
    held.GetVoice()->FadeOutAndStop();
    LoudestOf(8);
    ASSERT_EQ(rewound.GetVoice()->Phase(), kVoiceStopped);
    ASSERT_EQ(held.GetVoice()->Phase(), kVoiceStopped);

    held.Play();
    EXPECT_LE(AudibleFrames(40), 6);
    held.GetVoice()->FadeOutAndStop();
    LoudestOf(8);
    rewound.Play();
    EXPECT_GE(AudibleFrames(40), 15);
}

TEST_F(VoicePlaybackTest, RewindToAnOffsetAndAnOffsetPastTheDataKeepsThePreviousOne) {
    // One second of silence, then one of tone: a rewind to 1.0 s starts in the tone.
    UseSound(Then(Silence(1.0), Tone(1.0)));
    CObjSound emitter(kSound);
    emitter.Play();
    LoudestOf(10);
    emitter.FadeOutAndRewind(1.0f);
    LoudestOf(6);
    emitter.Play();
    EXPECT_GT(LoudestOf(3), kAudible);

    LoudestOf(5);
    emitter.FadeOutAndRewind(9.0f);  // past the data: the start offset stays at 1.0 s
    LoudestOf(6);
    emitter.Play();
    EXPECT_GT(LoudestOf(3), kAudible);
}

// 0.2 s less the 100 bytes skipped: 12 frames of tone, once and again when played again, or
// without a gap when looping.
TEST_F(VoicePlaybackTest, ASoundShorterThanAChunkPlaysOnceOrLoopsWithoutAGap) {
    UseSound(Tone(0.2));
    CObjSound once(kSound), looping(kSound);
    once.Play();
    EXPECT_GE(AudibleFrames(20), 11);
    LoudestOf(60);
    EXPECT_EQ(once.GetVoice()->Phase(), kVoiceStopped);
    once.Play();
    EXPECT_GE(AudibleFrames(20), 11);
    LoudestOf(60);
    looping.loop = 1;
    looping.Play();
    LoudestOf(6);
    EXPECT_EQ(AudibleFrames(100), 100);
}

TEST_F(VoicePlaybackTest, BytesBeforeOffset100AreNeverPlayedEvenWhenLooping) {
    // Samples 0..27 lie at bytes 44..99: loud there, silent after.
    std::vector<int16_t> samples(kRate / 5, 0);
    for (int i = 0; i < 28; ++i) samples[static_cast<size_t>(i)] = (i % 2) ? 30000 : -30000;
    UseSound(samples);
    CObjSound emitter(kSound);
    emitter.loop = 1;
    emitter.Play();
    EXPECT_LT(LoudestOf(40), kSilent);
}

// The enemy's vanish sets both volume values to 0 before its final fade and rewind. A plain voice
// plays the mono tone at its full level on both channels.
TEST_F(VoicePlaybackTest, AZeroFadeStepCompletesFadesAtOnceAndAVolumeChangeIsHeardAtOnce) {
    CObjSound emitter(kSound);
    emitter.fadeStep = 0.0f;
    emitter.Play();
    const double full = 0.5 / std::sqrt(2.0);  // RMS of the tone
    EXPECT_NEAR(Frame().Rms() / full, 1.0, 0.05);
    const StereoFrame frame = Frame();
    EXPECT_NEAR(frame.Rms(0) / full, 1.0, 0.01);
    EXPECT_NEAR(frame.Rms(1) / full, 1.0, 0.01);
    EXPECT_EQ(emitter.GetVoice()->Phase(), kVoicePlaying);
    emitter.volume = 0.25f;
    Frame();
    EXPECT_NEAR(Frame().Rms() / full, 0.25, 0.02);
    emitter.FadeOutAndRewind(0.0f);
    Frame();
    EXPECT_EQ(emitter.GetVoice()->Phase(), kVoiceStopped);
}

TEST_F(VoicePlaybackTest, APositionalEmitterOnTheRightIsLouderOnTheRight) {
    table.Engine().SetListener({0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    CObjSound emitter(kSound);
    emitter.positional = 1;
    emitter.position = {5, 0, 0};
    emitter.Play();
    LoudestOf(8);
    const StereoFrame frame = Frame();
    EXPECT_GT(frame.Rms(1), kAudible);
    EXPECT_GT(frame.Rms(1), 2 * frame.Rms(0));

    // Turning the listener round puts the emitter on its left.
    table.Engine().SetListener({0, 0, 0}, {0, 0, -1}, {0, 1, 0});
    Frame();
    const StereoFrame turned = Frame();
    EXPECT_GT(turned.Rms(0), 2 * turned.Rms(1));
}

TEST_F(VoicePlaybackTest, VolumeFallsLinearlyToSilenceAt14Units) {
    for (const float distance : {3.5f, 7.0f, 10.5f, 13.0f, 20.0f}) {
        CObjSound emitter(kSound);
        emitter.positional = 1;
        emitter.position = {0, 0, 1};
        emitter.fadeStep = 1.0f;
        emitter.Play();
        const double atOne = LoudestOf(4);
        emitter.position = {0, 0, distance};
        // Moves this long are placements (no Doppler), so only the distance changes the level.
        Frame();
        const double expected = std::max(0.0, 1.0 - distance / 14.0) / (1.0 - 1.0 / 14.0);
        EXPECT_NEAR(Frame().Rms() / atOne, expected, 0.03) << distance << " units";
    }
}

// White noise's high band: the voice's own low-pass (the menu tick's) cuts it, and the direct
// path's low-pass, closing with distance, darkens it.
TEST_F(VoicePlaybackTest, TheVoicesFilterAndDistanceDarkenWhiteNoise) {
    UseSound(Noise(3.0));
    CObjSound emitter(kSound);
    emitter.positional = 1;
    emitter.position = {0, 0, 0.5f};
    emitter.fadeStep = 1.0f;
    emitter.Play();
    const auto highShare = [&] {
        Frame();
        double high = 0, all = 0;
        for (int i = 0; i < 5; ++i) {
            const StereoFrame frame = Frame();
            high += frame.HighFrequencyRms();
            all += frame.Rms(0);
        }
        return high / all;
    };
    const double near = highShare();
    emitter.filter.frequency = 0.1f;
    EXPECT_LT(highShare(), 0.3 * near);
    emitter.filter.frequency = 1.0f;
    emitter.position = {0, 0, 13.0f};
    EXPECT_LT(highShare(), 0.93 * near);
}

TEST_F(VoicePlaybackTest, ACameraWalkingTowardsASourceDoesNotBendItsPitch) {
    CObjSound emitter(kSound);
    emitter.positional = 1;
    emitter.position = {0, 0, 13};
    emitter.Play();
    std::vector<float> left;
    for (int frame = 0; frame < 12; ++frame) {
        // The player's walking pace, 0.15 units a frame.
        table.Engine().SetListener({0, 0, 0.15f * frame}, {0, 0, 1}, {0, 1, 0});
        const StereoFrame mixed = Frame();
        // From the third frame on the voice has faded in and the listener has a velocity.
        for (size_t i = 0; frame >= 2 && i < mixed.samples.size(); i += 2) {
            left.push_back(mixed.samples[i]);
        }
    }
    // The tone's frequency from its first and last rising zero crossings.
    std::vector<double> rising;
    for (size_t i = 1; i < left.size(); ++i) {
        if (left[i - 1] < 0 && left[i] >= 0) {
            rising.push_back(i - left[i] / (left[i] - left[i - 1]));
        }
    }
    const double hz = (rising.size() - 1) * kRate / (rising.back() - rising.front());
    EXPECT_LT(std::abs(1200 * std::log2(hz / 1000.0)), 5.0);  // cents: below what the ear hears
}

TEST_F(VoicePlaybackTest, MasterVolumeZeroSilencesEverything) {
    CObjSound plain(kSound), placed(kSound);
    placed.positional = 1;
    placed.position = {1, 0, 2};
    plain.Play();
    placed.Play();
    EXPECT_GT(LoudestOf(8), kAudible);
    table.Engine().masterVolume = 0.0f;
    Frame();
    EXPECT_LT(LoudestOf(5), kSilent);
}

TEST_F(VoicePlaybackTest, APresetChangeTakesEffectOnTheNextUpdateAndLengthensANearbyClickOnly) {
    // A 5 ms burst after byte 100, then silence.
    std::vector<int16_t> click(kRate / 10, 0);
    for (size_t i = 28; i < 28 + kRate / 200; ++i) click[i] = (i % 2) ? 20000 : -20000;
    UseSound(click);
    CObjSound emitter(kSound), far(kSound);
    emitter.positional = far.positional = 1;
    emitter.position = {0, 0, 2};
    far.position = {0, 0, 20};
    emitter.fadeStep = 1.0f;
    const auto tail = [&] {
        emitter.Play();
        Frame();
        double energy = 0;
        for (int i = 0; i < 40; ++i) energy += Frame().Rms();
        return energy;
    };
    EXPECT_EQ(table.Engine().ActivePreset(), 1u);  // the first update applies preset 0
    const double dry = tail();
    EXPECT_EQ(table.Engine().ActivePreset(), 0u);
    table.Engine().wantedPreset = 12;  // Hangar
    Frame();
    EXPECT_EQ(table.Engine().ActivePreset(), 12u);
    far.Play();
    EXPECT_LT(LoudestOf(40), kSilent) << "out of hearing, the reverb sounds on";
    const double wet = tail();
    EXPECT_LT(dry, 1e-4);
    EXPECT_GT(wet, 0.01);

    // An index past the table is the silent Default, and the voices keep running.
    table.Engine().wantedPreset = 99;
    Frame();
    EXPECT_LT(LoudestOf(5), kSilent);  // the Hangar's tail ends with the preset
    EXPECT_LT(tail(), 1e-4);
}

}  // namespace
