#include "audio/CXAudio2.h"

#include "audio/Doppler.h"
#include "audio/ReverbPresets.h"

HRESULT CXAudio2::Init() {
    return Init(AudioOutput::OpenDefault());
}

HRESULT CXAudio2::Init(std::unique_ptr<AudioOutput> output) {
    if (output == nullptr) return E_FAIL;
    output_ = std::move(output);
    return S_OK;
}

HRESULT CXAudio2::ApplyReverbPreset(uint32_t preset) {
    if (output_ == nullptr) return E_FAIL;
    return output_->SetReverb(ToEfxReverb(ReverbPreset(preset))) ? S_OK : E_FAIL;
}

void CXAudio2::SetListener(const glm::vec3& position, const glm::vec3& front,
                           const glm::vec3& top) {
    listener_.position = position;
    front_ = front;
    top_ = top;
}

HRESULT CXAudio2::BeginFrame() {
    if (output_ == nullptr) return E_FAIL;
    if (wantedPreset != activePreset_) {
        if (Failed(ApplyReverbPreset(wantedPreset))) return E_FAIL;
        activePreset_ = wantedPreset;
    }
    listener_.velocity = hasLastListenerPosition_
                             ? FrameVelocity(lastListenerPosition_, listener_.position)
                             : glm::vec3(0.0f);
    lastListenerPosition_ = listener_.position;
    hasLastListenerPosition_ = true;
    output_->SetListener(listener_.position, front_, top_);
    output_->SetMasterGain(masterVolume);
    return S_OK;
}

void CXAudio2::EndFrame() {
    if (output_ != nullptr) output_->Advance();
}
