#include "content/events/Blocks.h"

namespace Ev {
namespace {

constexpr float kHiddenAlpha = 0.5f;  // how an invisible block shows should a debug view draw it

}  // namespace

Block::Block(const Setup& setup) {
    mesh.modelIndex = kCubeModel;
    mesh.hidden = setup.hidden;
    if (setup.hidden != 0) mesh.colour.a = kHiddenAlpha;
    mesh.collider.type = setup.colliderType;
    mesh.collider.kind = setup.colliderKind;
    meshes.push_back(&mesh);
}

drawObj::drawObj() : Block({.hidden = 0, .colliderType = COLL_NONE, .colliderKind = KIND_SENSOR}) {}

HitBox::HitBox() : Block({.hidden = 1, .colliderType = COLL_OBB, .colliderKind = KIND_SOLID}) {}

drawHitObj::drawHitObj()
    : Block({.hidden = 0, .colliderType = COLL_OBB, .colliderKind = KIND_SOLID}) {}

HitFlag::HitFlag() : Block({.hidden = 1, .colliderType = COLL_OBB, .colliderKind = KIND_SENSOR}) {}

}  // namespace Ev
