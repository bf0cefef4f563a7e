#include "scene/Dart.h"

#include <cmath>
#include <optional>

#include <glm/matrix.hpp>

#include "collision/CollisionTable.h"
#include "library/Angles.h"
#include "library/AssetNames.h"

namespace {

constexpr int32_t kDartModel = AssetRow("darts.x");
constexpr int32_t kSphereModel = AssetRow("sphere.x");
constexpr float kStepLength = 0.2f;  // units per flight step
constexpr int32_t kStepsPerFrame = 3;
constexpr float kDropPerFrame = 0.0001f;  // how much faster the dart sinks each frame

}  // namespace

Dart::Dart() {
    model.modelIndex = kDartModel;
    model.position = {0, 0, -0.5f};
    model.scale = glm::vec3(1.5f);
    model.power = 8.0f;
    model.emissiveIntensity = 5.0f;
    model.hidden = 1;
    model.parent = &ball.world;

    ball.modelIndex = kSphereModel;
    ball.hidden = 1;
    ball.scale = glm::vec3(0.1f);
    ball.colour.a = 0.2f;
    ball.collider.type = COLL_SPHERE;
}

void Dart::Ground() {
    flying = 0;
    model.hidden = 1;
    Detach();
}

void Dart::Launch(const glm::vec3& from, const glm::vec3& unitDirection) {
    direction = unitDirection;
    start = from;
    const float horizontal = std::fabs(direction.x) + std::fabs(direction.z);
    ball.rotation = {180.0f - Degrees(std::atan2(direction.y, horizontal)), FacingOf(direction),
                     0.0f};
    // Until its first flight step the dart is drawn at the hand, not where it last struck.
    ball.position = start;
    model.hidden = 0;
    t = 0;
    // Each flight sinks from a level start; a sink carried over from the dart's last flight would
    // make every reuse dive sooner.
    drop = 0;
    Detach();
    flying = 1;
}

void Dart::Fly(std::span<CollObj* const> colliders, CollisionTable& table, MyLibrary& library) {
    if (flying == 0) return;
    if (t > kRange) {
        model.hidden = 1;
        flying = 0;
        return;
    }
    drop -= kDropPerFrame;
    for (int32_t step = 0; step < kStepsPerFrame; ++step) {
        t += kStepLength;
        ball.position = start + direction * t;
        direction.y += drop;
        PlaceBall(library);
        // Everything the ball touches in the step that ends the flight is marked, so that a thin
        // target hung on a wall counts as struck even when the wall is tested before it.
        std::optional<glm::vec3> outOfSurface;
        for (CollObj* collider : colliders) {
            if (table.Test(ball.collider, *collider) == 0) continue;
            collider->hitState = HIT_BY_DART;
            const bool stops = collider->kind == KIND_SOLID || collider->kind == KIND_DART_STOPPER;
            if (stops && !outOfSurface) {
                const float* push = ball.collider.push;
                outOfSurface = glm::vec3(push[0], push[1], push[2]);
            }
        }
        if (outOfSurface) {
            Strike(library, *outOfSurface);
            return;
        }
    }
}

void Dart::Strike(MyLibrary& library, const glm::vec3& outOfSurface) {
    hitSound.position = ball.position;
    hitSound.Play();
    // Out of the first surface struck, so the dart sits on it rather than in it.
    ball.position += outOfSurface;
    PlaceBall(library);
    flying = 0;
}

void Dart::Attach(const glm::mat4& target) {
    attachedTo_ = &target;
    attachmentLocal_ = glm::inverse(target) * ball.world;
    attachedWorld_ = ball.world;
    ball.worldOverride = &attachedWorld_;
}

void Dart::Detach() {
    attachedTo_ = nullptr;
    ball.worldOverride = nullptr;
}

void Dart::PlaceBall(MyLibrary& library) {
    if (attachedTo_ != nullptr) attachedWorld_ = *attachedTo_ * attachmentLocal_;
    ball.Update(library);
    ball.UpdateSphere();
}

void Dart::Draw(MyLibrary& library, bool shadowPass) {
    PlaceBall(library);
    model.Update(library);
    model.DrawInPass(library, shadowPass);
    ball.DrawInPass(library, shadowPass);
}
