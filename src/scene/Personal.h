#pragma once
#include <cstdint>

#include <glm/vec3.hpp>

#include "scene/SaveData.h"

class MyLibrary;

// `controlMode` values.
enum ControlMode : int32_t {
    kControlHeld = 0,    // an event holds the player: no walking
    kControlFree = 1,    // walking, aiming, examining, opening the menu
    kControlMenu = 2,    // the pause menu is open: the world is paused
    kControlCaught = 3,  // caught by the enemy
};

// The player: lives for the whole run and is carried from field to field. Holds the saved-game
// record with every story flag and item.
class Personal {
  public:
    explicit Personal(uint32_t nowMs);
    Personal(const Personal&) = delete;
    Personal& operator=(const Personal&) = delete;
    virtual ~Personal() = default;

    // On every field entry: takes the library and stands at the spawn point.
    void Enter(MyLibrary* library);
    // Where and facing what (degrees) the player stands at the next field entry.
    void SetSpawn(float yaw, const glm::vec3& position);

    MyLibrary* library = nullptr;
    int32_t controlMode = kControlFree;
    int32_t returnToTitle = 0;  // 1 = the menu asked to return to the title screen
    int32_t actionPressed = 0;  // the action button went down this frame
    SaveRecord record;

    glm::vec3 position{0, 0, 0};  // world units
    float yaw = 0;                // degrees; 0 faces +z
};
