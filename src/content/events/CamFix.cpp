#include "content/events/CamFix.h"

#include "content/Services.h"
#include "content/events/Blocks.h"

namespace Ev {

CamFix::CamFix() {
    for (CObjMesh* mesh : {&eyeMarker, &targetMarker, &trigger}) {
        mesh->modelIndex = kCubeModel;
        mesh->hidden = 1;
        meshes.push_back(mesh);
    }
    trigger.collider.type = COLL_OBB;
    trigger.collider.kind = KIND_SENSOR;
}

void CamFix::Update() {
    eyeMarker.hidden = trigger.hidden;
    targetMarker.hidden = trigger.hidden;
    if (trigger.collider.hitState != HIT_BY_PLAYER || trigger.castsShadow == 0) return;
    Camera& camera = content::Services(*library).LiveCamera();
    camera.eye = eyeMarker.position;
    camera.at = targetMarker.position;
}

}  // namespace Ev
