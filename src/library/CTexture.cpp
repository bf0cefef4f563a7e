#include "library/CTexture.h"

#include "library/ImageLoader.h"

HRESULT CTexture::Load(int index, gfx::Device& device, Archive& archive, const LoadLog& log) {
    Unload();
    const std::optional<std::vector<uint8_t>> bytes = archive.Read(index);
    const std::optional<gfx::Image> image = bytes ? DecodeImage(*bytes) : std::nullopt;
    if (image) {
        device_ = &device;
        id_ = device.CreateTexture(*image);
    }
    if (!IsLoaded()) {
        ReportFailedLoad(log, archive.Catalogue(), index);
        return E_FAIL;
    }
    return S_OK;
}

void CTexture::Unload() {
    if (IsLoaded()) device_->ReleaseTexture(id_);
    id_ = gfx::TextureId::None;
}
