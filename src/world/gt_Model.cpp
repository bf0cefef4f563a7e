#include "world/gt_Model.h"
#include "library/AssetNames.h"

namespace {

// Tracks of a body motion, in order: rotations of neck, body, body2; body2's position (the hips'
// bob); rotations of R_nino, L_nino, R_hand, L_hand, L_momo, R_momo, L_asi, R_asi.
constexpr size_t kTrackCount = 12;
using Pose = std::array<Xyz, kTrackCount>;
using Key = MotionKey<kTrackCount>;

constexpr Pose WithTrack(Pose pose, size_t track, Xyz value) {
    pose[track] = value;
    return pose;
}

// The tables give one key per two lines: tracks 0 to 5, then 6 to 11.
// clang-format off

// Standing, arms hanging: motion 0's first key and the throw's last.
constexpr Pose kRestPose = {{
    {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {0, 180, -75}, {0, 0, -75},
    {0, 0, 0}, {0, 0, 0}, {0, 10, 0}, {0, -10, 0}, {0, 0, 0}, {0, 0, 0}}};

// Breathing: the chest leans back and the arms rise a little halfway.
constexpr Key kRestKeys[] = {
    {0, kRestPose},
    {50, {{{0, 0, 0}, {-7.5f, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {0, 180, -70}, {0, 0, -70},
           {0, 0, 0}, {0, 0, 0}, {0, 10, 0}, {0, -10, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {100, kRestPose},
};

// The slow walk of the arrival scene.
constexpr Pose kIntroWalkStart = {{
    {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {-20, 180, -70}, {-20, 0, -70},
    {0, 20, 0}, {0, -20, 0}, {30, 6, 0}, {-30, -6, 0}, {30, 0, 0}, {30, 0, 0}}};
constexpr Key kIntroWalkKeys[] = {
    {0, kIntroWalkStart},
    {5, {{{0, 0, 0}, {-7.5f, 0, 0}, {0, 0, 4}, {0, 5.7f, 0}, {-30, 180, -70}, {-30, 0, -70},
          {0, 0, 0}, {0, -30, 0}, {30, 6, 0}, {-30, -6, 0}, {43, 0, 0}, {0, 0, 0}}}},
    {10, {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {-10, 180, -70}, {-10, 0, -70},
           {0, 20, 0}, {0, -20, 0}, {-4, 6, 0}, {0.5f, -6, 0}, {43, 0, 0}, {0, 0, 0}}}},
    {15, {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {20, 180, -70}, {20, 0, -70},
           {0, 20, 0}, {0, -20, 0}, {-30, 6, 0}, {30, -6, 0}, {30, 0, 0}, {30, 0, 0}}}},
    {20, {{{0, 0, 0}, {-7.5f, 0, 0}, {0, 0, -4}, {0, 5.7f, 0}, {30, 180, -70}, {30, 0, -70},
           {0, 30, 0}, {0, 0, 0}, {-30, 6, 0}, {30, -6, 0}, {0, 0, 0}, {43, 0, 0}}}},
    {25, {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {10, 180, -70}, {10, 0, -70},
           {0, 20, 0}, {0, -20, 0}, {0.5f, 6, 0}, {-4, -6, 0}, {0, 0, 0}, {43, 0, 0}}}},
    {30, kIntroWalkStart},
};

// The player's own walk, a step every 16 frames.
constexpr Pose kWalkStart = {{
    {-21, 0, 0}, {0, 0, 0}, {16, 0, 0}, {0, 5.8f, 0}, {-37.5f, 180, -70}, {10, 0, -70},
    {0, 90, 0}, {0, -48, 0}, {-47, 0, 0}, {-17, 0, 0}, {30, 0, 0}, {121.5f, 0, 0}}};
constexpr Key kWalkKeys[] = {
    {0, kWalkStart},
    {8, {{{-21, 0, 0}, {0, 0, 0}, {16, 0, 0}, {0, 7.5f, 0}, {-74, 180, -70}, {-50, 0, -70},
          {0, 63.5f, 0}, {0, -90, 0}, {20.5f, 0, 0}, {-65, 0, 0}, {40, 0, 0}, {29, 0, 0}}}},
    {16, {{{-21, 0, 0}, {0, 0, 0}, {16, 0, 0}, {0, 5.8f, 0}, {10, 180, -70}, {37.5f, 0, -70},
           {0, 48, 0}, {0, -90, 0}, {-17, 0, 0}, {-47, 0, 0}, {121.5f, 0, 0}, {30, 0, 0}}}},
    {24, {{{-21, 0, 0}, {0, 0, 0}, {16, 0, 0}, {0, 7.5f, 0}, {50, 180, -70}, {74, 0, -70},
           {0, 90, 0}, {0, -63.5f, 0}, {-65, 0, 0}, {20.5f, 0, 0}, {29, 0, 0}, {40, 0, 0}}}},
    {32, kWalkStart},
};

// R_hand raised to the face and held there.
constexpr Pose kRaiseHandStart = {{
    {0, 0, 0}, {-2.8f, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {0, 180, -73.1f}, {0, 0, -73.1f},
    {0, 0, 0}, {0, 0, 0}, {0, 10, 0}, {0, -10, 0}, {0, 0, 0}, {0, 0, 0}}};
constexpr Key kRaiseHandKeys[] = {
    {0, kRaiseHandStart},
    {20, {{{0, 0, 0}, {-1.9f, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {36, 180, -78.9f}, {0, 0, -73.7f},
           {0, 135.6f, -21.6f}, {0, 0, 0}, {0, 10, 0}, {0, -10, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {80, {{{0, 0, 0}, {-12.7f, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {36, 180, -78.9f}, {0, 0, -73.7f},
           {0, 132.9f, -21.2f}, {0, 0, 0}, {0, 10, 0}, {0, -10, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {140, {{{0, 0, 0}, {-1.6f, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {36, 180, -78.9f}, {0, 0, -73.7f},
            {0, 132.9f, -21.2f}, {0, 0, 0}, {0, 10, 0}, {0, -10, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {160, kRaiseHandStart},
};

// A dart thrown: R_nino held out while R_hand turns back, then the rest pose. Not a cycle.
constexpr Pose kThrowStart = {{
    {0, 0, 0}, {-2.8f, 0, 0}, {0, 0, 0}, {0, 6.1f, 0}, {90, 180, -73.1f}, {0, 0, -73.1f},
    {0, 57.6f, 0}, {0, 0, 0}, {0, 10, 0}, {0, -10, 0}, {0, 0, 0}, {0, 0, 0}}};
constexpr Key kThrowKeys[] = {
    {0, kThrowStart},
    {10, WithTrack(kThrowStart, 6, {0, 18, 0})},
    {20, WithTrack(kThrowStart, 6, {0, 12, 0})},
    {50, kRestPose},
};

// clang-format on

// Where each part hangs, in update order.
constexpr PartPlacement<gt_Model> kRig[] = {
    {&gt_Model::root, 74, nullptr, {0, 0, 0}},                   // "cube.x"
    {&gt_Model::body2, 87, &gt_Model::root, {0, 6.1f, 0}},       // "gtbody2.x"
    {&gt_Model::body, 86, &gt_Model::body2, {0, -0.5f, 0}},      // "gtbody.x"
    {&gt_Model::neck, 74, &gt_Model::body, {0, 2.9f, 0}},        // "cube.x"
    {&gt_Model::head, 89, &gt_Model::neck, {0, 1.9f, 0}},        // "gthead.x"
    {&gt_Model::R_nino, 91, &gt_Model::body, {-1.0f, 2.3f, 0}},  // "gtnino.x"
    {&gt_Model::L_nino, 91, &gt_Model::body, {1.0f, 2.3f, 0}},
    {&gt_Model::R_hand, 88, &gt_Model::R_nino, {1.9f, 0, 0}},  // "gthand.x"
    {&gt_Model::L_hand, 88, &gt_Model::L_nino, {1.9f, 0, 0}},
    {&gt_Model::L_momo, 90, &gt_Model::body2, {0.6f, -2.0f, 0}},  // "gtmomo.x"
    {&gt_Model::R_momo, 90, &gt_Model::body2, {-0.6f, -2.0f, 0}},
    {&gt_Model::L_asi, 85, &gt_Model::L_momo, {0, -1.4f, 0}},  // "gtasi.x"
    {&gt_Model::R_asi, 85, &gt_Model::R_momo, {0, -1.4f, 0}},
};

constexpr int32_t kBottleModel = AssetRow("bottle.x");

}  // namespace

gt_Model::gt_Model()
    : Rig({MakeMotion<kTrackCount>(kRestKeys), MakeMotion<kTrackCount>(kIntroWalkKeys),
           MakeMotion<kTrackCount>(kWalkKeys), MakeMotion<kTrackCount>(kRaiseHandKeys),
           MakeMotion<kTrackCount>(kThrowKeys)}) {
    SetTrackTargets({&neck.rotation, &body.rotation, &body2.rotation, &body2.position,
                     &R_nino.rotation, &L_nino.rotation, &R_hand.rotation, &L_hand.rotation,
                     &L_momo.rotation, &R_momo.rotation, &L_asi.rotation, &R_asi.rotation});
    item.modelIndex = kBottleModel;
    item.scale = glm::vec3(0.45f);
    item.rotation.x = 90;
    item.position = {2.5f, 0, 0};
    item.power = 0;
    item.diffuseStrength = 1.0f;
    item.parent = &L_hand.world;

    light.body.parent = &L_hand.world;
    light.body.position = {2.0f, 0, 0};
    light.body.scale = glm::vec3(10.0f);
    light.body.rotation = {90, 50, 0};

    HangParts(*this, kRig);
    for (CObjMesh* part : parts) {
        // Dimly sunlit with a broad highlight (shadow, colour and diffuse factor keep their
        // start values).
        part->power = 1.0f;
        part->diffuseStrength = 0.1f;
    }
    root.scale = glm::vec3(0.1f);
    root.rotation.y = 180;
    root.hidden = 1;
    head.factorA = 1.0f;
    R_nino.rotation.y = 180;  // the upper arm turned round at negative x is the right one
}

void gt_Model::Update(MyLibrary& library) {
    StepClock(ClockWrap::RawClock);
    if (lightShown != 0) HoldLightArm();
    UpdateParts(library);
    UpdateHeld(library);
}

void gt_Model::UpdateHeld(MyLibrary& library) {
    if (itemShown != 0) item.Update(library);
    if (lightShown != 0) light.Update(library, lightOn != 0, spot);
}

void gt_Model::HoldLightArm() {
    L_hand.rotation = {0, -50, 0};
    L_nino.rotation.x = 0;
    L_nino.rotation.z = -70;
}
