// The models built from several rows fit each other as they move: door and frame, safe and door,
// entrance and leaves, clock and hands, dartboard and face, fridge and door, toilet and lid. The
// sky holds the moon, and cut-out cards show both sides.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "MeshChecks.h"
#include "Models.h"
#include "models/FittingsLayout.h"
#include "models/FurnitureLayout.h"

namespace {

using namespace fittings;
using namespace furniture;
using namespace meshchecks;

constexpr float kTolerance = 1e-4f;

// Whether `p` lies strictly inside the box from `min` to `max`, by more than a hair.
bool Inside(Vec3 p, Vec3 min, Vec3 max) {
    constexpr float kHair = 1e-3f;
    return p.x > min.x + kHair && p.x < max.x - kHair && p.y > min.y + kHair &&
           p.y < max.y - kHair && p.z > min.z + kHair && p.z < max.z - kHair;
}

// The vertices of `still` that a solid box from `min` to `max` in the frame of a part turned by
// `yaw` degrees about its origin at `pivot` would swallow.
int SwallowedCorners(const Mesh& still, Vec3 pivot, float yaw, Vec3 min, Vec3 max) {
    const Transform intoPart = Transform::Translate(-pivot).Then(Transform::RotateY(-yaw));
    int count = 0;
    for (const Vertex& v : still.Vertices()) count += Inside(intoPart.Point(v.position), min, max);
    return count;
}

struct SwingCase {
    const char* moving;
    const char* still;
    Vec3 pivot;  // the moving part's origin in the still part's frame
    Vec3 min;    // the moving part's solid body in its own frame
    Vec3 max;
};

bool HasVertexAtX(const Mesh& mesh, float x) {
    return std::any_of(mesh.Vertices().begin(), mesh.Vertices().end(),
                       [&](const Vertex& v) { return std::fabs(v.position.x - x) < 1e-3f; });
}

const SwingCase kSwings[] = {
    {"bathdoor.x",
     "bathdoorwaku.x",
     kBathDoor.hinge,
     {0, 0, 0},
     {kBathDoor.width, kBathDoor.height, kBathDoor.thickness}},
    {"exit_door.x",
     "exit_door_waku.x",
     kExitDoor.hinge,
     {0, 0, 0},
     {kExitDoor.width, kExitDoor.height, kExitDoor.thickness}},
    {"kinko_door.x",
     "kinko.x",
     kSafeDoorHinge,
     {0, 0, -kSafeDoorThickness},
     {kSafeSize.x, kSafeSize.y - kSafeDoorHinge.y, 0}},
    // The room door, hung on its middle plane: the sheet of it there.
    {"wood_door.x",
     "wood_door_waku.x",
     {-0.5f * kDoorLeafWidth, 0, 0},
     {0, 0, -0.01f},
     {kDoorLeafWidth, kDoorLeafHeight, 0.01f}},
};

// Shut, a swinging door fills its opening: it has the opening's width and height, and the still
// part comes up to both of its edges. Shut or open, neither cuts into the other. A door hung on the
// wrong edge, turning the wrong way, or larger or smaller than its opening fails.
TEST(FitTest, SwingingDoorsFillTheirOpeningsAndClearThemAllTheWayOpen) {
    for (const SwingCase& c : kSwings) {
        SCOPED_TRACE(c.moving);
        const Mesh still = BuildModel(c.still);
        for (float yaw : {0.0f, 30.0f, 60.0f, 90.0f}) {
            EXPECT_EQ(SwallowedCorners(still, c.pivot, yaw, c.min, c.max), 0) << "at " << yaw;
        }
        const Bounds moving = BuildModel(c.moving).PositionBounds();
        EXPECT_NEAR(moving.max.x, c.max.x, 1e-3f);
        EXPECT_NEAR(moving.max.y, c.max.y, 1e-3f);
        for (float edge : {c.pivot.x, c.pivot.x + c.max.x}) {
            EXPECT_TRUE(HasVertexAtX(still, edge)) << c.still << " has no edge at x " << edge;
        }
    }
}

// The two sliding leaves side by side fill the entrance's opening, each in its own track, and
// neither runs into the posts, the lintel or the other leaf.
TEST(FitTest, EntranceLeavesFillTheOpeningInTwoTracks) {
    const Mesh entrance = BuildModel("iriguti.x");
    const Mesh leaf = BuildModel("irigutidoor.x");
    const Bounds b = leaf.PositionBounds();
    for (const Vec3 at : kEntranceLeaves) {
        EXPECT_EQ(SwallowedCorners(entrance, at, 0, b.min, b.max), 0);
    }
    const Vec3 left = kEntranceLeaves[0], right = kEntranceLeaves[1];
    EXPECT_NEAR(left.x + b.max.x, right.x + b.min.x, kTolerance) << "the leaves meet in the middle";
    EXPECT_GE(std::fabs(left.z - right.z), b.max.z - b.min.z) << "the tracks are apart";
    const float opening = right.x + b.max.x - (left.x + b.min.x);
    for (float edge : {-0.5f * opening, 0.5f * opening}) {
        EXPECT_TRUE(HasVertexAtX(entrance, edge)) << edge;
    }
}

// The hands turn just in front of the dial: nothing of the clock stands in front of them within
// their reach.
TEST(FitTest, NothingOfTheClockCoversItsHands) {
    constexpr float kReach = 0.11f;
    const Mesh clock = BuildModel("clock.x");
    for (const Vertex& v : clock.Vertices()) {
        const float dx = v.position.x - kClockDial.x, dy = v.position.y - kClockDial.y;
        if (dx * dx + dy * dy < kReach * kReach) {
            EXPECT_GT(v.position.z, kClockDial.z);
        }
    }
}

TEST(FitTest, DartboardFaceIsWhereTheLayoutSays) {
    const Bounds b = BuildModel("dartsbord.x").PositionBounds();
    EXPECT_NEAR(b.min.z, kDartboardCentre.z, kTolerance);
    EXPECT_NEAR(b.min.y, kDartboardCentre.y - kDartboardRadius, kTolerance);
}

TEST(FitTest, FridgeDoorClosesOverTheWholeFrontOfTheBody) {
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

TEST(FitTest, ToiletLidRestsOnTheSeatAndOpensClearOfTheCistern) {
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

// Seen from inside: every point on the dome, every normal facing its centre (and so every
// triangle, which the row checks keep facing its normals), and big enough in the world to hold
// the moon (radius 1 at height 36).
TEST(FitTest, SkyDomeFacesItsCentreAndHoldsTheMoon) {
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
TEST(FitTest, CutOutCardsShowBothSides) {
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
