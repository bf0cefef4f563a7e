#pragma once
#include <array>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

// Values the effect derives from the camera and light settings before sending them to the
// shaders. Pure functions; every result is finite for any finite input.

// The black fade quad's opacity one frame later: 0.1 lower, kept within 0..1 (ten frames from 1
// to 0).
float StepFlash(float flash);

// Linear fog as (x, y, 0, 0) with fog factor = x + distance × y: 1 at s = fogStart − 1 and 0 at
// e = fogEnd − 2 (world units from the eye). An empty or inverted range (e ≤ s) is a hard edge at
// e.
glm::vec4 FogTerms(float fogStart, float fogEnd);

// The hand-held light's direction term: (normalise(spotPosition − spotTarget), spotDirectionW),
// pointing from the lit point back to the light. A light on its own target has no direction and
// gives (0, 0, 0, spotDirectionW).
glm::vec4 SpotDirectionTerm(const glm::vec3& spotPosition, const glm::vec3& spotTarget,
                            float spotDirectionW);

// The unit direction the sun shines along: normalise(sunTarget − sunPosition). A sun on its own
// target has no direction: the result is not finite, and the shadow matrix keeps its last value.
glm::vec3 SunDirection(const glm::vec3& sunPosition, const glm::vec3& sunTarget);

// The six weights of the glow blur: w_i = exp(−(2i)² × 0.001), divided by their sum;
// the side taps (i ≥ 1) are halved again because each is applied on both sides of the centre.
std::array<float, 6> BlurWeights();

// The size of one texel of the quarter-size blur targets as (1 / (width / 4), 1 / (height / 4),
// 0, 0), from the render size in pixels; a size below one pixel counts as one pixel.
glm::vec4 QuarterTexelSize(float width, float height);

// The 2-D screen matrix: one unit per pixel of a width × height frame, origin at the centre, y up
// (2 / width and 2 / height on the diagonal, then 1, 1). A size below one pixel counts as one.
glm::mat4 ScreenMatrix(float width, float height);
