#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "audio/CXAudio2.h"
#include "audio/SVoice.h"
#include "audio/WaveFile.h"
#include "library/Result.h"

class X3DVoiceState;

// Reads the bytes of one catalogue row (a WAV file), or nullopt when it cannot.
using AssetReader = std::function<std::optional<std::vector<uint8_t>>(int32_t index)>;

// One sound of the table: its file image, read once and shared by all its voices, and the voices.
class CSound {
  public:
    CSound() = default;
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;
    virtual ~CSound() = default;

    // Loads the file on the first voice, then creates a voice for `emitter` in the first free
    // slot (or a new one) and stores the slot in `slot`. A file that is missing, malformed or not
    // streamable fails with E_FAIL and no voice; the next call tries to load it again. A voice for
    // which no output source was left still counts and succeeds: it plays nothing.
    HRESULT AddVoice(int32_t index, const AssetReader& read, CXAudio2& engine,
                     X3DVoiceState& emitter, int32_t& slot);
    // Deletes the voice in `slot` (ignored when empty or out of range).
    void ReleaseVoice(int32_t slot);
    // The voice in `slot`, or null.
    SVoice* Voice(int32_t slot);
    // Updates every voice, in slot order.
    void Update();

    // Voices handed out and not yet released; 0 also means the file is not loaded.
    uint32_t VoiceCount() const { return voiceCount_; }
    // Voices that are not stopped: fading in, playing or fading out.
    uint32_t SoundingCount() const;

  private:
    HRESULT Load(int32_t index, const AssetReader& read);

    LoadWave wave_;
    uint32_t voiceCount_ = 0;
    std::vector<std::unique_ptr<SVoice>> voices_;  // a released slot holds null until reused
};

// The sound table: the engine and, for every sound index some emitter uses, its CSound. Sounds
// are created on an emitter's first acquire and deleted with their last voice.
class CSoundManager {
  public:
    // `read` fetches a sound's file from the archive.
    explicit CSoundManager(AssetReader read) : read_(std::move(read)) {}
    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;
    virtual ~CSoundManager() = default;

    // Starts the engine on the default output (or its silent fallback).
    HRESULT Init() { return engine_.Init(); }
    // Starts the engine on a given output (a test's loopback device).
    HRESULT Init(std::unique_ptr<AudioOutput> output) { return engine_.Init(std::move(output)); }

    // Gives `emitter` a voice of sound `index` (see CSound::AddVoice); `slot` receives its slot.
    HRESULT AcquireVoice(int32_t index, X3DVoiceState& emitter, int32_t& slot);
    // Deletes the voice and, with its last voice, the sound.
    void ReleaseVoice(int32_t index, int32_t slot);
    // The voice in `slot` of sound `index`, or null.
    SVoice* Voice(int32_t index, int32_t slot);

    // Once a frame, after the listener is set: the engine's frame, then every voice in index and
    // slot order. E_FAIL (and no voice update) when the engine is not running or a preset change
    // failed; the next frame tries again.
    HRESULT Update();

    CXAudio2& Engine() { return engine_; }
    // The sound of `index`, or null.
    const CSound* Find(int32_t index) const;

    // The voices of every sound, for leak checks: those handed out (each holding an output
    // source) and those of them sounding.
    struct VoiceTally {
        uint32_t allocated = 0;
        uint32_t sounding = 0;
    };
    VoiceTally Tally() const;

  private:
    AssetReader read_;
    CXAudio2 engine_;  // outlives the sounds: declared first
    std::map<int32_t, std::unique_ptr<CSound>> sounds_;
};
