#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "audio/OpenAlOutput.h"
#include "audio/StreamLayout.h"
#include "audio/VoiceFilter.h"
#include "audio/WaveFile.h"

class CXAudio2;
class X3DVoiceState;

// The phases of a voice. A voice runs kStopped → kFadingIn → kPlaying → (kFadingToStop |
// kFadingToRewind) → kStopped; callers treat kPlaying and kFadingIn as "sounding".
enum VoicePhase : uint32_t {
    kVoiceStopped = 0,
    kVoicePlaying = 1,
    kVoiceFadingToRewind = 2,
    kVoiceFadingIn = 3,
    kVoiceFadingToStop = 4,
};

// One emitter's playback of one sound: streams the sound's file image through its source in
// one-second chunks, fades in on Play and out on the fade operations, and follows its emitter's
// placement, volume and filter every frame.
class SVoice {
  public:
    // `wave` (a streamable sound), `emitter` and `engine` must outlive the voice. A null `source`
    // (OpenAL had none left) gives a voice that never sounds and stays kStopped.
    SVoice(const LoadWave& wave, X3DVoiceState& emitter, const CXAudio2& engine,
           std::unique_ptr<AudioSource> source);
    SVoice(const SVoice&) = delete;
    SVoice& operator=(const SVoice&) = delete;
    virtual ~SVoice() = default;

    // From kStopped: fades in from silence, playing on from where the voice stopped or rewound.
    void Play();
    // From kPlaying only: fades out, then rewinds to `seconds` into the sound (measured in the
    // sound's byte rate from the start of the file). An offset at or past the data's size keeps
    // the previous start offset; the fade happens either way.
    void FadeOutAndRewind(float seconds);
    // From kPlaying or kFadingIn: fades out and holds the position; Play resumes there.
    void FadeOutAndStop();

    // Once a frame, after the engine's BeginFrame: placement, fade, volume, streaming. When a
    // sound that does not loop has played to its end, the voice rewinds to its start offset and
    // returns to kStopped, so the next Play plays it again.
    void Update();

    uint32_t Phase() const { return phase_; }
    bool HasSource() const { return source_ != nullptr; }

  private:
    void Place();
    void StepFade();
    void Stream();
    void Rewind();

    const LoadWave& wave_;
    StreamLayout layout_;
    X3DVoiceState& emitter_;
    const CXAudio2& engine_;
    std::unique_ptr<AudioSource> source_;
    ShelfMapping voiceShelf_;     // the voice's own filter, at the sound's rate
    ShelfMapping pathShelf_;      // the output paths' filters, at the output's rate
    ShelfGains reverbShelf_;      // the reverb send's fixed low-pass
    float currentVolume_ = 0.0f;  // volume applied while fading
    size_t startOffset_ = 0;      // file offset playback rewinds to
    size_t readOffset_ = 0;       // file offset of the next read
    uint32_t phase_ = kVoiceStopped;
    bool endQueued_ = false;  // the last chunk of a sound that does not loop is queued
};
