#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "library/EffectFile.h"
#include "library/EffectLighting.h"
#include "library/EffectTerms.h"
#include "library/Result.h"
#include "platform/gfx/Device.h"

// Parameter indices with fixed roles.
namespace effect_parameter {
inline constexpr int kWorld = 0;
inline constexpr int kViewProjection = 1;
inline constexpr int kShadowMatrix = 2;
inline constexpr int kSunObject = 3;
inline constexpr int kColour = 4;
inline constexpr int kCameraObject = 5;
inline constexpr int kDiffuse = 6;
inline constexpr int kFactors = 7;
inline constexpr int kFogTerms = 8;
inline constexpr int kFogColour = 9;
inline constexpr int kFogEnabled = 10;
inline constexpr int kLightFactors = 11;
inline constexpr int kEmissive = 12;
inline constexpr int kGlowImage = 13;  // the blurred glow the compose pass adds
inline constexpr int kSpotColour = 14;
inline constexpr int kSpotPosition = 15;
inline constexpr int kSpotDirection = 16;
inline constexpr int kTexture = 17;
inline constexpr int kShadowMap = 18;
inline constexpr int kNormalMap = 19;
inline constexpr int kBlurWeights = 20;
inline constexpr int kTexelSize = 21;
inline constexpr int kExtra = 22;
}  // namespace effect_parameter

// What a pass option of the effect file stands for: the option is defined while it holds.
enum class EffectCondition : uint8_t {
    BrightnessOffNeutral,  // "BRIGHTEN": the brightness setting changes colours
};

// The one effect every draw goes through: the programs of the technique's passes, the values of
// its parameters by index, and the camera and light state (EffectLighting) they are made from.
// Values are kept until CommitChanges sends them to the pass being drawn; a program switch
// happens only when a draw asks for another pass than the last one, or the parameters call for
// another variant of it.
class CEffect : public EffectLighting {
  public:
    CEffect() = default;
    CEffect(const CEffect&) = delete;
    CEffect& operator=(const CEffect&) = delete;
    virtual ~CEffect();

    // Parses the effect file, compiles every pass on `device` and resolves the parameters once,
    // then sends the blur weights. E_FAIL with the reason (the compiler's log for a shader) on
    // stderr; the effect then stays empty.
    HRESULT Create(gfx::Device& device, std::span<const uint8_t> file);
    bool IsCreated() const { return device_ != nullptr; }
    // The program that would draw `pass` with the parameters as they are now; None before
    // Create.
    gfx::ProgramId ProgramOf(uint32_t pass) const;

    // Parameter setters; an index outside 0..22 is ignored.
    void SetMatrix(int index, const glm::mat4& value);
    void SetVector(int index, const glm::vec4& value);
    void SetInt(int index, int value);
    void SetFloats(int index, std::span<const float> values);  // at most six
    void SetTexture(int index, gfx::TextureId texture);

    // Starts the technique: the next draw selects its pass whatever the last one was.
    void BeginTechnique();
    // Makes `pass` current unless it already is (and no technique began since).
    void SelectPass(ShaderPass pass);
    // Makes the current pass's variant for the parameters as they are now current, and sends it
    // every parameter value.
    void CommitChanges();

    // Camera update of the live camera: view, projection, parameter 1, culling sphere; leaves
    // the shadow pass.
    void UpdateCamera();
    // Once a frame with the render size in pixels: fade, camera, fog, hand-held light, shadow
    // matrix and light factors, sent in that order.
    void FrameUpdate(float width, float height);
    bool IsCulled(const glm::vec3& centre, float radius) const {
        return camera.IsCulled(centre, radius);
    }
    // The 2-D screen matrix for a width × height frame as parameter 1, a fresh technique, and a
    // cleared depth buffer.
    void Begin2D(float width, float height);

    int32_t mirrorActive = 0;  // a mirror is in view: the frame draw renders its pass
    int32_t inMirrorPass = 0;
    int32_t inShadowPass = 0;
    int32_t shadowsEnabled = 1;
    uint32_t currentPass = 0;
    uint32_t passCount = 0;

  private:
    enum class Kind : uint8_t { Unset, Matrix, Vector, Int, Floats, Texture };
    struct Value {
        Kind kind = Kind::Unset;
        glm::mat4 data{0.0f};  // vectors, numbers and float arrays in its first 16 floats
        gfx::TextureId texture = gfx::TextureId::None;
        uint32_t floatCount = 0;
    };
    // One compiled variant of a pass, with the uniform location of each parameter (-1: unused).
    struct Variant {
        gfx::ProgramId program = gfx::ProgramId::None;
        std::array<int, kEffectParameterCount> locations{};
    };
    struct PassPrograms {
        std::vector<EffectCondition> options;  // the pass's options, in the file's order
        std::vector<Variant> variants;         // by option bits: bit i set when option i is defined
        gfx::DrawState state;
    };
    Value* ValueAt(int index);
    bool Holds(EffectCondition condition) const;
    const Variant* VariantOf(uint32_t pass) const;
    void Use(const Variant& variant);
    void Send(int location, const Value& value, int index);
    void ReleasePrograms();

    gfx::Device* device_ = nullptr;
    std::array<PassPrograms, kEffectPassCount> passes_{};
    gfx::ProgramId currentProgram_ = gfx::ProgramId::None;
    std::array<Value, kEffectParameterCount> values_{};
    bool forcePassSelect_ = true;
    bool inTechnique_ = false;
};
