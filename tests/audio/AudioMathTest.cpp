// The pure parts of the audio engine: preset conversion, filter mapping, Doppler, stream layout.
#include <gtest/gtest.h>

#include "TestSounds.h"
#include "audio/Doppler.h"
#include "audio/ReverbPresets.h"
#include "audio/StreamLayout.h"
#include "audio/VoiceFilter.h"

namespace {

using namespace audiotest;

// Default is silent (the room's -10000 mB floor) and every other preset heard (room -1000 mB);
// every value stays inside the EFX ranges.
TEST(ReverbPresetTest, PresetsConvertIntoTheEfxRanges) {
    for (uint32_t i = 0; i < kReverbPresetCount; ++i) {
        const ReverbParameters p = ToEfxReverb(ReverbPreset(i));
        SCOPED_TRACE(i);
        EXPECT_NEAR(p.gain, i == 0 ? 0.0f : 0.3162f, 1e-3f);
        EXPECT_GE(p.decayTime, 0.1f);
        EXPECT_LE(p.decayTime, 20.0f);
        EXPECT_LE(p.reflectionsDelay, 0.3f);
        EXPECT_LE(p.lateReverbDelay, 0.1f);
        EXPECT_LE(p.reflectionsGain, 3.16f);
        EXPECT_LE(p.lateReverbGain, 10.0f);
        EXPECT_GE(p.hfReference, 1000.0f);
        EXPECT_LE(p.density, 1.0f);
        EXPECT_LE(p.diffusion, 1.0f);
    }
}

TEST(ReverbPresetTest, OutOfRangeHFReferenceAndDensityAreClamped) {
    I3DL2Reverb odd = ReverbPreset(2);
    odd.hfReference = 20.0f;
    odd.density = 60.0f;
    odd.reverbDelay = 0.5f;
    const ReverbParameters p = ToEfxReverb(odd);
    EXPECT_EQ(p.hfReference, 1000.0f);
    EXPECT_FLOAT_EQ(p.density, 0.6f);
    EXPECT_FLOAT_EQ(p.lateReverbDelay, 0.1f);
}

// The game's filter → the shelf, at 48 kHz: the gains' ranges for each.
TEST(ShelfMappingTest, MapsOntoTheShelf) {
    const struct {
        const char* name;
        uint32_t type;
        VoiceFilter filter;
        float minGain, maxGain, minGainHF, maxGainHF;
    } cases[] = {
        // Frequency 1 with 1/Q 1 is the open filter.
        {"open", kLowPassFilter, {1.0f, 1.0f}, 1.0f, 1.0f, 1.0f, 1.0f},
        // The far end of the distance curve and the reverb send: only the top is darker.
        {"distance and reverb send", kLowPassFilter, PathFilter(0.75f), 1.0f, 1.0f, 0.65f, 0.85f},
        // The menu tick (cutoff about 760 Hz) and the resonant pickup cue (about 380 Hz) lower
        // the band below 5 kHz too.
        {"menu tick", kLowPassFilter, {0.1f, 1.0f}, 0.7f, 0.9f, 0.0f, 0.03f},
        {"resonant pickup cue", kLowPassFilter, {0.05f, 0.05f}, 0.6f, 0.8f, 0.0f, 0.01f},
        {"shut", kLowPassFilter, {0.0f, 1.0f}, 0.0f, 0.0f, 0.0f, 0.0f},
        // Out of range values are limited, never NaN.
        {"out of range limited", kLowPassFilter, {5.0f, -1.0f}, 0.0f, 1.0f, 0.0f, 1.0f},
        {"high pass left open", kHighPassFilter, {0.1f, 1.0f}, 1.0f, 1.0f, 1.0f, 1.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ShelfGains gains = ShelfMapping(kRate).ToShelf(c.type, c.filter);
        EXPECT_GE(gains.gain, c.minGain);
        EXPECT_LE(gains.gain, c.maxGain);
        EXPECT_GE(gains.gainHF, c.minGainHF);
        EXPECT_LE(gains.gainHF, c.maxGainHF);
    }
}

TEST(DopplerTest, ApproachingRaisesRecedingLowersAStillPairIsUnchangedAndTheRatioIsLimited) {
    const glm::vec3 listener(0, 0, 0), source(0, 0, 10);
    const glm::vec3 toListener(0, 0, -34.35f), still(0.0f);
    EXPECT_FLOAT_EQ(DopplerRatio(listener, still, source, still), 1.0f);
    EXPECT_NEAR(DopplerRatio(listener, still, source, toListener), 1.0f / 0.9f, 1e-4f);
    EXPECT_NEAR(DopplerRatio(listener, still, source, -toListener), 1.0f / 1.1f, 1e-4f);
    // The listener walking towards the source.
    EXPECT_NEAR(DopplerRatio(listener, -toListener, source, still), 1.1f, 1e-4f);
    // A source at the listener has no direction: no shift.
    EXPECT_FLOAT_EQ(DopplerRatio(source, still, source, toListener), 1.0f);
    // The ratio is limited to two.
    EXPECT_FLOAT_EQ(DopplerRatio(listener, still, source, {0, 0, -340.0f}), kMaxFrequencyRatio);
}

TEST(DopplerTest, FrameVelocityIsPerFourFramesAndAJumpIsAPlacement) {
    const glm::vec3 v = FrameVelocity({1, 0, 0}, {1, 0, 0.15f});
    EXPECT_NEAR(v.z, 0.6f, 1e-6f);
    EXPECT_EQ(FrameVelocity({0, 0, 0}, {0, 0, 5}), glm::vec3(0.0f));
}

LoadWave Loaded(std::vector<uint8_t> image) {
    LoadWave wave;
    EXPECT_EQ(wave.Open(std::move(image)), S_OK);
    return wave;
}

TEST(StreamLayoutTest, ReadsStartOnWholeSampleFrames) {
    Format stereo;
    stereo.channels = 2;
    stereo.blockAlign = 4;
    stereo.avgBytesPerSec = kRate * 4 + 3;  // not a whole number of frames
    const LoadWave wave = Loaded(MakeWav(Tone(1.0), stereo));
    const StreamLayout layout(wave);
    EXPECT_EQ(layout.ChunkBytes() % 4, 0u);
    EXPECT_EQ((layout.ReadPosition(123) - 44) % 4, 0u);
    EXPECT_GE(layout.ReadPosition(123), 123u);
}

TEST(StreamLayoutTest, DataAfterByte100StartsAtTheFirstSample) {
    // A WAV with a padding chunk before "data": the header must never be played as sound.
    std::vector<uint8_t> image = MakeWav(Tone(0.1));
    std::vector<uint8_t> pad{'J', 'U', 'N', 'K'};
    PutLe(pad, 100, 4);
    pad.resize(pad.size() + 100, 0);
    image.insert(image.begin() + 36, pad.begin(), pad.end());
    const uint32_t riffSize = static_cast<uint32_t>(image.size() - 8);
    for (int i = 0; i < 4; ++i) image[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
    const LoadWave wave = Loaded(std::move(image));
    EXPECT_EQ(StreamLayout(wave).ReadPosition(0), wave.DataOffset());
}

}  // namespace
