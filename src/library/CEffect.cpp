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

// The brightness setting that leaves colours as they are.
constexpr float kNeutralBrightness = 5.0f;

// The pass options the game knows, by their define's name.
std::optional<EffectCondition> ConditionNamed(std::string_view name) {
    if (name == "BRIGHTEN") return EffectCondition::BrightnessOffNeutral;
    return std::nullopt;
}

}  // namespace

CEffect::~CEffect() {
    ReleasePrograms();
}

void CEffect::ReleasePrograms() {
    if (!device_) return;
    for (PassPrograms& pass : passes_) {
        for (const Variant& variant : pass.variants) device_->ReleaseProgram(variant.program);
        pass = {};
    }
    currentProgram_ = gfx::ProgramId::None;
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
    device_ = &device;
    for (int pass = 0; pass < kEffectPassCount; ++pass) {
        const EffectPass& source = parsed->passes[static_cast<size_t>(pass)];
        PassPrograms& programs = passes_[static_cast<size_t>(pass)];
        programs.state = source.state;
        for (const std::string& name : source.options) {
            const std::optional<EffectCondition> condition = ConditionNamed(name);
            if (!condition) {
                std::fprintf(stderr, "hollowmere: effect pass %d: unknown option %s\n", pass,
                             name.c_str());
                ReleasePrograms();
                return E_FAIL;
            }
            programs.options.push_back(*condition);
        }
        for (uint32_t bits = 0; bits < (1u << programs.options.size()); ++bits) {
            Variant variant;
            variant.program = device.CreateProgram(parsed->SourceOf(pass, bits), error);
            if (variant.program == gfx::ProgramId::None) {
                std::fprintf(stderr, "hollowmere: effect pass %d does not compile:\n%s\n", pass,
                             error.c_str());
                ReleasePrograms();
                return E_FAIL;
            }
            for (int index = 0; index < kEffectParameterCount; ++index) {
                variant.locations[static_cast<size_t>(index)] = device.UniformLocation(
                    variant.program, parsed->parameters[static_cast<size_t>(index)]);
            }
            programs.variants.push_back(variant);
        }
    }
    passCount = kEffectPassCount;
    const std::array<float, 6> weights = BlurWeights();
    SetFloats(effect_parameter::kBlurWeights, weights);
    // The whole texture, until a glyph or sprite names a part of it.
    SetVector(effect_parameter::kExtra, glm::vec4(0, 0, 1, 1));
    return S_OK;
}

bool CEffect::Holds(EffectCondition condition) const {
    switch (condition) {
        case EffectCondition::BrightnessOffNeutral:
            return values_[effect_parameter::kLightFactors].data[0].z != kNeutralBrightness;
    }
    return true;
}

const CEffect::Variant* CEffect::VariantOf(uint32_t pass) const {
    if (pass >= kEffectPassCount || passes_[pass].variants.empty()) return nullptr;
    const PassPrograms& programs = passes_[pass];
    size_t bits = 0;
    for (size_t i = 0; i < programs.options.size(); ++i) {
        if (Holds(programs.options[i])) bits |= size_t{1} << i;
    }
    return &programs.variants[bits];
}

gfx::ProgramId CEffect::ProgramOf(uint32_t pass) const {
    const Variant* variant = VariantOf(pass);
    return variant ? variant->program : gfx::ProgramId::None;
}

void CEffect::Use(const Variant& variant) {
    device_->UseProgram(variant.program, passes_[currentPass].state);
    currentProgram_ = variant.program;
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
    const Variant* variant = device_ ? VariantOf(pass) : nullptr;
    if (!variant || (pass == currentPass && !forcePassSelect_)) return;
    currentPass = pass;
    Use(*variant);
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
    const Variant& variant = *VariantOf(currentPass);
    if (variant.program != currentProgram_) Use(variant);
    for (int index = 0; index < kEffectParameterCount; ++index) {
        const int location = variant.locations[static_cast<size_t>(index)];
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
