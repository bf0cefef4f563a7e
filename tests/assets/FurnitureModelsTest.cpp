// The furniture recipes: every row of the size and origin its placements rely on, and the parts
// that work together (door and frame, safe and door, entrance and leaves, clock and hands) fitting
// each other as they move.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "MeshChecks.h"
#include "Models.h"
#include "models/FurnitureLayout.h"

namespace {

using namespace furniture;
using meshchecks::ShortName;

// Where a model's origin lies, as bounds show it.
enum Origin : unsigned {
    kOnFloor = 1,       // the lowest point at y 0
    kHangsFrom = 2,     // the highest point at y 0: lamps, the curtain, the board on its nail
    kBackOnWall = 4,    // nothing behind z 0
    kCentredX = 8,      // as far to the left as to the right
    kCentredZ = 16,     // as far to the front as to the back
    kHinged = 32,       // the leaf to the right of its hinge at x 0
    kOnLeafFaces = 64,  // door hardware outside a leaf kHardwareClearsLeaf thick at z 0
};

struct FurnitureCase {
    const char* name;
    Vec3 smallest;  // the least size of the bounds along each axis
    Vec3 largest;
    unsigned origin;

    friend void PrintTo(const FurnitureCase& c, std::ostream* out) { *out << c.name; }
};

constexpr unsigned kFloorCentred = kOnFloor | kCentredX | kCentredZ;

// Sizes in world units: doors about 1.8 high, tables and desks about 0.5, the player 1.2.
const FurnitureCase kCases[] = {
    {"bathdoor.x", {0.7f, 1.7f, 0.03f}, {0.8f, 1.9f, 0.2f}, kOnFloor | kHinged},
    {"bathdoorwaku.x", {0.8f, 1.8f, 0.1f}, {1.1f, 2.0f, 0.25f}, kFloorCentred},
    {"bath_bench.x", {1.0f, 0.3f, 0.25f}, {1.5f, 0.45f, 0.5f}, kFloorCentred},
    {"bath_chair.x", {0.2f, 0.12f, 0.15f}, {0.4f, 0.25f, 0.35f}, kFloorCentred},
    {"bath_oke.x", {0.18f, 0.08f, 0.18f}, {0.3f, 0.15f, 0.3f}, kFloorCentred},
    {"bath_shower.x", {0.3f, 0.8f, 0.1f}, {0.6f, 1.4f, 0.25f}, kBackOnWall | kCentredX},
    {"bouka.x",
     {kShutterWidth, kShutterHeight, 0.03f},
     {kShutterWidth, kShutterHeight, 0.1f},
     kFloorCentred},
    {"chair.x", {0.4f, 0.6f, 0.4f}, {0.6f, 0.9f, 0.7f}, kOnFloor | kCentredX},
    {"chair_tesuri.x", {0.5f, 0.6f, 0.4f}, {0.7f, 0.9f, 0.7f}, kOnFloor | kCentredX},
    {"clock.x", {0.25f, 0.6f, 0.05f}, {0.45f, 1.0f, 0.15f}, kBackOnWall | kCentredX},
    {"dartsbord.x",
     {0.3f, 0.3f, 0.03f},
     {0.4f, 0.45f, 0.06f},
     kHangsFrom | kBackOnWall | kCentredX},
    {"denki.x", {0.3f, 0.7f, 0.3f}, {0.5f, 1.2f, 0.5f}, kHangsFrom | kCentredX | kCentredZ},
    {"desk.x", {0.9f, 0.45f, 0.45f}, {1.3f, 0.65f, 0.7f}, kFloorCentred},
    {"dining_chair.x", {0.35f, 0.65f, 0.35f}, {0.5f, 0.9f, 0.55f}, kOnFloor | kCentredX},
    {"dining_table.x", {1.0f, 0.45f, 0.6f}, {1.5f, 0.65f, 0.9f}, kFloorCentred},
    {"doornobu.x", {0.04f, 0.04f, 0.15f}, {0.08f, 0.08f, 0.25f}, kOnLeafFaces | kCentredX},
    {"door_key.x", {0.02f, 0.08f, 0.03f}, {0.06f, 0.2f, 0.1f}, kOnLeafFaces | kCentredX},
    {"door_plate.x", {0.15f, 0.08f, 0.005f}, {0.35f, 0.2f, 0.03f}, kBackOnWall | kCentredX},
    {"exit.x", {0.3f, 0.15f, 0.03f}, {0.5f, 0.25f, 0.1f}, kBackOnWall | kCentredX},
    {"exit_door.x", {0.8f, 1.7f, 0.04f}, {0.9f, 1.9f, 0.15f}, kOnFloor | kHinged},
    {"exit_door_nobu.x", {0.1f, 0.03f, 0.1f}, {0.2f, 0.08f, 0.25f}, kOnLeafFaces | kCentredZ},
    {"exit_door_waku.x", {0.85f, 1.85f, 0.1f}, {1.1f, 2.0f, 0.25f}, kFloorCentred},
    {"haizara.x", {0.1f, 0.02f, 0.1f}, {0.2f, 0.06f, 0.2f}, kOnFloor | kCentredZ},
    {"husuma.x",
     {kHusumaWidth, kHusumaHeight, 0.02f},
     {kHusumaWidth, kHusumaHeight, 0.05f},
     kFloorCentred},
    {"iriguti.x", {1.9f, 2.1f, 0.1f}, {2.6f, 2.8f, 0.3f}, kFloorCentred},
    {"irigutidoor.x",
     {kEntranceLeafWidth, kEntranceLeafHeight, 0.03f},
     {kEntranceLeafWidth, kEntranceLeafHeight, 0.045f},
     kFloorCentred},
    {"kabe.x", {1.5f, 2.2f, 0.05f}, {2.5f, 2.6f, 0.2f}, kFloorCentred},
    {"kagidana.x", {0.6f, 1.0f, 0.25f}, {1.0f, 1.5f, 0.45f}, kOnFloor | kCentredX},
    {"kaiga.x", {0.5f, 0.4f, 0.02f}, {1.0f, 0.8f, 0.08f}, kBackOnWall | kCentredX},
    {"katen.x", {0.9f, 1.5f, 0.05f}, {1.3f, 1.9f, 0.15f}, kHangsFrom | kCentredX},
    {"keikou.x", {0.8f, 0.08f, 0.1f}, {1.1f, 0.5f, 0.2f}, kHangsFrom | kCentredX | kCentredZ},
    {"kinko.x", kSafeSize, kSafeSize, kFloorCentred},
    {"kinko_door.x", {0.4f, 0.45f, 0.04f}, {0.5f, 0.5f, 0.12f}, kOnFloor | kHinged},
    {"lack.x", {0.8f, 1.3f, 0.3f}, {1.0f, 1.7f, 0.4f}, kFloorCentred},
};

class FurnitureModelTest : public testing::TestWithParam<FurnitureCase> {};

TEST_P(FurnitureModelTest, HasItsSizeAndOrigin) {
    const FurnitureCase& c = GetParam();
    const Mesh mesh = BuildModel(c.name);
    const Bounds b = mesh.PositionBounds();
    const Vec3 size = b.max - b.min;
    constexpr float kTolerance = 1e-3f;
    for (const auto& [got, low, high] : {std::tuple{size.x, c.smallest.x, c.largest.x},
                                         std::tuple{size.y, c.smallest.y, c.largest.y},
                                         std::tuple{size.z, c.smallest.z, c.largest.z}}) {
        EXPECT_GE(got, low - kTolerance);
        EXPECT_LE(got, high + kTolerance);
    }
    // The flag, the value that must be near 0, and how near.
    for (const auto& [flag, zero, tolerance] :
         {std::tuple{kOnFloor, b.min.y, kTolerance}, std::tuple{kHangsFrom, b.max.y, 5e-3f},
          std::tuple{kBackOnWall, b.max.z, kTolerance},
          std::tuple{kCentredX, b.min.x + b.max.x, 0.01f},
          std::tuple{kCentredZ, b.min.z + b.max.z, 0.01f}}) {
        if (c.origin & flag) EXPECT_NEAR(zero, 0, tolerance) << "origin flag " << flag;
    }
    if (c.origin & kHinged) {
        // Only the hinge barrels stand left of the hinge.
        EXPECT_LE(b.min.x, 0);
        EXPECT_GE(b.min.x, -0.015f);
    }
    if (c.origin & kOnLeafFaces) {
        for (const Vertex& v : mesh.Vertices()) {
            ASSERT_GE(std::fabs(v.position.z), 0.5f * kHardwareClearsLeaf - 1e-4f);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Furniture, FurnitureModelTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return ShortName(info.param.name); });

TEST(FurnitureTableTest, EveryRowHasOneCase) {
    EXPECT_EQ(std::size(kCases), FurnitureRecipes().size());
    for (const ModelRecipe& recipe : FurnitureRecipes()) {
        EXPECT_TRUE(std::any_of(std::begin(kCases), std::end(kCases), [&](const FurnitureCase& c) {
            return c.name == recipe.name;
        })) << recipe.name;
    }
}

// ---- Parts that work together --------------------------------------------------------------

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

    friend void PrintTo(const SwingCase& c, std::ostream* out) { *out << c.moving; }
};

class SwingTest : public testing::TestWithParam<SwingCase> {};

// Shut or open, a swinging door neither cuts into its frame nor the frame into it: a door hung
// on the wrong edge, turning the wrong way or larger than its opening fails.
TEST_P(SwingTest, ClearsWhatItIsHungFromAllTheWayOpen) {
    const SwingCase& c = GetParam();
    const Mesh still = BuildModel(c.still);
    for (float yaw : {0.0f, 30.0f, 60.0f, 90.0f}) {
        EXPECT_EQ(SwallowedCorners(still, c.pivot, yaw, c.min, c.max), 0) << "at " << yaw;
    }
    const Bounds moving = BuildModel(c.moving).PositionBounds();
    EXPECT_NEAR(moving.max.x, c.max.x, 1e-3f);
    EXPECT_NEAR(moving.max.y, c.max.y, 1e-3f);
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
};

INSTANTIATE_TEST_SUITE_P(Furniture, SwingTest, testing::ValuesIn(kSwings),
                         [](const auto& info) { return ShortName(info.param.moving); });

bool HasVertexAtX(const Mesh& mesh, float x) {
    return std::any_of(mesh.Vertices().begin(), mesh.Vertices().end(),
                       [&](const Vertex& v) { return std::fabs(v.position.x - x) < 1e-3f; });
}

// A shut door fills its opening: the frame's jambs come up to both edges of the leaf.
TEST(DoorFrameTest, JambsMeetBothEdgesOfTheShutLeaf) {
    for (const auto& [frame, door] :
         {std::pair{"bathdoorwaku.x", kBathDoor}, std::pair{"exit_door_waku.x", kExitDoor}}) {
        const Mesh mesh = BuildModel(frame);
        for (float edge : {door.hinge.x, door.hinge.x + door.width}) {
            EXPECT_TRUE(HasVertexAtX(mesh, edge)) << frame << " has no jamb at x " << edge;
        }
    }
}

TEST(SafeTest, ShutDoorCoversTheWholeFront) {
    const Bounds body = BuildModel("kinko.x").PositionBounds();
    const Bounds door = BuildModel("kinko_door.x").PositionBounds();
    EXPECT_NEAR(kSafeDoorHinge.x, body.min.x, 1e-4f);
    EXPECT_NEAR(kSafeDoorHinge.z, body.min.z, 1e-4f);
    EXPECT_NEAR(kSafeDoorHinge.y + door.max.y, body.max.y, 1e-4f);
}

// The exit's handle, put where the leaf's layout says, sits on the leaf's faces away from its
// edges.
TEST(ExitDoorTest, HandleSitsOnTheLeaf) {
    const Bounds handle = BuildModel("exit_door_nobu.x").PositionBounds();
    EXPECT_GT(kExitDoorHandle.x + handle.min.x, 0.05f);
    EXPECT_LT(kExitDoorHandle.x + handle.max.x, kExitDoor.width - 0.02f);
    EXPECT_NEAR(kExitDoorHandle.z, 0.5f * kExitDoor.thickness, 1e-6f);
    EXPECT_LE(kExitDoor.thickness, kHardwareClearsLeaf);
}

// The two sliding leaves side by side fill the entrance's opening, each in its own track, and
// neither runs into the posts, the lintel or the other leaf.
TEST(EntranceTest, LeavesFillTheOpeningInTwoTracks) {
    const Mesh entrance = BuildModel("iriguti.x");
    const Mesh leaf = BuildModel("irigutidoor.x");
    const Bounds b = leaf.PositionBounds();
    for (const Vec3 at : kEntranceLeaves) {
        EXPECT_EQ(SwallowedCorners(entrance, at, 0, b.min, b.max), 0);
    }
    const Vec3 left = kEntranceLeaves[0], right = kEntranceLeaves[1];
    EXPECT_NEAR(left.x + b.max.x, right.x + b.min.x, 1e-4f) << "the leaves meet in the middle";
    EXPECT_GE(std::fabs(left.z - right.z), b.max.z - b.min.z) << "the tracks are apart";
    const float opening = right.x + b.max.x - (left.x + b.min.x);
    for (float edge : {-0.5f * opening, 0.5f * opening}) {
        EXPECT_TRUE(HasVertexAtX(entrance, edge)) << edge;
    }
}

// The hands turn just in front of the dial: nothing of the clock stands in front of them within
// their reach.
TEST(ClockTest, NothingCoversTheHands) {
    constexpr float kReach = 0.11f;
    const Mesh clock = BuildModel("clock.x");
    for (const Vertex& v : clock.Vertices()) {
        const float dx = v.position.x - kClockDial.x, dy = v.position.y - kClockDial.y;
        if (dx * dx + dy * dy < kReach * kReach) {
            EXPECT_GT(v.position.z, kClockDial.z);
        }
    }
}

TEST(DartboardTest, FaceIsWhereTheLayoutSays) {
    const Bounds b = BuildModel("dartsbord.x").PositionBounds();
    EXPECT_NEAR(b.min.z, kDartboardCentre.z, 1e-4f);
    EXPECT_NEAR(b.min.y, kDartboardCentre.y - kDartboardRadius, 1e-4f);
}

}  // namespace
