#pragma once
#include "scene/Scene.h"
#include "world/CObjSound.h"
#include "world/Fish.h"

namespace Fld {

// The title screen, the first field of every run: the square before the inn at night, seen from
// its far corner, a pale figure standing by the lantern at the inn's steps, the crickets, and the
// menu over it all.
class Title final : public Scene {
  public:
    Title();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    void Draw() override;
    const char16_t* Name() const override { return u"Title"; }

  private:
    Fish watcher_;
    CObjSound crickets_;
};

}  // namespace Fld
