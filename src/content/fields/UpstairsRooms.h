#pragma once
#include "scene/Scene.h"

namespace Fld {

// The men's public toilet off the guest floor.
class Rest_Men : public Scene {
  public:
    const char16_t* Name() const override { return u"Rest_Men"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The women's public toilet off the guest floor.
class Rest_Women : public Scene {
  public:
    const char16_t* Name() const override { return u"Rest_Women"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The stair hall from the guest floor up to the roof.
class Roof_Kai : public Scene {
  public:
    const char16_t* Name() const override { return u"Roof_Kai"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The roof at night; its camera follows the player.
class Roof_Top : public Scene {
  public:
    const char16_t* Name() const override { return u"Roof_Top"; }
    void Init(Personal* player, MyLibrary* library) override;
};

}  // namespace Fld
