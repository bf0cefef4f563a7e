#pragma once
#include <cstdint>

#include "library/AssetNames.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"

namespace Ev {

// Catalogue row of "cube.x": a box of side 1 centred on its origin, so a block's scale is its size
// in world units. Every block shows it until its field sets another model.
inline constexpr int32_t kCubeModel = AssetRow("cube.x");

// A placed mesh with no behaviour of its own: floors, walls, furniture and trigger volumes. The
// field that creates one sets its model, place and shading; the kind of block fixes whether it is
// seen and how it collides.
class Block : public Scene {
  public:
    CObjMesh mesh;

  protected:
    struct Setup {
        int32_t hidden;
        int32_t colliderType;  // CollType
        int32_t colliderKind;  // CollKind
    };
    explicit Block(const Setup& setup);
};

// Seen, never collides.
class drawObj final : public Block {
  public:
    drawObj();
    const char16_t* Name() const override { return u"drawObj"; }
};

// An invisible wall.
class HitBox final : public Block {
  public:
    HitBox();
    const char16_t* Name() const override { return u"HitBox"; }
};

// Seen and solid: furniture.
class drawHitObj final : public Block {
  public:
    drawHitObj();
    const char16_t* Name() const override { return u"drawHitObj"; }
};

// An invisible sensor whose hitState the field reads (1: the player is inside it this frame).
class HitFlag final : public Block {
  public:
    HitFlag();
    const char16_t* Name() const override { return u"HitFlag"; }
};

}  // namespace Ev
