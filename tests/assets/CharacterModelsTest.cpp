// The character models: the bodies' parts reach the joints their rigs hang the next part on,
// stand on the floor and have a person's height; the held things have their origins where the
// game holds, throws or places them.
#include <gtest/gtest.h>

#include <algorithm>

#include "MeshChecks.h"
#include "Models.h"

namespace {

using namespace meshchecks;

constexpr float kTolerance = 1e-4f;

// ---- The rigs ----------------------------------------------------------------------------

// Each part holds its own joint (its origin) and each joint its rig hangs a child on, or what the
// rig hides inside it, in the part's own units.
TEST(RigJointTest, EveryPartReachesItsJoints) {
    const std::pair<std::string_view, std::vector<Vec3>> parts[] = {
        // The joints below the hips: the torso and the thighs.
        {"gtbody2.x", {{0, -0.5f, 0}, {0.6f, -2.0f, 0}, {-0.6f, -2.0f, 0}}},
        {"gtbody.x", {{0, 2.9f, 0}, {1.0f, 2.3f, 0}, {-1.0f, 2.3f, 0}}},  // neck, arms
        {"gthead.x", {{0.5f, -2.4f, 0.5f}}},         // the neck block's lowest corner
        {"gtnino.x", {{1.9f, 0, 0}}},                // the elbow
        {"gthand.x", {{2.0f, 0, 0}, {2.5f, 0, 0}}},  // the flashlight's and bottle's grips
        {"gtmomo.x", {{0, -1.4f, 0}}},               // the knee
        {"gtasi.x", {}},
        {"fishkosi.x", {{0.5f, 0, 0}, {-0.5f, 0, 0}}},  // the legs; the torso at its own origin
        {"fishuebody.x", {{0, 2.7f, 0}, {1.1f, 2.0f, 0}, {-1.1f, 2.0f, 0}}},  // head, arms
        {"fishnino.x", {{1.3f, 0, 0}}},                                       // the elbow
        {"fishface.x", {}},
        {"fishhand.x", {}},
        {"fishasi.x", {}}};
    for (const auto& [part, joints] : parts) {
        const Bounds bounds = BuildModel(part).PositionBounds();
        EXPECT_TRUE(Contains(bounds, {0, 0, 0})) << part;
        for (const Vec3 joint : joints) {
            EXPECT_TRUE(Contains(bounds, joint))
                << part << ": " << joint.x << ", " << joint.y << ", " << joint.z;
        }
    }
}

// The rest pose stands the player's feet at the root (hips 6.1, thighs 2.0 and knees 1.4 below,
// in rig units of 0.1) and the ghost's at its root (hips 4.5, units of 0.08); the head's top
// gives each its height.
TEST(RigStatureTest, BothBodiesStandOnTheFloorAtTheirHeights) {
    EXPECT_NEAR(BuildModel("gtasi.x").PositionBounds().min.y, -(6.1f - 2.0f - 1.4f), kTolerance);
    EXPECT_NEAR(BuildModel("fishasi.x").PositionBounds().min.y, -4.5f, kTolerance);
    constexpr float kPlayerHeadJoint = 6.1f - 0.5f + 2.9f + 1.9f;
    const float player = 0.1f * (kPlayerHeadJoint + BuildModel("gthead.x").PositionBounds().max.y);
    EXPECT_GT(player, 1.15f);
    EXPECT_LT(player, 1.25f);
    constexpr float kGhostHeadJoint = 4.5f + 2.7f;
    const float ghost = 0.08f * (kGhostHeadJoint + BuildModel("fishface.x").PositionBounds().max.y);
    EXPECT_GT(ghost, 0.95f);
    EXPECT_LT(ghost, 1.2f);
}

// Both bodies walk towards +z: toes and faces lie in front.
TEST(RigStatureTest, FeetAndFaceLookAlongPlusZ) {
    for (const char* foot : {"gtasi.x", "fishasi.x"}) {
        const Bounds b = BuildModel(foot).PositionBounds();
        EXPECT_GT(b.max.z, -b.min.z + 0.2f) << foot;
    }
    const Mesh head = BuildModel("gthead.x");
    float faceZ = 0;
    int faceCorners = 0;
    for (const Triangle& triangle : head.Triangles()) {
        if (head.Materials()[triangle.material].textureFile != "face.bmp") continue;
        for (uint32_t corner : triangle.corners) faceZ += head.Vertices()[corner].position.z;
        faceCorners += 3;
    }
    ASSERT_GT(faceCorners, 0);
    EXPECT_GT(faceZ / static_cast<float>(faceCorners), 0.5f);
}

// ---- What the player holds -----------------------------------------------------------------

TEST(HeldModelTest, TheDartsTipIsTheOriginAndItFliesAlongMinusZ) {
    const Mesh dart = BuildModel("darts.x");
    const Bounds b = dart.PositionBounds();
    EXPECT_NEAR(b.min.z, 0, kTolerance);
    EXPECT_GT(b.max.z, 0.5f);  // 0.15 world units to one: about 0.1 long
    EXPECT_LT(b.max.z, 1.0f);
    for (const Vertex& vertex : dart.Vertices()) {
        if (vertex.position.z < kTolerance) {
            EXPECT_NEAR(vertex.position.x, 0, kTolerance);
            EXPECT_NEAR(vertex.position.y, 0, kTolerance);
        }
    }
}

// The game hangs its glowing lens, a disc of radius 0.05, at (0, 0.2, 0) of the flashlight.
TEST(HeldModelTest, TheFlashlightsLensIsWhereTheGlowHangs) {
    const Bounds b = BuildModel("flashlight.x").PositionBounds();
    EXPECT_NEAR(b.max.y, 0.2f, kTolerance);
    EXPECT_GT(b.max.x, 0.045f);
    EXPECT_LT(b.max.x, 0.065f);
    EXPECT_TRUE(Contains(b, {0, 0, 0}));  // held round its origin
}

// Each held thing's longest side in world units, after the game's scale; what is not on the floor
// (standing or lying on y 0) is held round its origin.
TEST(HeldModelTest, PropsHaveTheirSizeAndOrigin) {
    const struct {
        std::string_view name;
        bool onTheFloor;
        float lowest, highest, scale;
    } cases[] = {{"bottle.x", false, 0.1f, 0.2f, 0.045f},
                 {"key.x", true, 0.1f, 0.2f, 1},
                 {"coin.x", true, 0.04f, 0.06f, 1},
                 {"syoukaki.x", true, 0.35f, 0.5f, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bounds b = BuildModel(c.name).PositionBounds();
        const Vec3 size = b.max - b.min;
        const float longest = std::max({size.x, size.y, size.z}) * c.scale;
        EXPECT_GE(longest, c.lowest);
        EXPECT_LE(longest, c.highest);
        if (c.onTheFloor) {
            EXPECT_NEAR(b.min.y, 0, kTolerance);
        }
        EXPECT_TRUE(Contains(b, {0, std::max(b.min.y, 0.0f), 0}));
    }
}

}  // namespace
