#pragma once
#include <memory>

#include "content/events/Mirror.h"
#include "library/TextBox.h"
#include "scene/Scene.h"

// The renderer's test scene: a box on a floor casting a shadow under a low sun, a glowing ball,
// a mirror standing beside them and a dialogue open on a question. Fixed camera; everything the
// frame draw does shows in one picture.
class RenderTestScene : public Scene {
  public:
    RenderTestScene();

    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"RenderTest"; }

    CObjMesh floor;
    CObjMesh box;
    CObjMesh ball;                 // emissive: the glow pass spreads its light
    Ev::Mirror* mirror = nullptr;  // owned as a child
    TextBox dialogue;
};
