#include "library/CEffect.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "library/EffectTerms.h"

namespace {

// Each sampler has a texture unit of its own: the diffuse texture, shadow map and normal map take
// their places after the first, the glow image the one after those.
int TextureUnitOf(int index) {
    constexpr int kGlowImageUnit = effect_parameter::kNormalMap - effect_parameter::kTexture + 1;
    return index == effect_parameter::kGlowImage ? kGlowImageUnit
                                                 : index - effect_parameter::kTexture;
}

}  // namespace

CEffect::~CEffect() {
    ReleasePrograms();
}

void CEffect::ReleasePrograms() {
    if (!device_) return;
    for (gfx::ProgramId& program : programs_) {
        device_->ReleaseProgram(program);
        program = gfx::ProgramId::None;
    }
    device_ = nullptr;
}

HRESULT CEffect::Create(gfx::Device& device, std::span<const uint8_t> file) {
    ReleasePrograms();
    std::string error;
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    const std::optional<EffectFile> parsed = ParseEffectFile(text, error);
    if (!parsed) {
        std::fprintf(stderr, "hollowmere: effect file: %s\n", error.c_str());
        return E_FAIL;
    }
    for (int pass = 0; pass < kEffectPassCount; ++pass) {
        const auto p = static_cast<size_t>(pass);
        programs_[p] = device.CreateProgram(parsed->SourceOf(pass), error);
        if (programs_[p] == gfx::ProgramId::None) {
            std::fprintf(stderr, "hollowmere: effect pass %d does not compile:\n%s\n", pass,
                         error.c_str());
            device_ = &device;
            ReleasePrograms();
            return E_FAIL;
        }
        states_[p] = parsed->passes[p].state;
        for (int index = 0; index < kEffectParameterCount; ++index) {
            locations_[p][static_cast<size_t>(index)] = device.UniformLocation(
                programs_[p], parsed->parameters[static_cast<size_t>(index)]);
        }
    }
    device_ = &device;
    passCount = kEffectPassCount;
    const std::array<float, 6> weights = BlurWeights();
    SetFloats(effect_parameter::kBlurWeights, weights);
    // The whole texture, until a glyph or sprite names a part of it.
    SetVector(effect_parameter::kExtra, glm::vec4(0, 0, 1, 1));
    return S_OK;
}

CEffect::Value* CEffect::ValueAt(int index) {
    if (index < 0 || index >= kEffectParameterCount) return nullptr;
    return &values_[static_cast<size_t>(index)];
}

void CEffect::SetMatrix(int index, const glm::mat4& value) {
    if (Value* slot = ValueAt(index)) *slot = {Kind::Matrix, value, gfx::TextureId::None, 0};
}

void CEffect::SetVector(int index, const glm::vec4& value) {
    if (Value* slot = ValueAt(index)) {
        glm::mat4 data(0.0f);
        data[0] = value;
        *slot = {Kind::Vector, data, gfx::TextureId::None, 0};
    }
}

void CEffect::SetInt(int index, int value) {
    if (Value* slot = ValueAt(index)) {
        glm::mat4 data(0.0f);
        data[0][0] = static_cast<float>(value);
        *slot = {Kind::Int, data, gfx::TextureId::None, 0};
    }
}

void CEffect::SetFloats(int index, std::span<const float> values) {
    Value* slot = ValueAt(index);
    if (!slot || values.size() > 16) return;
    glm::mat4 data(0.0f);
    for (size_t i = 0; i < values.size(); ++i) data[i / 4][i % 4] = values[i];
    *slot = {Kind::Floats, data, gfx::TextureId::None, static_cast<uint32_t>(values.size())};
}

void CEffect::SetTexture(int index, gfx::TextureId texture) {
    if (Value* slot = ValueAt(index)) *slot = {Kind::Texture, glm::mat4(0.0f), texture, 0};
}

void CEffect::BeginTechnique() {
    inTechnique_ = true;
    forcePassSelect_ = true;
}

void CEffect::SelectPass(ShaderPass selected) {
    const uint32_t pass = PassIndex(selected);
    if (!device_ || pass >= kEffectPassCount) return;
    if (pass == currentPass && !forcePassSelect_) return;
    device_->UseProgram(programs_[pass], states_[pass]);
    currentPass = pass;
    forcePassSelect_ = false;
}

void CEffect::Send(int location, const Value& value, int index) {
    switch (value.kind) {
        case Kind::Unset:
            break;
        case Kind::Matrix:
            device_->SetMatrix(location, value.data);
            break;
        case Kind::Vector:
            device_->SetVector(location, value.data[0]);
            break;
        case Kind::Int:
            device_->SetInt(location, static_cast<int>(value.data[0][0]));
            break;
        case Kind::Floats:
            device_->SetFloats(location, std::span(&value.data[0][0], value.floatCount));
            break;
        case Kind::Texture:
            device_->SetTexture(location, TextureUnitOf(index), value.texture);
            break;
    }
}

void CEffect::CommitChanges() {
    if (!device_ || forcePassSelect_) return;  // no pass begun yet
    const auto& locations = locations_[currentPass];
    for (int index = 0; index < kEffectParameterCount; ++index) {
        const int location = locations[static_cast<size_t>(index)];
        if (location >= 0) Send(location, values_[static_cast<size_t>(index)], index);
    }
}

void CEffect::UpdateCamera() {
    inShadowPass = 0;
    camera.UpdateCamera();
    SetMatrix(effect_parameter::kViewProjection, camera.viewProjection);
}

void CEffect::FrameUpdate(float width, float height) {
    const FrameTerms terms = EffectLighting::FrameUpdate(width, height);
    inShadowPass = 0;
    SetMatrix(effect_parameter::kViewProjection, camera.viewProjection);
    SetInt(effect_parameter::kFogEnabled, terms.fogEnabled);
    SetVector(effect_parameter::kFogTerms, terms.fogTerms);
    SetVector(effect_parameter::kFogColour, terms.fogColour);
    SetVector(effect_parameter::kSpotPosition, terms.spotPosition);
    SetVector(effect_parameter::kSpotDirection, terms.spotDirection);
    SetMatrix(effect_parameter::kShadowMatrix, terms.shadowMatrix);
    if (IsCreated()) SetVector(effect_parameter::kLightFactors, terms.lightFactors);
}

void CEffect::Begin2D(float width, float height) {
    SetMatrix(effect_parameter::kViewProjection, ScreenMatrix(width, height));
    BeginTechnique();
    if (device_) device_->ClearDepth(1.0f);
}
