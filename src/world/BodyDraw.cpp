// The draws of the bodies and the flashlight: each mesh as the scene draw treats it.
#include "world/Fish.h"
#include "world/Flashlight.h"
#include "world/Rig.h"
#include "world/gt_Model.h"

namespace {

// In the shadow pass the mesh's world is rebuilt and it is drawn into the shadow map; in the lit
// pass it is drawn from that world. Hidden meshes draw nothing.
void DrawInPass(CObjMesh& mesh, MyLibrary& library, bool shadowPass) {
    if (mesh.hidden != 0) return;
    if (shadowPass) {
        mesh.Update(library);
        mesh.DrawShadow();
    } else {
        mesh.Draw();
    }
}

}  // namespace

void Rig::DrawParts(MyLibrary& library, bool shadowPass) {
    for (CObjMesh* part : parts) DrawInPass(*part, library, shadowPass);
}

void Flashlight::Draw(MyLibrary& library, bool shadowPass) {
    DrawInPass(body, library, shadowPass);
    DrawInPass(glow, library, shadowPass);
}

void gt_Model::DrawRig(MyLibrary& library, bool shadowPass) {
    if (hidden != 0) return;
    if (lightShown != 0) light.Draw(library, shadowPass);
    if (itemShown != 0) DrawInPass(item, library, shadowPass);
    DrawParts(library, shadowPass);
}

void Fish::DrawRig(MyLibrary& library, bool shadowPass) {
    if (hidden != 0) return;
    DrawParts(library, shadowPass);
}
