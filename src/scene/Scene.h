#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "collision/CollObj.h"
#include "world/CObjFVF.h"
#include "world/CObjMesh.h"
#include "world/CObjParticl.h"
#include "world/CObjSound.h"
#include "world/CObjText.h"

class MyLibrary;
class Personal;
class TextBox;

// The base of every field, event, enemy and message window. The root scene's children are the
// fields and its `currentChild` is the active one; a field's children are its events. A scene owns
// its children; the collider list only points at shapes owned elsewhere.
class Scene {
  public:
    Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
    virtual ~Scene() = default;

    // Builds the scene's objects and children; called once, after `player` and `library` are set.
    virtual void Init(Personal* player, MyLibrary* library);
    // Once a frame, after the player has moved.
    virtual void Update() {}
    // In each 3-D pass, after the scene's own object lists.
    virtual void Draw() {}
    // In the overlay pass, after the scene's overlay lists.
    virtual void DrawOverlay() {}
    // The scene's state for debugging tools (the headless driver's state dump); base: the text
    // given.
    virtual std::u16string DebugText(const std::u16string& text) const { return text; }
    virtual const char16_t* Name() const { return u"noname"; }

    // Puts the child into the first free slot (or appends it), makes it current and returns the
    // slot. The child is not entered here.
    size_t AddChild(std::unique_ptr<Scene> child);
    // Appends a child without making it current; for subclasses building their children in Init.
    void AppendChild(std::unique_ptr<Scene> child);
    // The six inward-facing boundary planes of the room box. Rewrites existing planes in place,
    // so colliders built earlier keep pointing at them.
    void SetRoomBox(const glm::vec3& min, const glm::vec3& max);

    // First frame of a newly active field: sets the player and library, builds the children and
    // the collider list.
    void Enter(Personal* player, MyLibrary* library);
    // Every frame of the active field: the player's step, then the field's and its children's
    // updates (the pause menu holds them).
    void Frame();

    Scene* CurrentChild() const;
    // The dialogue box open in this scene or below it, if any (one shows at a time).
    const TextBox* OpenDialogue() const;

    int32_t currentChild = 0;
    // On the root: the pause menu asked to go back to the title screen. The application, which
    // knows the title field, answers it after the frame.
    int32_t titleRequested = 0;
    std::vector<std::unique_ptr<Scene>> children;  // null entries are free slots
    std::vector<Plane> roomPlanes;
    Scene* parent = nullptr;
    Personal* player = nullptr;
    MyLibrary* library = nullptr;  // null until the scene has been entered
    std::vector<CollObj*> colliders;

    // General-purpose meshes subclasses set up (room pieces and the like), hidden until they do;
    // drawn after everything else of the field in each 3-D pass.
    std::array<CObjMesh, 6> fixedMeshes;
    // The objects a subclass registers for drawing; the subclass owns them.
    std::vector<CObjMesh*> meshes;
    std::vector<CObjFVF*> worldQuads;
    std::vector<CObjFVF*> overlayQuads;
    std::vector<CObjParticl*> particles;
    std::vector<CObjSound*> sounds;  // the scene's emitters; the subclass owns them
    std::vector<CObjText*> overlayTexts;
    std::vector<CObjText*> worldTexts;
    std::vector<const TextBox*> dialogues;  // the scene's dialogue boxes, registered by each box

  private:
    void InitScene(Personal* player, MyLibrary* library);
    // Updates every registered mesh and fits its collider by type.
    void PlaceMeshes();
};
