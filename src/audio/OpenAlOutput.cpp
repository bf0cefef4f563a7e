#include "audio/OpenAlOutput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <AL/efx.h>

#include "audio/Doppler.h"

namespace {

// Sample rate of the silent sink that stands in for a missing sound card.
constexpr uint32_t kSilentSinkRate = 48000;
// What OpenAL Soft's stereo panning gives each channel for a mono source straight ahead
// (0.5 + 0.0552·√3). A plain mono sound is raised by its inverse to reach both channels at full
// level; a plain stereo one already plays channel for channel.
constexpr float kFrontCentrePan = 0.5957f;

ALCdevice* Device(void* device) {
    return static_cast<ALCdevice*>(device);
}
ALCcontext* Context(void* context) {
    return static_cast<ALCcontext*>(context);
}

// The game's world is left-handed (x right, y up, z forward); OpenAL's is right-handed with z
// pointing backwards. Mirroring z maps one onto the other and keeps left and right.
void ToOpenAl(const glm::vec3& v, ALfloat out[3]) {
    out[0] = v.x;
    out[1] = v.y;
    out[2] = -v.z;
}

// A change of a shelf's gains by less than 0.05 dB (0.6 %) is not heard; leaving it out saves
// OpenAL a property update on most frames of a moving source.
bool Inaudible(const ShelfGains& wanted, const ShelfGains& applied) {
    constexpr float kStep = 0.006f;
    const auto close = [](float a, float b) { return std::abs(a - b) <= kStep * std::max(a, b); };
    return close(wanted.gain, applied.gain) && close(wanted.gainHF, applied.gainHF);
}

ALenum BufferFormat(const WaveFormat& format) {
    const bool stereo = format.channels == 2;
    if (format.bitsPerSample == 8) return stereo ? AL_FORMAT_STEREO8 : AL_FORMAT_MONO8;
    return stereo ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
}

}  // namespace

// ---- AudioSource ----

AudioSource::AudioSource(uint32_t reverbSlot, const WaveFormat& format, uint32_t outputRate)
    : reverbSlot_(reverbSlot),
      alFormat_(BufferFormat(format)),
      channels_(format.channels),
      sampleRate_(format.samplesPerSec),
      outputRate_(outputRate) {
    freeBuffers_.reserve(kBufferCount);
}

AudioSource::~AudioSource() {
    if (source_ != 0) {
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
        alDeleteSources(1, &source_);
    }
    alDeleteBuffers(kBufferCount, buffers_);
    if (filter_ != 0) alDeleteFilters(1, &filter_);
}

int AudioSource::ReclaimPlayed() {
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        freeBuffers_.push_back(buffer);
    }
    return kBufferCount - static_cast<int>(freeBuffers_.size());
}

bool AudioSource::Queue(std::span<const uint8_t> pcm) {
    if (freeBuffers_.empty()) return false;
    const ALuint buffer = freeBuffers_.back();
    alGetError();
    alBufferData(buffer, alFormat_, pcm.data(), static_cast<ALsizei>(pcm.size()),
                 static_cast<ALsizei>(sampleRate_));
    alSourceQueueBuffers(source_, 1, &buffer);
    if (alGetError() != AL_NO_ERROR) return false;
    freeBuffers_.pop_back();
    // A source whose queue ran dry stops by itself; a running voice picks up the new data.
    if (running_) {
        ALint state = AL_STOPPED;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) alSourcePlay(source_);
    }
    return true;
}

void AudioSource::Start() {
    running_ = true;
    ALint queued = 0;
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    if (queued > 0) alSourcePlay(source_);
}

void AudioSource::Pause() {
    running_ = false;
    alSourcePause(source_);
}

void AudioSource::Flush() {
    running_ = false;
    // Rewound rather than stopped: a stopped source counts every buffer queued later as already
    // played, a rewound one waits for Start.
    alSourceRewind(source_);
    alSourcei(source_, AL_BUFFER, 0);
    freeBuffers_.assign(buffers_, buffers_ + kBufferCount);
}

void AudioSource::SetGain(float gain) {
    gain_ = std::max(gain, 0.0f);
    ApplyGain();
}

void AudioSource::ApplyGain() {
    const bool centred = routing_ == Routing::kPlain && channels_ == 1;
    alSourcef(source_, AL_GAIN, centred ? gain_ / kFrontCentrePan : gain_);
}

void AudioSource::SetFrequencyRatio(float ratio) {
    alSourcef(source_, AL_PITCH, ratio);
}

void AudioSource::SetPositional(const glm::vec3& position, const ShelfGains& direct,
                                const ShelfGains& send) {
    SetRouting(Routing::kPositional);
    ALfloat at[3];
    ToOpenAl(position, at);
    alSourcefv(source_, AL_POSITION, at);
    SetDirectFilter(direct);
    SetSendFilter(send);
}

void AudioSource::SetPlain(const ShelfGains& direct) {
    SetRouting(Routing::kPlain);
    SetDirectFilter(direct);
}

void AudioSource::SetRouting(Routing routing) {
    if (routing == routing_) return;
    routing_ = routing;
    const bool plain = routing == Routing::kPlain;
    alSourcei(source_, AL_SOURCE_RELATIVE, plain ? AL_TRUE : AL_FALSE);
    if (plain) {
        alSource3f(source_, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSource3i(source_, AL_AUXILIARY_SEND_FILTER, AL_EFFECTSLOT_NULL, 0, AL_FILTER_NULL);
        sendAttached_ = false;
    }
    ApplyGain();
}

void AudioSource::SetDirectFilter(const ShelfGains& gains) {
    if (Inaudible(gains, directGains_)) return;
    directGains_ = gains;
    LoadFilter(gains);
    alSourcei(source_, AL_DIRECT_FILTER, static_cast<ALint>(filter_));
}

void AudioSource::SetSendFilter(const ShelfGains& gains) {
    if (sendAttached_ && Inaudible(gains, sendGains_)) return;
    sendGains_ = gains;
    sendAttached_ = true;
    LoadFilter(gains);
    alSource3i(source_, AL_AUXILIARY_SEND_FILTER, static_cast<ALint>(reverbSlot_), 0,
               static_cast<ALint>(filter_));
}

void AudioSource::LoadFilter(const ShelfGains& gains) {
    alFilterf(filter_, AL_LOWPASS_GAIN, gains.gain);
    alFilterf(filter_, AL_LOWPASS_GAINHF, gains.gainHF);
}

// ---- AudioOutput ----

std::unique_ptr<AudioOutput> AudioOutput::OpenDefault() {
    if (ALCdevice* device = alcOpenDevice(nullptr)) {
        std::unique_ptr<AudioOutput> output(new AudioOutput());
        output->device_ = device;
        output->kind_ = Kind::kDevice;
        const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 1, 0};
        if (output->CreateContext(attributes)) {
            ALCint rate = 0;
            alcGetIntegerv(device, ALC_FREQUENCY, 1, &rate);
            output->sampleRate_ = static_cast<uint32_t>(rate);
            return output;
        }
        // A device without the effect extension or a context is no use either: fall back.
    }
    static bool announced = false;
    if (!announced) {
        std::fputs("audio: no output device opened; running with OpenAL Soft's null output\n",
                   stderr);
        announced = true;
    }
    return OpenLoopbackAs(Kind::kSilentSink, kSilentSinkRate);
}

std::unique_ptr<AudioOutput> AudioOutput::OpenLoopback(uint32_t sampleRate) {
    return OpenLoopbackAs(Kind::kLoopback, sampleRate);
}

std::unique_ptr<AudioOutput> AudioOutput::OpenLoopbackAs(Kind kind, uint32_t sampleRate) {
    ALCdevice* device = alcLoopbackOpenDeviceSOFT(nullptr);
    if (device == nullptr) return nullptr;
    std::unique_ptr<AudioOutput> output(new AudioOutput());
    output->device_ = device;
    output->kind_ = kind;
    output->sampleRate_ = sampleRate;
    // Plain stereo panning without HRTF or limiter, so that what is mixed is what was asked for.
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_FLOAT_SOFT,
                                 ALC_FREQUENCY,
                                 static_cast<ALCint>(sampleRate),
                                 ALC_HRTF_SOFT,
                                 ALC_FALSE,
                                 ALC_OUTPUT_LIMITER_SOFT,
                                 ALC_FALSE,
                                 ALC_MAX_AUXILIARY_SENDS,
                                 1,
                                 0};
    if (!output->CreateContext(attributes)) return nullptr;
    if (kind == Kind::kSilentSink) {
        output->sink_.resize(2 * static_cast<size_t>(sampleRate * kFrameSeconds));
    }
    return output;
}

bool AudioOutput::CreateContext(const int* attributes) {
    ALCdevice* device = Device(device_);
    if (!alcIsExtensionPresent(device, "ALC_EXT_EFX")) return false;
    ALCcontext* context = alcCreateContext(device, attributes);
    if (context == nullptr) return false;
    context_ = context;
    if (!alcMakeContextCurrent(context)) return false;
    alGetError();
    // Distance fading is linear to silence at kAudibleDistance (per source: reference 0, maximum
    // kAudibleDistance, rolloff 1). The engine computes Doppler itself to limit the ratio.
    alDistanceModel(AL_LINEAR_DISTANCE_CLAMPED);
    alDopplerFactor(0.0f);
    alGenEffects(1, &effect_);
    alEffecti(effect_, AL_EFFECT_TYPE, AL_EFFECT_EAXREVERB);
    alGenAuxiliaryEffectSlots(1, &slot_);
    alAuxiliaryEffectSlotf(slot_, AL_EFFECTSLOT_GAIN, 1.0f);
    // Without the automatic send, the reverb send fades along the sources' distance curve like
    // the direct sound. With it, OpenAL Soft fades the send by the room's own rolloff (0 in every
    // preset), and a source anywhere in the room is heard in the reverb.
    alAuxiliaryEffectSloti(slot_, AL_EFFECTSLOT_AUXILIARY_SEND_AUTO, AL_FALSE);
    return alGetError() == AL_NO_ERROR;
}

AudioOutput::~AudioOutput() {
    if (context_ != nullptr) {
        alcMakeContextCurrent(Context(context_));
        alAuxiliaryEffectSloti(slot_, AL_EFFECTSLOT_EFFECT, AL_EFFECT_NULL);
        if (slot_ != 0) alDeleteAuxiliaryEffectSlots(1, &slot_);
        if (effect_ != 0) alDeleteEffects(1, &effect_);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(Context(context_));
    }
    if (device_ != nullptr) alcCloseDevice(Device(device_));
}

bool AudioOutput::SetReverb(const ReverbParameters& reverb) {
    alGetError();
    alEffectf(effect_, AL_EAXREVERB_DENSITY, reverb.density);
    alEffectf(effect_, AL_EAXREVERB_DIFFUSION, reverb.diffusion);
    alEffectf(effect_, AL_EAXREVERB_GAIN, reverb.gain);
    alEffectf(effect_, AL_EAXREVERB_GAINHF, reverb.gainHF);
    alEffectf(effect_, AL_EAXREVERB_DECAY_TIME, reverb.decayTime);
    alEffectf(effect_, AL_EAXREVERB_DECAY_HFRATIO, reverb.decayHFRatio);
    alEffectf(effect_, AL_EAXREVERB_REFLECTIONS_GAIN, reverb.reflectionsGain);
    alEffectf(effect_, AL_EAXREVERB_REFLECTIONS_DELAY, reverb.reflectionsDelay);
    alEffectf(effect_, AL_EAXREVERB_LATE_REVERB_GAIN, reverb.lateReverbGain);
    alEffectf(effect_, AL_EAXREVERB_LATE_REVERB_DELAY, reverb.lateReverbDelay);
    alEffectf(effect_, AL_EAXREVERB_HFREFERENCE, reverb.hfReference);
    alEffecti(effect_, AL_EAXREVERB_DECAY_HFLIMIT, AL_TRUE);
    // The slot copies the effect's values when the effect is attached: attach again.
    alAuxiliaryEffectSloti(slot_, AL_EFFECTSLOT_EFFECT, static_cast<ALint>(effect_));
    return alGetError() == AL_NO_ERROR;
}

void AudioOutput::SetListener(const glm::vec3& position, const glm::vec3& front,
                              const glm::vec3& top) {
    ALfloat at[3];
    ToOpenAl(position, at);
    alListenerfv(AL_POSITION, at);
    ALfloat orientation[6];
    ToOpenAl(front, orientation);
    ToOpenAl(top, orientation + 3);
    alListenerfv(AL_ORIENTATION, orientation);
}

void AudioOutput::SetMasterGain(float gain) {
    alListenerf(AL_GAIN, std::max(gain, 0.0f));
}

std::unique_ptr<AudioSource> AudioOutput::CreateSource(const WaveFormat& format) {
    std::unique_ptr<AudioSource> source(new AudioSource(slot_, format, sampleRate_));
    alGetError();
    alGenSources(1, &source->source_);
    if (alGetError() != AL_NO_ERROR) {
        source->source_ = 0;
        return nullptr;
    }
    alGenBuffers(AudioSource::kBufferCount, source->buffers_);
    alGenFilters(1, &source->filter_);
    alFilteri(source->filter_, AL_FILTER_TYPE, AL_FILTER_LOWPASS);
    alSourcef(source->source_, AL_REFERENCE_DISTANCE, 0.0f);
    alSourcef(source->source_, AL_MAX_DISTANCE, AudioSource::kAudibleDistance);
    alSourcef(source->source_, AL_ROLLOFF_FACTOR, 1.0f);
    alSourcef(source->source_, AL_MAX_GAIN, 1.0f / kFrontCentrePan);
    if (alGetError() != AL_NO_ERROR) return nullptr;
    source->freeBuffers_.assign(source->buffers_, source->buffers_ + AudioSource::kBufferCount);
    source->SetPlain({});
    return source;
}

bool AudioOutput::Render(std::span<float> interleaved) {
    if (kind_ != Kind::kLoopback) return false;
    alcRenderSamplesSOFT(Device(device_), interleaved.data(),
                         static_cast<ALCsizei>(interleaved.size() / 2));
    return true;
}

void AudioOutput::Advance() {
    if (kind_ != Kind::kSilentSink) return;
    alcRenderSamplesSOFT(Device(device_), sink_.data(), static_cast<ALCsizei>(sink_.size() / 2));
}
