// The sound table: shared file images, slots, release, failed loads and missing sources.
#include <chrono>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

#include "TestSounds.h"
#include "audio/SVoice.h"

namespace {

using namespace audiotest;

constexpr int32_t kDoor = 187;
constexpr int32_t kStep = 197;

class SoundTableCaseTest : public SoundTableTest {
  protected:
    void SetUp() override {
        rows[kDoor] = MakeWav(Tone(0.5));
        rows[kStep] = MakeWav(Tone(0.3));
        SoundTableTest::SetUp();
    }
};

// Emitters of one sound share one image, read once, until the last of them is released; the next
// play reads the row again.
TEST_F(SoundTableCaseTest, EmittersShareOneImageUntilTheLastVoiceIsReleased) {
    CObjSound other(kStep);
    other.Play();
    {
        CObjSound first(kDoor);
        first.Play();
        {
            CObjSound second(kDoor);
            second.Play();
            EXPECT_EQ(table.Find(kDoor)->VoiceCount(), 2u);
            EXPECT_EQ(reads[kDoor], 1);
            EXPECT_GT(LoudestOf(8), 0.05);
        }
        ASSERT_NE(table.Find(kDoor), nullptr);
        EXPECT_EQ(table.Find(kDoor)->VoiceCount(), 1u);
    }
    EXPECT_EQ(table.Find(kDoor), nullptr);
    EXPECT_EQ(reads[kStep], 1);
    CObjSound again(kDoor);
    again.Play();
    EXPECT_EQ(reads[kDoor], 2);
    EXPECT_EQ(table.Find(kDoor)->VoiceCount(), 1u);
}

TEST_F(SoundTableCaseTest, AReleasedSlotIsReusedAndAnUnknownOneChangesNothing) {
    X3DVoiceState a, b, c;
    int32_t slotA = -1, slotB = -1, slotC = -1;
    ASSERT_EQ(table.AcquireVoice(kStep, a, slotA), S_OK);
    ASSERT_EQ(table.AcquireVoice(kStep, b, slotB), S_OK);
    EXPECT_EQ(slotB, 1);
    table.ReleaseVoice(kStep, slotA);
    EXPECT_EQ(table.Voice(kStep, slotA), nullptr);
    for (int32_t unknown : {5, -1}) table.ReleaseVoice(kStep, unknown);
    table.ReleaseVoice(kDoor, 0);
    ASSERT_EQ(table.AcquireVoice(kStep, c, slotC), S_OK);
    EXPECT_EQ(slotC, 0);
    EXPECT_EQ(table.Find(kStep)->VoiceCount(), 2u);
    table.ReleaseVoice(kStep, slotB);
    table.ReleaseVoice(kStep, slotC);
    EXPECT_EQ(table.Find(kStep), nullptr);
}

// Rows that must fail the load, missing or a WAV that cannot be streamed: the acquire fails, keeps
// no voice and is tried again at the next play.
TEST_F(SoundTableTest, ABadRowFailsTheAcquireKeepsNoVoiceAndIsRetried) {
    std::vector<uint8_t> truncated = MakeWav(Tone(0.1));
    truncated.resize(60);  // the reader's own refusals are tested with it
    const std::pair<const char*, std::optional<std::vector<uint8_t>>> bad[] = {
        {"missing", std::nullopt},
        {"truncated", truncated},
        {"no channels", MakeWav(Tone(0.1), {.channels = 0})},
        {"no sample rate", MakeWav(Tone(0.1), {.rate = 0})},
        {"no byte rate", MakeWav(Tone(0.1), {.avgBytesPerSec = 0})},
        {"24 bits", MakeWav(Tone(0.1), {.bits = 24, .blockAlign = 3})},
        {"three channels", MakeWav(Tone(0.1), {.channels = 3, .blockAlign = 6})},
        {"float samples", MakeWav(Tone(0.1), {.tag = 3})},
        {"block size mismatch", MakeWav(Tone(0.1), {.blockAlign = 1})}};
    for (const auto& [name, image] : bad) {
        SCOPED_TRACE(name);
        image ? void(rows[kDoor] = *image) : void(rows.erase(kDoor));
        reads.clear();
        CObjSound emitter(kDoor);
        emitter.Play();
        EXPECT_EQ(emitter.GetVoice(), nullptr);
        ASSERT_NE(table.Find(kDoor), nullptr);
        EXPECT_EQ(table.Find(kDoor)->VoiceCount(), 0u);
        EXPECT_EQ(reads[kDoor], 2);  // Play and GetVoice each tried
        Frame();

        rows[kDoor] = MakeWav(Tone(0.5));
        emitter.Play();
        EXPECT_EQ(reads[kDoor], 3);
        ASSERT_NE(emitter.GetVoice(), nullptr);
        EXPECT_GT(LoudestOf(5), 0.05);
    }
}

TEST_F(SoundTableTest, AVoiceWithoutASourceCountsAndPlaysNothing) {
    // OpenAL Soft gives a context 256 sources; the voice after them has none.
    constexpr int kSources = 256;
    rows[kStep] = MakeWav(Tone(1.0));
    std::vector<X3DVoiceState> emitters(kSources + 1);
    std::vector<int32_t> slots(kSources + 1, -1);
    for (int i = 0; i <= kSources; ++i) {
        ASSERT_EQ(table.AcquireVoice(kStep, emitters[i], slots[i]), S_OK);
    }
    SVoice* sourceless = table.Voice(kStep, slots[kSources]);
    ASSERT_NE(sourceless, nullptr);
    EXPECT_FALSE(sourceless->HasSource());
    sourceless->Play();
    table.Voice(kStep, slots[0])->Play();
    EXPECT_EQ(sourceless->Phase(), kVoiceStopped);
    EXPECT_GT(LoudestOf(5), 0.05);
    for (int32_t slot : slots) table.ReleaseVoice(kStep, slot);
    EXPECT_EQ(table.Find(kStep), nullptr);
}

TEST(SoundTableWithoutOutputTest, UpdateFailsAndVoicesStaySilent) {
    const std::vector<uint8_t> wav = MakeWav(Tone(0.2));
    CSoundManager table([&](int32_t) { return std::optional(wav); });
    X3DVoiceState emitter;
    int32_t slot = -1;
    ASSERT_EQ(table.AcquireVoice(kStep, emitter, slot), S_OK);
    EXPECT_FALSE(table.Voice(kStep, slot)->HasSource());
    EXPECT_EQ(table.Update(), E_FAIL);
    table.ReleaseVoice(kStep, slot);
}

// Under the test runner OpenAL Soft's null backend is the default device; run directly on a
// machine without a sound card, the silent fallback. Either way a sound plays to its end.
TEST(DefaultOutputTest, RunsWithoutASoundCard) {
    const std::vector<uint8_t> wav = MakeWav(Tone(0.1));
    CSoundManager table([&](int32_t) { return std::optional(wav); });
    ASSERT_EQ(table.Init(), S_OK);
    X3DVoiceState emitter;
    int32_t slot = -1;
    ASSERT_EQ(table.AcquireVoice(kStep, emitter, slot), S_OK);
    SVoice* voice = table.Voice(kStep, slot);
    voice->Play();
    for (int frame = 0; frame < 300 && voice->Phase() != kVoiceStopped; ++frame) {
        ASSERT_EQ(table.Update(), S_OK);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(voice->Phase(), kVoiceStopped);
    table.ReleaseVoice(kStep, slot);
}

TEST(CObjSoundTest, AnEmitterWithoutASoundTableDoesNothing) {
    CObjSound::SetSoundTable(nullptr);
    CObjSound emitter(kStep);
    emitter.Play();
    emitter.FadeOutAndRewind(0.0f);
    EXPECT_EQ(emitter.GetVoice(), nullptr);
}

}  // namespace
