#include "library/EffectTerms.h"

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>

namespace {

// The narrowest fog range (world units): a narrower one would divide by zero.
constexpr float kMinFogRange = 1e-3f;

float AtLeastOnePixel(float size) {
    return std::max(size, 1.0f);
}

}  // namespace

float StepFlash(float flash) {
    return std::clamp(flash - 0.1f, 0.0f, 1.0f);
}

glm::vec4 FogTerms(float fogStart, float fogEnd) {
    const float s = fogStart - 1.0f;
    const float e = fogEnd - 2.0f;
    const float range = std::max(e - s, kMinFogRange);
    return {e / range, -1.0f / range, 0.0f, 0.0f};
}

glm::vec4 SpotDirectionTerm(const glm::vec3& spotPosition, const glm::vec3& spotTarget,
                            float spotDirectionW) {
    const glm::vec3 towardsLight = spotPosition - spotTarget;
    if (glm::dot(towardsLight, towardsLight) == 0.0f) return {0.0f, 0.0f, 0.0f, spotDirectionW};
    return {glm::normalize(towardsLight), spotDirectionW};
}

glm::vec3 SunDirection(const glm::vec3& sunPosition, const glm::vec3& sunTarget) {
    return glm::normalize(sunTarget - sunPosition);
}

std::array<float, 6> BlurWeights() {
    std::array<float, 6> weights;
    float sum = 0.0f;
    for (int i = 0; i < 6; ++i) {
        const float offset = 2.0f * static_cast<float>(i);
        weights[i] = std::exp(-offset * offset * 0.001f);
        sum += weights[i];
    }
    for (int i = 0; i < 6; ++i) weights[i] = weights[i] / sum * (i == 0 ? 1.0f : 0.5f);
    return weights;
}

glm::vec4 QuarterTexelSize(float width, float height) {
    return {1.0f / (AtLeastOnePixel(width) * 0.25f), 1.0f / (AtLeastOnePixel(height) * 0.25f), 0.0f,
            0.0f};
}

glm::mat4 ScreenMatrix(float width, float height) {
    glm::mat4 m(1.0f);
    m[0][0] = 2.0f / AtLeastOnePixel(width);
    m[1][1] = 2.0f / AtLeastOnePixel(height);
    return m;
}
