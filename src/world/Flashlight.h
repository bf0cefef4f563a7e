#pragma once
#include <glm/vec3.hpp>

#include "world/CObjMesh.h"

class MyLibrary;

// The hand-held light's effect values that a flashlight sets; its owner passes them on to the
// effect's lighting (spotPosition, spotTarget, spotPositionW, spotDirectionW). World units.
struct SpotLight {
    glm::vec3 position{0.0f, 0.5f, 0.0f};
    glm::vec3 target{0.0f, 0.5f, 1.0f};
    float positionW = 0.0f;
    float directionW = 0.0f;
};

// A flashlight: its body and the glowing lens in front of it. Carried in the player's hand or
// placed on its own by events; an owner hangs it by setting `body`'s parent and placement.
class Flashlight {
  public:
    Flashlight();
    Flashlight(const Flashlight&) = delete;
    Flashlight& operator=(const Flashlight&) = delete;

    // Once a frame while shown: rebuilds both meshes' worlds (body first, the lens hangs from it).
    // When `lightOn`, aims `spot` from the body through the lens: target the lens, position
    // 0.15 units in front of the body towards the lens (the body itself when the two coincide).
    // In every case sets the two w values.
    void Update(MyLibrary& library, bool lightOn, SpotLight& spot);
    // Both meshes that are not hidden, in the given pass. Defined with the draw code.
    void Draw(MyLibrary& library, bool shadowPass);

    CObjMesh body;
    CObjMesh glow;  // parent: body's world
};
