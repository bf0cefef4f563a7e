#pragma once
#include <cstdint>

#include "audio/X3DVoiceState.h"

class CSoundManager;
class SVoice;

// A sound emitter placed in a scene: the 3-D and playback settings of its base, and one voice of
// sound `soundIndex` taken from the game's sound table on first use and returned on destruction.
//
// The two volume values owners animate are the base's `fadeStep` (first: the volume change per
// frame of a fade) and `volume` (second: the volume while playing).
class CObjSound : public X3DVoiceState {
  public:
    explicit CObjSound(int32_t soundIndex = -1) : soundIndex(soundIndex) {}
    CObjSound(const CObjSound&) = delete;
    CObjSound& operator=(const CObjSound&) = delete;
    ~CObjSound() override;

    // The sound table emitters bind to on first use. The library sets it when audio starts and
    // clears it when audio stops; the table must outlive every emitter that bound to it.
    static void SetSoundTable(CSoundManager* table);

    // Starts the voice (fading in) unless it is already sounding.
    void Play();
    // Fades a playing voice out and rewinds it to `seconds` into the sound.
    void FadeOutAndRewind(float seconds);
    // The voice, for callers that test its phase; null when the sound could not be loaded.
    SVoice* GetVoice();

    int32_t soundIndex;  // catalogue index of the WAV (184..200)

  private:
    // Binds the table and takes a voice on first use; a failed load is tried again next time.
    SVoice* Acquire();

    CSoundManager* table_ = nullptr;
    int32_t voiceSlot_ = -1;
};
