#pragma once
#include "library/Archive.h"
#include "library/LoadLog.h"
#include "library/Result.h"
#include "platform/gfx/Device.h"

// One cached texture: the device texture made from a PNG or BMP row of the archive. Owns that
// texture and releases it on destruction, so the device must outlive every loaded CTexture.
class CTexture {
  public:
    CTexture() = default;
    CTexture(const CTexture&) = delete;
    CTexture& operator=(const CTexture&) = delete;
    ~CTexture() { Unload(); }

    // Reads catalogue row `index`, decodes it and uploads it to `device`, replacing any texture
    // held before. When the bytes cannot be read or decoded or the device refuses them the texture
    // stays empty, the failure goes to `log`, and the result is E_FAIL.
    HRESULT Load(int index, gfx::Device& device, Archive& archive, const LoadLog& log);

    bool IsLoaded() const { return id_ != gfx::TextureId::None; }
    gfx::TextureId Id() const { return id_; }
    gfx::Size Size() const { return IsLoaded() ? device_->TextureSize(id_) : gfx::Size{}; }

  private:
    void Unload();

    gfx::Device* device_ = nullptr;  // the device that made id_
    gfx::TextureId id_ = gfx::TextureId::None;
};
