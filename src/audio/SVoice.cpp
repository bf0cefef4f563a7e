#include "audio/SVoice.h"

#include <cmath>

#include "audio/CXAudio2.h"
#include "audio/X3DVoiceState.h"

SVoice::SVoice(const LoadWave& wave, X3DVoiceState& emitter, const CXAudio2& engine,
               std::unique_ptr<AudioSource> source)
    : wave_(wave),
      layout_(wave),
      emitter_(emitter),
      engine_(engine),
      source_(std::move(source)),
      voiceShelf_(wave.Format().samplesPerSec),
      pathShelf_(source_ ? source_->OutputRate() : 0),
      reverbShelf_(pathShelf_.ToShelf(kLowPassFilter, PathFilter(kReverbLowPass))) {}

void SVoice::Play() {
    if (source_ == nullptr || phase_ != kVoiceStopped) return;
    currentVolume_ = 0.0f;
    source_->Start();
    phase_ = kVoiceFadingIn;
}

void SVoice::FadeOutAndRewind(float seconds) {
    if (phase_ != kVoicePlaying) return;
    const double bytes = std::trunc(static_cast<double>(wave_.Format().avgBytesPerSec) * seconds);
    if (bytes >= 0.0 && bytes < static_cast<double>(wave_.DataSize())) {
        startOffset_ = static_cast<size_t>(bytes);
    }
    phase_ = kVoiceFadingToRewind;
}

void SVoice::FadeOutAndStop() {
    if (phase_ == kVoicePlaying || phase_ == kVoiceFadingIn) phase_ = kVoiceFadingToStop;
}

void SVoice::Update() {
    if (source_ == nullptr) return;
    Place();
    StepFade();
    // While playing, a change of the emitter's volume is heard at once.
    source_->SetGain(phase_ == kVoicePlaying ? emitter_.volume : currentVolume_);
    Stream();
}

void SVoice::Place() {
    const VoicePlacement placement = emitter_.Place(engine_.Listener());
    // The voice's own filter comes first on both paths.
    const ShelfGains own = voiceShelf_.ToShelf(emitter_.filterType, emitter_.filter);
    if (placement.positional) {
        const ShelfGains distance =
            pathShelf_.ToShelf(kLowPassFilter, PathFilter(placement.directLowPass));
        source_->SetPositional(placement.position, own * distance, own * reverbShelf_);
    } else {
        source_->SetPlain(own);
    }
    source_->SetFrequencyRatio(placement.frequencyRatio);
}

void SVoice::StepFade() {
    // A step of 0 or less would never arrive: such a fade completes at once. Five steps of 0.2
    // must take five frames although their float sum misses 1.0 by a rounding error.
    constexpr float kRoundingSlack = 1e-4f;
    const float step = emitter_.fadeStep;
    switch (phase_) {
        case kVoiceFadingIn:
            currentVolume_ += step;
            if (step <= 0.0f || currentVolume_ >= emitter_.volume - kRoundingSlack) {
                currentVolume_ = emitter_.volume;
                phase_ = kVoicePlaying;
            }
            break;
        case kVoiceFadingToStop:
        case kVoiceFadingToRewind:
            currentVolume_ -= step;
            if (step <= 0.0f || currentVolume_ <= kRoundingSlack) {
                currentVolume_ = 0.0f;
                if (phase_ == kVoiceFadingToRewind) {
                    Rewind();
                } else {
                    source_->Pause();
                }
                phase_ = kVoiceStopped;
            }
            break;
        default:
            break;
    }
}

void SVoice::Stream() {
    const int queued = source_->ReclaimPlayed();
    if (endQueued_) {
        if (queued == 0) {
            Rewind();
            phase_ = kVoiceStopped;
        }
        return;
    }
    if (queued >= AudioSource::kBufferCount) return;
    const size_t position = layout_.ReadPosition(readOffset_);
    const size_t size = layout_.ReadSize(position);
    readOffset_ = position + size;
    if (size < layout_.ChunkBytes()) {
        if (emitter_.loop != 0) {
            readOffset_ = 0;  // the next read starts at the playback start again
        } else {
            endQueued_ = true;
        }
    }
    if (size > 0) source_->Queue(wave_.Image().subspan(position, size));
}

void SVoice::Rewind() {
    source_->Flush();
    readOffset_ = startOffset_;
    endQueued_ = false;
}
