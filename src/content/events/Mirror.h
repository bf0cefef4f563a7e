#pragma once
#include "scene/Scene.h"
#include "world/CObjFVF.h"

namespace Ev {

// The inn's mirror: each frame places a reflection camera in front of the glass for the frame
// draw's mirror pass and shows that pass's image on its quad. The field that owns it places
// `frame` (texture, pass and transform); the image follows it.
class Mirror : public Scene {
  public:
    Mirror() { worldQuads.push_back(&frame); }

    void Update() override;
    void Draw() override { mirrorImage.DrawMirrorQuad(*library); }
    const char16_t* Name() const override { return u"Mirror"; }

    CObjFVF mirrorImage;
    CObjFVF frame;
};

}  // namespace Ev
