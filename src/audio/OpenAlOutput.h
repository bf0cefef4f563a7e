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

// One OpenAL source with two streaming buffers and its own low-pass filter. Positional sources
// fade linearly from full volume at distance 0 to silence at kAudibleDistance and feed the room's
// reverb; plain sources sit at the listener and skip the reverb. Created by AudioOutput; must be
// destroyed before it.
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

    void SetGain(float gain);                 // linear, negative values count as 0
    void SetFrequencyRatio(float ratio);      // 1 = unchanged pitch
    void SetFilter(const ShelfGains& gains);  // applied to the direct path and the reverb send
    // Positions the source at `position` (world units) and routes it to the reverb.
    void SetPositional(const glm::vec3& position);
    // Puts the source at the listener, without distance fading or reverb.
    void SetPlain();

    uint32_t SampleRate() const { return sampleRate_; }

  private:
    friend class AudioOutput;
    AudioSource(uint32_t reverbSlot, const WaveFormat& format);

    enum class Routing { kUnset, kPlain, kPositional };

    void SetRouting(Routing routing);

    uint32_t source_ = 0;
    uint32_t filter_ = 0;
    uint32_t buffers_[kBufferCount] = {};
    std::vector<uint32_t> freeBuffers_;
    uint32_t reverbSlot_;
    int32_t alFormat_;
    uint32_t sampleRate_;
    bool running_ = false;
    Routing routing_ = Routing::kUnset;
    ShelfGains filterGains_;
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
