#include "world/Rig.h"

void Rig::ApplyMotion(const Motion& motion, int32_t t) {
    motion.Apply(t, trackTargets_);
}

void Rig::StepClock(ClockWrap wrap) {
    const Motion* motion = MotionAt(motions, MotType);
    if (motion == nullptr) return;
    const int32_t t = MotionTime(frame, speed, slow);
    ApplyMotion(*motion, t);
    // Posing reads only t, so the raw clock may wrap after it: t keeps its value for this frame.
    const int32_t passed = wrap == ClockWrap::RawClock ? frame : t;
    if (passed > motion->LastKey()) frame = 0;
    if (Stop == 0) ++frame;
}

void Rig::UpdateParts(MyLibrary& library) {
    for (CObjMesh* part : parts) part->Update(library);
}

void Rig::Hang(CObjMesh& part, int32_t model, const CObjMesh* parent, Xyz position) {
    part.modelIndex = model;
    if (parent != nullptr) part.parent = &parent->world;
    part.position = {position.x, position.y, position.z};
    parts.push_back(&part);
}
