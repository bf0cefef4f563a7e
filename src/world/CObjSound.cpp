#include "world/CObjSound.h"

#include "audio/CSoundManager.h"
#include "audio/SVoice.h"

namespace {

CSoundManager* gSoundTable = nullptr;

}  // namespace

void CObjSound::SetSoundTable(CSoundManager* table) {
    gSoundTable = table;
}

CObjSound::~CObjSound() {
    if (table_ != nullptr && voiceSlot_ >= 0) table_->ReleaseVoice(soundIndex, voiceSlot_);
}

void CObjSound::Play() {
    if (SVoice* voice = Acquire()) voice->Play();
}

void CObjSound::FadeOutAndRewind(float seconds) {
    if (SVoice* voice = Acquire()) voice->FadeOutAndRewind(seconds);
}

SVoice* CObjSound::GetVoice() {
    return Acquire();
}

SVoice* CObjSound::Acquire() {
    if (table_ == nullptr) table_ = gSoundTable;
    if (table_ == nullptr) return nullptr;
    if (voiceSlot_ < 0) {
        int32_t slot = -1;
        if (Failed(table_->AcquireVoice(soundIndex, *this, slot))) return nullptr;
        voiceSlot_ = slot;
    }
    return table_->Voice(soundIndex, voiceSlot_);
}
