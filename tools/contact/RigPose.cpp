#include "RigPose.h"

#include "world/Fish.h"
#include "world/gt_Model.h"

namespace {

// Both bodies face +z in their own space; turned round they face the sheets' cameras.
constexpr float kFacingCamera = 180.0f;

void Collect(const CObjMesh& mesh, std::vector<PosedPart>& out) {
    if (mesh.hidden == 0) out.push_back({mesh.modelIndex, mesh.world});
}

template <typename Body>
void Play(Body& body, int motion, int frame, MyLibrary& library) {
    body.root.rotation = {0.0f, kFacingCamera, 0.0f};
    body.MotType = motion;
    body.frame = frame;
    body.Update(library);
}

}  // namespace

std::optional<RigKind> RigKindNamed(std::string_view word) {
    if (word == "gt") return RigKind::Player;
    if (word == "gt-held") return RigKind::PlayerHeld;
    if (word == "fish") return RigKind::Ghost;
    return std::nullopt;
}

std::vector<PosedPart> PoseRig(RigKind kind, int motion, int frame, MyLibrary& library) {
    std::vector<PosedPart> posed;
    if (kind == RigKind::Ghost) {
        Fish fish;
        Play(fish, motion, frame, library);
        for (const CObjMesh* part : fish.parts) Collect(*part, posed);
        return posed;
    }
    gt_Model body;
    const bool held = kind == RigKind::PlayerHeld;
    body.itemShown = held ? 1 : 0;
    body.lightShown = held ? 1 : 0;
    Play(body, motion, frame, library);
    for (const CObjMesh* part : body.parts) Collect(*part, posed);
    if (held) {
        Collect(body.item, posed);
        Collect(body.light.body, posed);
        Collect(body.light.glow, posed);
    }
    return posed;
}
