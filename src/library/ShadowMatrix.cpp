#include "library/ShadowMatrix.h"

#include <algorithm>
#include <cmath>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>
#include <glm/matrix.hpp>
#include <glm/vec4.hpp>

#include "library/FiniteMath.h"

namespace {

// Below this sine of the angle between view and light the light-space direction of view is lost
// in rounding (a float dot product of unit vectors is good to about 1e-7, so sin γ to about
// 5e-4), and the perspective's near distance grows without bound.
constexpr float kMinSinGamma = 1e-3f;

using Corners = std::array<glm::vec3, 8>;

struct Box {
    glm::vec3 min;
    glm::vec3 max;
};

// D3DX's coordinate transform: the point as a row vector times the matrix, divided by w.
glm::vec3 TransformCoord(const glm::mat4& m, const glm::vec3& point) {
    const glm::vec4 h = m * glm::vec4(point, 1.0f);
    return glm::vec3(h) / h.w;
}

// The frustum's corners in world space: near plane (±t·zn·aspect, ±t·zn, zn), then far plane,
// in view space, moved by the inverse of the camera's view.
Corners WorldFrustumCorners(const ShadowView& in) {
    const float t = std::tan(in.fovRadians / 2.0f);
    const glm::mat4 viewToWorld = glm::inverse(in.cameraView);
    Corners corners;
    int i = 0;
    for (float depth : {in.nearPlane, in.farPlane})
        for (float sy : {1.0f, -1.0f})
            for (float sx : {-1.0f, 1.0f})
                corners[i++] = TransformCoord(
                    viewToWorld, glm::vec3(sx * t * depth * in.aspect, sy * t * depth, depth));
    return corners;
}

Box BoundingBox(const Corners& corners, const glm::mat4& transform) {
    Box box{glm::vec3(INFINITY), glm::vec3(-INFINITY)};
    for (const glm::vec3& corner : corners) {
        const glm::vec3 p = TransformCoord(transform, corner);
        box.min = glm::min(box.min, p);
        box.max = glm::max(box.max, p);
    }
    return box;
}

// A perspective along light-space y between the planes y = n and y = f; w becomes y.
glm::mat4 PerspectiveAlongY(float n, float f) {
    glm::mat4 m(1.0f);
    m[1][1] = f / (f - n);
    m[1][3] = 1.0f;
    m[3][1] = -f * n / (f - n);
    m[3][3] = 0.0f;
    return m;
}

// Maps the box onto x, y in −1..1 and z in 0..1.
glm::mat4 UnitCubeFit(const Box& box) {
    const glm::vec3 size = box.max - box.min;
    glm::mat4 m(0.0f);
    m[0][0] = 2.0f / size.x;
    m[1][1] = 2.0f / size.y;
    m[2][2] = 1.0f / size.z;
    m[3][0] = -(box.max.x + box.min.x) / size.x;
    m[3][1] = -(box.max.y + box.min.y) / size.y;
    m[3][2] = -box.min.z / size.z;
    m[3][3] = 1.0f;
    return m;
}

}  // namespace

bool ShadowMatrix::Update(const ShadowView& in) {
    const glm::vec3& L = in.lightDirection;
    const glm::vec3& V = in.viewDirection;
    const float cosGamma = glm::dot(L, V);
    const float sinGamma =
        std::sqrt(1.0f - cosGamma * cosGamma);  // NaN when |cos γ| rounds above 1
    if (!(sinGamma >= kMinSinGamma)) return false;

    const Corners corners = WorldFrustumCorners(in);

    const glm::vec3 left = glm::cross(V, L);
    const glm::vec3 up = glm::normalize(glm::cross(L, left));  // V without its part along L
    const Box viewBox = BoundingBox(corners, glm::lookAtLH(in.viewpoint, in.viewpoint + L, up));

    const float z = in.nearPlane / sinGamma;
    const float d = viewBox.max.y - viewBox.min.y;
    const float nOpt = (z + std::sqrt((d * sinGamma + z) * z)) / sinGamma;

    // Moving back by nOpt − zn puts the perspective's near plane zn above the viewpoint. When the
    // view looks steeply along the light, frustum corners lie below that, some even behind the
    // new viewpoint, where the perspective would fold them over and the map would miss them; the
    // near plane then goes down to the nearest corner instead.
    const float nearestY = std::min(in.nearPlane, viewBox.min.y);
    const glm::vec3 movedViewpoint = in.viewpoint - up * (nOpt - nearestY);
    const glm::mat4 newLightView = glm::lookAtLH(movedViewpoint, movedViewpoint + L, up);
    const glm::mat4 perspective = PerspectiveAlongY(nOpt, nOpt + d);

    const Box clipBox = BoundingBox(corners, perspective * newLightView);  // D3DX view × persp.
    const glm::mat4 newLightClip = UnitCubeFit(clipBox) * perspective;  // D3DX perspective × fit
    const glm::mat4 newShadowMatrix = newLightClip * newLightView;      // D3DX view × clip
    if (!IsFinite(newShadowMatrix)) return false;

    lightFrustum = corners;
    lightView = newLightView;
    lightClip = newLightClip;
    shadowMatrix = newShadowMatrix;
    return true;
}
