#pragma once
// The audio backend: the only place that talks to OpenAL. Everything above it (engine, voices,
// sound table) speaks in game terms: left-handed world coordinates with y up, linear gains,
// frequency ratios and byte ranges of PCM data.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include <glm/vec3.hpp>

#include "audio/ReverbPresets.h"
#include "audio/VoiceFilter.h"
#include "audio/WaveFile.h"

class AudioOutput;

// One OpenAL source with two streaming buffers and a low-pass on its direct path and its reverb
// send. Positional sources fade linearly from full volume at distance 0 to silence at
// kAudibleDistance, on both paths; plain sources play at full level (mono on both channels) and
// skip the reverb. Created by AudioOutput; must be destroyed before it.
class AudioSource {
  public:
    // Distance (world units) at which a positional source falls silent.
    static constexpr float kAudibleDistance = 14.0f;
    // Buffers a source streams through.
    static constexpr int kBufferCount = 2;

    ~AudioSource();
    AudioSource(const AudioSource&) = delete;
    AudioSource& operator=(const AudioSource&) = delete;

    // Takes back the buffers the mixer has finished and returns how many are still queued.
    int ReclaimPlayed();
    // Copies `pcm` (whole sample frames of the source's format) into a free buffer and queues
    // it. Returns false when both buffers are queued or the data was refused.
    bool Queue(std::span<const uint8_t> pcm);

    // Plays what is queued now and whatever is queued later, until Pause or Flush.
    void Start();
    // Holds playback where it is; the queue stays.
    void Pause();
    // Stops and drops everything queued; the next buffer queued plays from its start.
    void Flush();

    void SetGain(float gain);             // linear, negative values count as 0
    void SetFrequencyRatio(float ratio);  // 1 = unchanged pitch
    // Positions the source at `position` (world units), filtering its direct path by `direct`
    // and its send to the reverb by `send`.
    void SetPositional(const glm::vec3& position, const ShelfGains& direct, const ShelfGains& send);
    // Plays the source straight to the output, filtered by `direct`, without distance fading or
    // reverb.
    void SetPlain(const ShelfGains& direct);

    uint32_t SampleRate() const { return sampleRate_; }
    // The rate the output mixes at, which the path filters run at.
    uint32_t OutputRate() const { return outputRate_; }

  private:
    friend class AudioOutput;
    AudioSource(uint32_t reverbSlot, const WaveFormat& format, uint32_t outputRate);

    enum class Routing { kUnset, kPlain, kPositional };

    void SetRouting(Routing routing);
    void SetDirectFilter(const ShelfGains& gains);
    void SetSendFilter(const ShelfGains& gains);
    void LoadFilter(const ShelfGains& gains);
    void ApplyGain();

    uint32_t source_ = 0;
    uint32_t filter_ = 0;  // parameters only: a source copies them when the filter is attached
    uint32_t buffers_[kBufferCount] = {};
    std::vector<uint32_t> freeBuffers_;
    uint32_t reverbSlot_;
    int32_t alFormat_;
    uint32_t channels_;
    uint32_t sampleRate_;
    uint32_t outputRate_;
    bool running_ = false;
    Routing routing_ = Routing::kUnset;
    float gain_ = 1.0f;
    ShelfGains directGains_;
    ShelfGains sendGains_;
    bool sendAttached_ = false;
};

// An OpenAL device and context with one auxiliary effect slot holding the room's reverb.
class AudioOutput {
  public:
    // The system's default output. When none opens (or it cannot hold the reverb), OpenAL Soft's
    // mixer runs into a silent sink that Advance drives at the game's frame rate, so the game runs
    // the same without a sound card; that fallback is announced once on stderr. Null only when
    // OpenAL cannot mix at all.
    static std::unique_ptr<AudioOutput> OpenDefault();
    // A loopback device that mixes only when Render asks: stereo 32-bit float at `sampleRate` Hz.
    static std::unique_ptr<AudioOutput> OpenLoopback(uint32_t sampleRate);

    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Puts `reverb` into the effect slot. False when OpenAL refused a value.
    bool SetReverb(const ReverbParameters& reverb);
    // Listener at `position` (world units) looking along `front` with `top` up.
    void SetListener(const glm::vec3& position, const glm::vec3& front, const glm::vec3& top);
    // Gain of the whole mix, linear, negative values count as 0.
    void SetMasterGain(float gain);

    // A source for sounds of `format` (must be streamable); null when OpenAL has no more sources.
    std::unique_ptr<AudioSource> CreateSource(const WaveFormat& format);

    // Loopback only: mixes the next stereo frames into `interleaved` (left, right, left, ...).
    // Returns false on any other device.
    bool Render(std::span<float> interleaved);
    // Mixes one game frame into the silent sink when this output is the no-sound-card fallback;
    // otherwise does nothing (the device mixes on its own, or the caller renders).
    void Advance();

    uint32_t SampleRate() const { return sampleRate_; }

  private:
    enum class Kind { kDevice, kLoopback, kSilentSink };

    AudioOutput() = default;
    static std::unique_ptr<AudioOutput> OpenLoopbackAs(Kind kind, uint32_t sampleRate);
    bool CreateContext(const int* attributes);

    void* device_ = nullptr;   // ALCdevice
    void* context_ = nullptr;  // ALCcontext
    uint32_t effect_ = 0;
    uint32_t slot_ = 0;
    uint32_t sampleRate_ = 0;
    Kind kind_ = Kind::kDevice;
    std::vector<float> sink_;  // one frame of the silent sink's mix
};
