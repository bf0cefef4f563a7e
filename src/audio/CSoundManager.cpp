#include "audio/CSoundManager.h"

#include <algorithm>

#include "audio/StreamLayout.h"

HRESULT CSound::Load(int32_t index, const AssetReader& read) {
    std::optional<std::vector<uint8_t>> image = read(index);
    if (!image || Failed(wave_.Open(std::move(*image)))) return E_FAIL;
    if (!IsStreamable(wave_.Format())) {
        wave_ = LoadWave();
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CSound::AddVoice(int32_t index, const AssetReader& read, CXAudio2& engine,
                         X3DVoiceState& emitter, int32_t& slot) {
    if (voiceCount_ == 0 && Failed(Load(index, read))) return E_FAIL;
    auto freeSlot = std::find(voices_.begin(), voices_.end(), nullptr);
    if (freeSlot == voices_.end()) freeSlot = voices_.insert(voices_.end(), nullptr);
    AudioOutput* output = engine.Output();
    *freeSlot = std::make_unique<SVoice>(wave_, emitter, engine,
                                         output ? output->CreateSource(wave_.Format()) : nullptr);
    ++voiceCount_;
    slot = static_cast<int32_t>(freeSlot - voices_.begin());
    return S_OK;
}

void CSound::ReleaseVoice(int32_t slot) {
    if (Voice(slot) == nullptr) return;
    voices_[static_cast<size_t>(slot)].reset();
    --voiceCount_;
}

SVoice* CSound::Voice(int32_t slot) {
    if (slot < 0 || static_cast<size_t>(slot) >= voices_.size()) return nullptr;
    return voices_[static_cast<size_t>(slot)].get();
}

uint32_t CSound::SoundingCount() const {
    return static_cast<uint32_t>(
        std::count_if(voices_.begin(), voices_.end(),
                      [](const auto& voice) { return voice && voice->Phase() != kVoiceStopped; }));
}

void CSound::Update() {
    for (const std::unique_ptr<SVoice>& voice : voices_) {
        if (voice) voice->Update();
    }
}

HRESULT CSoundManager::AcquireVoice(int32_t index, X3DVoiceState& emitter, int32_t& slot) {
    std::unique_ptr<CSound>& sound = sounds_[index];
    if (!sound) sound = std::make_unique<CSound>();
    return sound->AddVoice(index, read_, engine_, emitter, slot);
}

void CSoundManager::ReleaseVoice(int32_t index, int32_t slot) {
    const auto found = sounds_.find(index);
    if (found == sounds_.end()) return;
    found->second->ReleaseVoice(slot);
    if (found->second->VoiceCount() == 0) sounds_.erase(found);
}

SVoice* CSoundManager::Voice(int32_t index, int32_t slot) {
    const auto found = sounds_.find(index);
    return found == sounds_.end() ? nullptr : found->second->Voice(slot);
}

HRESULT CSoundManager::Update() {
    if (Failed(engine_.BeginFrame())) return E_FAIL;
    for (auto& [index, sound] : sounds_) sound->Update();
    engine_.EndFrame();
    return S_OK;
}

const CSound* CSoundManager::Find(int32_t index) const {
    const auto found = sounds_.find(index);
    return found == sounds_.end() ? nullptr : found->second.get();
}

CSoundManager::VoiceTally CSoundManager::Tally() const {
    VoiceTally tally;
    for (const auto& [index, sound] : sounds_) {
        tally.allocated += sound->VoiceCount();
        tally.sounding += sound->SoundingCount();
    }
    return tally;
}
