#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "library/AssetNames.h"
#include "scene/Dart.h"
#include "scene/PauseMenu.h"
#include "scene/SaveData.h"
#include "world/CObjFVF.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/gt_Model.h"

class CollObj;
class MyLibrary;

// `controlMode` values.
enum ControlMode : int32_t {
    kControlHeld = 0,    // an event holds the player: no walking
    kControlFree = 1,    // walking, aiming, examining, opening the menu
    kControlMenu = 2,    // the pause menu is open: the world is paused
    kControlCaught = 3,  // caught by the enemy
};

// The player: lives for the whole run and is carried from field to field. Walks relative to the
// live camera, which the fields place; only while aiming does it drive the camera itself, from eye
// height. Holds the body, the darts, the player's own sounds, the pause menu and the saved-game
// record with every story flag and item.
class Personal {
  public:
    static constexpr size_t kDartCount = 5;
    static constexpr int32_t kThrowCooldownFrames = 50;

    explicit Personal(uint32_t nowMs);
    Personal(const Personal&) = delete;
    Personal& operator=(const Personal&) = delete;
    virtual ~Personal() = default;

    // On every field entry: takes the library, stands at the spawn point, shows the body, grounds
    // the darts.
    void Enter(MyLibrary* library);
    // Where and facing what (degrees) the player stands at the next field entry.
    void SetSpawn(float yaw, const glm::vec3& position);

    // Once a frame before movement: held prop and light, the step of the control mode, the body's
    // pose.
    void PreUpdate();
    // Once a frame while the world runs: falling, this frame's step, collision against
    // `colliders` (marking what was touched), the darts' flight.
    void Move(std::span<CollObj* const> colliders);
    // While aiming, from the shadow pass: the first-person camera, the light and the throw.
    void Aim();
    // The most recently thrown dart follows `target` (an object's world matrix, which must outlive
    // the dart's attachment: attachments end at the next throw of that dart or field entry).
    void AttachLastDart(const glm::mat4& target);

    // In each 3-D pass: the body (unless seen from its own eyes) and the darts.
    void Draw3D();
    // Sound for a changed selection in a dialogue or menu: the first step emitter not sounding.
    void PlaySelectionTick();
    // The click of a choice taken in a menu.
    void PlayConfirmClick();

    glm::vec3& Position() { return bodyCollider.position; }
    const glm::vec3& Position() const { return bodyCollider.position; }
    // Degrees; 0 faces +z.
    float& Yaw() { return bodyCollider.rotation.y; }
    float Yaw() const { return bodyCollider.rotation.y; }

    CObjFVF sightQuad;
    int32_t fireLatch = 0;
    int32_t subLatch = 0;
    PauseMenu menu;
    glm::vec3 velocity{0.0f};  // this frame's displacement
    glm::vec3 pushSum{0.0f};   // collision pushes of the last movement step
    MyLibrary* library = nullptr;
    int32_t lastKeyCode = 0;  // movement keys of the previous frame
    glm::vec3 followPoint{0.0f};
    glm::vec3 walkDir{0.0f};  // horizontal walking direction, y 0
    CObjSound footstepSound{kStepSound};
    CObjSound clickSound{kStepSound};
    CObjSound doorSound{kDoorSound};
    std::array<CObjSound, 3> stepSounds{CObjSound{kStepSound}, CObjSound{kStepSound},
                                        CObjSound{kStepSound}};
    std::array<std::unique_ptr<Dart>, kDartCount> darts;
    int32_t throwCooldown = 0;  // frames since the last throw, up to kThrowCooldownFrames
    int32_t nextDart = 0;
    float pitch = 0;      // degrees, within [-80, 80]
    float yawOffset = 0;  // degrees, relative to the body; within (0, 360] once aiming has turned
    int32_t aiming = 0;
    int32_t controlMode = kControlFree;
    std::unique_ptr<CObjSound> ambientSound;  // the outdoor ambience events start; may be null
    int32_t returnToTitle = 0;                // 1 = the menu asked to return to the title screen
    SaveRecord record;
    gt_Model bodyModel;
    int32_t motion = gt_Model::kMotionRest;  // the body's motion this frame
    int32_t actionPressed = 0;               // the action button went down this frame
    int32_t subReleased = 0;                 // the aim button came up this frame
    // The player's sphere: its position is the player's, its rotation's y the body's yaw.
    CObjMesh bodyCollider;

  private:
    static constexpr int32_t kStepSound = AssetRow("step2.wav");
    static constexpr int32_t kDoorSound = AssetRow("dooropen.wav");

    // The field's view while the aim has taken the camera.
    struct AimView {
        glm::vec3 eye;
        glm::vec3 at;
    };

    void FreeStep();
    void StartAim();
    void EndAim();
    void MenuStep();
    // Walking: the follow point moves with the keys, the body is pulled after it.
    void Walk();
    void UpdateSubReleased();
    void CloseMenu();
    void Click(float fadeStep, float volume);
    // The body stands where the sphere is, turned as it is.
    void PlaceBody();
    void PoseBody();
    void Throw(const glm::vec3& eye, const glm::vec3& at);

    std::optional<AimView> viewBeforeAim_;
};
