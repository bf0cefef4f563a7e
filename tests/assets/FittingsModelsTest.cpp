// The fittings built from two rows (fridge and door, toilet and lid, door leaf and frame) fit
// together; the sky holds the moon, and cut-out cards show both sides.
#include <gtest/gtest.h>

#include <cmath>

#include "MeshChecks.h"
#include "Models.h"
#include "models/FittingsLayout.h"

namespace {

using namespace fittings;
using namespace meshchecks;

constexpr float kTolerance = 1e-4f;

TEST(FittingsFitTest, FridgeDoorClosesOverTheWholeFrontOfTheBody) {
    const Bounds body = BuildModel("reizouko.x").PositionBounds();
    const Bounds door = BuildModel("reizouko_door.x").PositionBounds();
    EXPECT_NEAR(kFridgeDoorHinge.x, body.min.x, kTolerance);
    EXPECT_NEAR(kFridgeDoorHinge.z, body.min.z, kTolerance);
    EXPECT_NEAR(kFridgeDoorHinge.x + door.max.x, body.max.x, 0.06f);  // the handle stands off
    EXPECT_NEAR(door.max.y, body.max.y, kTolerance);
    // The door's pockets reach into the body, clear of its shelves.
    const Mesh fridge = BuildModel("reizouko.x");
    const float pocketsReach = kFridgeDoorHinge.z + door.max.z;
    for (const Vertex& vertex : fridge.Vertices()) {
        const Vec3 p = vertex.position;
        const bool inside = std::fabs(p.x) < 0.5f * kFridgeSize.x - 0.021f && p.y > 0.06f &&
                            p.y < kFridgeSize.y - 0.021f;
        if (inside) {
            EXPECT_GE(p.z, pocketsReach) << p.x << " " << p.y << " " << p.z;
        }
    }
}

TEST(FittingsFitTest, ToiletLidRestsOnTheSeatAndOpensClearOfTheCistern) {
    const Mesh toilet = BuildModel("toile.x");
    const Bounds lid = BuildModel("tcover.x").PositionBounds();
    constexpr float kLidThickness = 0.02f;
    const Bounds bowl = toilet.PositionBounds();
    EXPECT_GE(kToiletLidHinge.x + lid.min.x, bowl.min.x);
    EXPECT_LE(kToiletLidHinge.x + lid.max.x, bowl.max.x);
    EXPECT_GE(kToiletLidHinge.z + lid.min.z, bowl.min.z - kTolerance);
    bool seatTouched = false;
    for (const Vertex& vertex : toilet.Vertices()) {
        const Vec3 p = vertex.position;
        if (p.y > kToiletLidHinge.y + kTolerance) {
            // Above the seat only what stands behind the lid when it is raised upright.
            EXPECT_GE(p.z, kToiletLidHinge.z + kLidThickness) << p.y << " " << p.z;
        }
        seatTouched |= std::fabs(p.y - kToiletLidHinge.y) < kTolerance && p.z < 0;
    }
    EXPECT_TRUE(seatTouched);
}

// The leaf, placed at x -kDoorLeafWidth / 2 of the frame, fills the opening exactly, and the frame
// leaves the opening clear.
TEST(FittingsFitTest, DoorLeafFillsTheFramesOpening) {
    const Bounds leaf = BuildModel("wood_door.x").PositionBounds();
    EXPECT_NEAR(leaf.max.x, kDoorLeafWidth, kTolerance);
    EXPECT_NEAR(leaf.max.y, kDoorLeafHeight, kTolerance);
    const float half = 0.5f * kDoorLeafWidth;
    const Mesh frame = BuildModel("wood_door_waku.x");
    for (const Vertex& vertex : frame.Vertices()) {
        const Vec3 p = vertex.position;
        const bool inOpening =
            std::fabs(p.x) < half - kTolerance && p.y < kDoorLeafHeight - kTolerance;
        EXPECT_FALSE(inOpening) << p.x << " " << p.y;
    }
}

// Seen from inside: every point on the dome, every normal facing its centre (and so every
// triangle, which the row checks keep facing its normals), and big enough in the world to hold
// the moon (radius 1 at height 36).
TEST(FittingsFitTest, SkyDomeFacesItsCentreAndHoldsTheMoon) {
    const Mesh sky = BuildModel("sky.x");
    for (const Vertex& vertex : sky.Vertices()) {
        const Vec3 p = vertex.position;
        EXPECT_NEAR(std::sqrt(Dot(p, p)), kSkyRadius, 1e-3f);
        EXPECT_LT(Dot(vertex.normal, p), 0);
    }
    const Bounds b = sky.PositionBounds();
    EXPECT_NEAR(b.max.y, kSkyRadius, 1e-3f);
    EXPECT_LT(b.min.y, 0);  // past the horizon, so no gap shows at the ground's edge
    EXPECT_GT(kSkyRadius * kSkyScale, 37);
}

// Cut-outs are seen from both sides: each card has a twin facing the other way.
TEST(FittingsFitTest, CutOutCardsShowBothSides) {
    for (const std::string_view name : {"reaf.x", "reaf1.x", "snp_cav.x"}) {
        const Mesh mesh = BuildModel(name);
        Vec3 sum{0, 0, 0};
        for (const Triangle& triangle : mesh.Triangles()) {
            const Vec3 front = FrontOf(mesh, triangle);
            sum = sum + (1 / std::sqrt(Dot(front, front))) * front;
        }
        EXPECT_LT(Dot(sum, sum), 1e-6f) << name;
    }
}

}  // namespace
