// The draws of the bodies and the flashlight: each mesh as the scene draw treats it.
#include "world/Fish.h"
#include "world/Flashlight.h"
#include "world/Rig.h"
#include "world/gt_Model.h"

void Rig::DrawParts(MyLibrary& library, bool shadowPass) {
    for (CObjMesh* part : parts) part->DrawInPass(library, shadowPass);
}

void Flashlight::Draw(MyLibrary& library, bool shadowPass) {
    body.DrawInPass(library, shadowPass);
    glow.DrawInPass(library, shadowPass);
}

void gt_Model::DrawRig(MyLibrary& library, bool shadowPass) {
    if (hidden != 0) return;
    if (lightShown != 0) light.Draw(library, shadowPass);
    if (itemShown != 0) item.DrawInPass(library, shadowPass);
    DrawParts(library, shadowPass);
}

void Fish::DrawRig(MyLibrary& library, bool shadowPass) {
    if (hidden != 0) return;
    DrawParts(library, shadowPass);
}
