#pragma once
#include <cstdint>
#include <span>
#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "library/AssetNames.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"

class CollObj;
class CollisionTable;
class MyLibrary;

// A throwable dart. An invisible ball carries the flight and the collision; the dart's model
// hangs from it. A dart flies until it strikes something solid or has flown 100 units; struck, it
// stays where it hit (following a moving target once attached to it).
class Dart {
  public:
    static constexpr float kRange = 100.0f;  // units of flight before the dart vanishes

    Dart();
    Dart(const Dart&) = delete;
    Dart& operator=(const Dart&) = delete;

    // Not flying, hidden, detached: a field was entered.
    void Ground();
    // Starts the flight from `from` along the unit vector `direction`.
    void Launch(const glm::vec3& from, const glm::vec3& direction);
    // One frame of flight, while flying: three steps of 0.2 units, each tested against every
    // collider (those touched are marked as hit by a dart); solid ones and dart stoppers end it.
    void Fly(std::span<CollObj* const> colliders, CollisionTable& table, MyLibrary& library);
    // From now on the dart keeps its place relative to `target`, a world matrix that must stay
    // valid until the dart is launched again or grounded.
    void Attach(const glm::mat4& target);
    bool AttachedTo(const glm::mat4& target) const { return attachedTo_ == &target; }

    // Each 3-D pass: the ball's and then the model's world from the flight or the attachment, and
    // both meshes drawn unless hidden.
    void Draw(MyLibrary& library, bool shadowPass);

    std::u16string name;
    CObjMesh model;  // "darts.x", hangs from the ball
    CObjSound hitSound{AssetRow("step2.wav")};
    float t = 0;     // units flown
    float drop = 0;  // change of the direction's y per flight step
    int32_t flying = 0;
    glm::vec3 start{0.0f};
    glm::vec3 direction{0.0f};
    CObjMesh ball;  // "sphere.x", never drawn: carries the dart's position, turn and collider

  private:
    void Detach();
    // Rebuilds the ball's world (following the attachment) and its collider.
    void PlaceBall(MyLibrary& library);
    void Strike(MyLibrary& library, const glm::vec3& outOfSurface);

    const glm::mat4* attachedTo_ = nullptr;
    glm::mat4 attachmentLocal_{1.0f};  // the ball's world relative to *attachedTo_
    glm::mat4 attachedWorld_{1.0f};    // the ball's world while attached
};
