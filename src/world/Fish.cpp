#include "world/Fish.h"

#include <algorithm>
#include <cmath>

#include "library/Angles.h"
#include "library/AssetNames.h"

namespace {

// Tracks of a fish motion, in order: body2's position (the hips' height), then the rotations of
// body2, body, head, L_nino, R_nino, L_hand, R_hand, L_asi, R_asi.
constexpr size_t kTrackCount = 10;

// One pose of the fish motion tables. The hips never turn in a motion (the enemy turns the body
// and head itself) and only rise and fall, so a pose gives their height and the other rotations.
struct FishPose {
    float hipsHeight;
    Xyz body, head, lNino, rNino, lHand, rHand, lAsi, rAsi;
};

struct FishKey {
    int32_t frame;
    FishPose pose;
};

// The tables' columns: hips height, then the rotations of body, head, L_nino, R_nino, L_hand,
// R_hand, L_asi, R_asi; {} is (0, 0, 0).
// clang-format off

constexpr FishPose kIdleRest = {4.5f, {}, {}, {0, 0, -75.6f}, {0, 180, -75.6f}, {}, {}, {}, {}};
constexpr FishKey kIdleKeys[] = {
    {0, kIdleRest},
    {50, {4.5f, {-4.2f, 0, 0}, {}, {0, 0, -68.4f}, {0, 180, -68.4f}, {}, {}, {}, {}}},
    {100, kIdleRest},
};

constexpr FishPose kStandingTall = {4.7f, {}, {}, {0, 0, -75}, {0, 180, -75}, {}, {}, {}, {}};
constexpr FishKey kWalkKeys[] = {
    {0, kStandingTall},
    {25, {4.3f, {}, {}, {-25, 0, -75}, {-25, 180, -75},
          {0, -20, 0}, {}, {18, 0, 0}, {-10, 0, 0}}},
    {50, kStandingTall},
    {75, {4.3f, {}, {}, {25, 0, -75}, {25, 180, -75},
          {}, {0, 20, 0}, {-10, 0, 0}, {18, 0, 0}}},
    {100, kStandingTall},
};

// Arms thrown forward, crouched and leaning in; then rising with the arms still out.
constexpr FishPose kLunge = {4.3f, {18, 0, 5}, {-10, 0, 0}, {-100, 0, -70}, {100, 180, -70},
                             {}, {}, {20, 0, 0}, {-5, 0, 0}};
constexpr FishPose kReach = {4.7f, {18, 0, 0}, {-10, 0, 0}, {-100, 0, -70}, {100, 180, -70},
                             {}, {}, {}, {}};
constexpr FishKey kAttackKeys[] = {
    {0, kStandingTall},
    {10, kLunge},
    {20, kReach},
    {30, {4.3f, {33.7f, 0, 5}, {-35.2f, 0, 0}, {-100, 0.3f, -70}, {100, 180, -70},
          {}, {}, {-5, 0, 0}, {20, -0.1f, 0}}},
    {40, {4.3f, {62.5f, 0, 5}, {-35.2f, 0, 0}, {-100, 0.3f, -70}, {100, 180, -70},
          {}, {}, {9, 0, 0}, {-20, -0.1f, 0}}},
    {50, {4.3f, {66.1f, 0, 5}, {-6.4f, 0, 0}, {-100, 0.3f, -70}, {100, 180, -70},
          {}, {}, {-9, 0, 0}, {-2, -0.1f, 0}}},
    {90, kStandingTall},
    {100, {4.5f, {}, {}, {0, 0, -75}, {0, 180, -75}, {}, {}, {}, {}}},
};

// Holding the caught player: the lunge and the reach in turn.
constexpr FishKey kCatchKeys[] = {
    {0, kLunge},
    {40, kReach},
    {80, kLunge},
    {120, kReach},
};

// clang-format on

Motion MakeFishMotion(std::span<const FishKey> rows) {
    std::vector<MotionKey<kTrackCount>> keys;
    for (const FishKey& row : rows) {
        const FishPose& p = row.pose;
        keys.push_back({row.frame,
                        {{{0, p.hipsHeight, 0},
                          {},
                          p.body,
                          p.head,
                          p.lNino,
                          p.rNino,
                          p.lHand,
                          p.rHand,
                          p.lAsi,
                          p.rAsi}}});
    }
    return MakeMotion<kTrackCount>(keys);
}

// Where each part hangs, in update order; the beads follow.
constexpr PartPlacement<Fish> kRig[] = {
    {&Fish::root, 74, nullptr, {0, 0, 0}},              // "cube.x"
    {&Fish::body2, 82, &Fish::root, {0, 4.5f, 0}},      // "fishkosi.x"
    {&Fish::body, 84, &Fish::body2, {0, 0, 0}},         // "fishuebody.x"
    {&Fish::head, 80, &Fish::body, {0, 2.7f, 0}},       // "fishface.x"
    {&Fish::L_nino, 83, &Fish::body, {1.1f, 2.0f, 0}},  // "fishnino.x"
    {&Fish::R_nino, 83, &Fish::body, {-1.1f, 2.0f, 0}},
    {&Fish::L_hand, 81, &Fish::L_nino, {1.3f, 0, 0}},  // "fishhand.x"
    {&Fish::R_hand, 81, &Fish::R_nino, {1.3f, 0, 0}},
    {&Fish::L_asi, 79, &Fish::body2, {0.5f, 0, 0}},  // "fishasi.x"
    {&Fish::R_asi, 79, &Fish::body2, {-0.5f, 0, 0}},
};

constexpr int32_t kBeadModel = AssetRow("sphere.x");
constexpr glm::vec3 kFirstBeadPosition{-2.05f, -1.6f, -0.4f};  // in head's space
constexpr float kBeadSpacing = 2.0f;  // along the first bead's y, in its units

}  // namespace

Fish::Fish()
    : Rig({MakeFishMotion(kIdleKeys), MakeFishMotion(kWalkKeys), MakeFishMotion(kAttackKeys),
           MakeFishMotion(kCatchKeys)}) {
    SetTrackTargets({&body2.position, &body2.rotation, &body.rotation, &head.rotation,
                     &L_nino.rotation, &R_nino.rotation, &L_hand.rotation, &R_hand.rotation,
                     &L_asi.rotation, &R_asi.rotation});
    HangParts(*this, kRig);
    // No diffuse sunlight on the ghost (diffuse factor and power keep their start values); the
    // beads keep theirs.
    for (CObjMesh* part : parts) part->diffuseStrength = 0.0f;
    root.scale = glm::vec3(0.08f);
    root.colour.a = 0.5f;
    root.hidden = 1;
    head.factorA = 1.0f;
    R_nino.rotation.y = 180;  // the upper arm turned round at negative x is the right one
    L_asi.ambientStrength = 2.0f;
    R_asi.ambientStrength = 2.0f;

    for (int i = 0; i < kBeads; ++i) {
        CObjMesh& bead = beads[static_cast<size_t>(i)];
        bead.modelIndex = kBeadModel;
        if (i == 0) {
            bead.parent = &head.world;
            bead.position = kFirstBeadPosition;
            bead.scale = glm::vec3(0.07f);
            bead.rotation.x = 15;
        } else {
            bead.parent = &beads[0].world;
            bead.position = {0, kBeadSpacing * static_cast<float>(i), 0};
        }
        parts.push_back(&bead);
    }
}

void Fish::Update(MyLibrary& library) {
    ShowBeads();
    // Unlike the player's body, the fish's clock wraps on the time it was posed at.
    StepClock(ClockWrap::SampledTime);
    body.rotation.y += bodyTurn;
    head.rotation.y += headTurn;
    UpdateParts(library);
}

void Fish::LookToward(const glm::vec3& target, float share) {
    const glm::vec3 v = SafeNormalise(target - root.position);
    // Into the figure's own frame: turned back by its yaw about y.
    const float yaw = root.rotation.y * kRadiansPerDegree;
    const float localX = v.x * std::cos(yaw) - v.z * std::sin(yaw);
    const float localZ = v.x * std::sin(yaw) + v.z * std::cos(yaw);
    float head = FacingOf({localX, 0, localZ});
    float rest = 0;
    constexpr float kHeadLimit = 50.0f;
    constexpr float kBodyLimit = 30.0f;
    if (std::abs(head) > kHeadLimit) {
        rest = std::copysign(std::min(std::abs(head) - kHeadLimit, kBodyLimit), head);
        head = std::copysign(kHeadLimit, head);
    }
    headTurn = head * share;
    bodyTurn = rest * share;
}

void Fish::SetAlpha(float alpha) {
    for (CObjMesh* part : parts) part->colour.a = alpha;
}

void Fish::ShowBeads() {
    const int32_t shown = hidden != 0 ? 0 : std::clamp(beadCount, 0, kBeads);
    for (int32_t i = 0; i < kBeads; ++i) beads[static_cast<size_t>(i)].hidden = i < shown ? 0 : 1;
}
