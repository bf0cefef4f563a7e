#include <optional>
#include <string>
#include <typeinfo>
#include <variant>

#include <gtest/gtest.h>

#include "collision/BaseColl.h"
#include "collision/CollisionTable.h"
#include "support/Shapes.h"

using namespace testshapes;

namespace {

using AnyShape = std::variant<CollObj, OBB, Plane, Segmet>;

CollObj& Ref(AnyShape& shape) {
    return std::visit([](auto& s) -> CollObj& { return s; }, shape);
}

const glm::vec3 kStale(9.0f, -9.0f, 9.0f);             // a push left over from an earlier test
const Plane kFloor = MakePlane({0, 0, 0}, {0, 1, 0});  // solid below y = 0
const OBB kUnitBox = Box({0, 0, 0}, {1, 1, 1});
const OBB kBigBox = Box({0, 0, 0}, {30, 30, 30});
// Exact, unlike a rotation by 90 degrees in floats.
const glm::mat3 kQuarterTurnAboutZ(0, 1, 0, -1, 0, 0, 0, 0, 1);
const Segmet kRail = Capsule({0, 0, 0}, {10, 0, 0}, 0.5f);
// The line x + y = 2.5 passes 0.354 from the corner (1, 1) of the unit box: only the edge axes see
// the gap. The same in the other two planes, for the other two edge axes.
const Segmet kPastCorner = Capsule({-0.5f, 3, 0}, {3, -0.5f, 0}, 0);
const Segmet kPastCornerXZ = Capsule({-0.5f, 0, 3}, {3, 0, -0.5f}, 0);
const Segmet kPastCornerYZ = Capsule({0, -0.5f, 3}, {0, 3, -0.5f}, 0);
const Segmet kThickPastCorner = Capsule({-0.5f, 3, 0}, {3, -0.5f, 0}, 0.4f);

const glm::vec3 kNoPush(0.0f);

struct PairCase {
    std::string name;
    AnyShape first;
    AnyShape second;
    bool contact;
    // What moves the first shape out of the second; none: both pushes are left as they were,
    // as the capsule pairs do, which report contact only.
    std::optional<glm::vec3> firstPush = std::nullopt;

    friend void PrintTo(const PairCase& c, std::ostream* out) { *out << c.name; }
};

class PairTest : public testing::TestWithParam<PairCase> {
  protected:
    CollisionTable table;
};

TEST_P(PairTest, ContactAndOpposedPushes) {
    PairCase c = GetParam();
    CollObj& first = Ref(c.first);
    CollObj& second = Ref(c.second);
    Put(first.push, kStale);
    Put(second.push, -kStale);
    EXPECT_EQ(table.Test(first, second) != 0, c.contact);
    if (!c.firstPush) {
        EXPECT_EQ(Get(first.push), kStale);
        EXPECT_EQ(Get(second.push), -kStale);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(first.push[i], (*c.firstPush)[i], 1e-5f) << "component " << i;
        EXPECT_EQ(second.push[i], -first.push[i]) << "component " << i;
    }
}

// Boundaries and tie-breaks; pairs in the other order and pushes off turned shapes are left to the
// random shapes of the property tests.
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, PairTest,
    testing::Values(
        PairCase{"SpheresExactlyTouching", Sphere({0, 0, 0}, 1), Sphere({2, 0, 0}, 1), false,
                 kNoPush},
        PairCase{"SpheresOverlapping", Sphere({}, 1), Sphere({1.5f, 0, 0}, 1), true,
                 glm::vec3(-0.5f, 0, 0)},
        PairCase{"SpheresConcentric", Sphere({1, 2, 3}, 1), Sphere({1, 2, 3}, 0.5f), true, kNoPush},
        PairCase{"SphereRestingOnPlane", Sphere({0, 1, 0}, 1), kFloor, false, kNoPush},
        // Sphere against box.
        PairCase{"SphereNearCornerIsApart", Sphere({1.5f, 1.5f, 1.5f}, 0.6f), kUnitBox, false,
                 kNoPush},
        PairCase{"SphereTouchingFaceCounts", Sphere({1.5f, 0, 0}, 0.5f), kUnitBox, true, kNoPush},
        PairCase{"SphereApartOnZOnly", Sphere({0, 0, 1.6f}, 0.5f), kUnitBox, false, kNoPush},
        PairCase{"SphereAtBoxCentreGoesToMinusX", Sphere({}, 0.5f), kUnitBox, true,
                 glm::vec3(-1.5f, 0, 0)},
        PairCase{"BoxRestingOnPlane", Box({0, 1, 0}, {1, 1, 1}), kFloor, false, kNoPush},
        // Box against box: 1.01 times the least overlap.
        PairCase{"BoxesOverlappingAlongX", Box({1.5f, 0, 0}, {1, 1, 1}), kUnitBox, true,
                 glm::vec3(0.505f, 0, 0)},
        PairCase{"BoxesOverlappingAlongMinusY", Box({0, -1.8f, 0}, {1, 1, 1}), kUnitBox, true,
                 glm::vec3(0, -0.202f, 0)},
        PairCase{"BoxesApart", Box({2.5f, 0, 0}, {1, 1, 1}), kUnitBox, false, kNoPush},
        PairCase{"BoxesDeeperThanFiftyTouchWithoutPush", kBigBox, kBigBox, true, kNoPush},
        // The first axis of the push walk, A.X x B.X, is taken even beyond 50.
        PairCase{"FirstEdgeAxisTakenBeyondFifty", kBigBox,
                 Box({}, {30, 30, 30}, kQuarterTurnAboutZ), true, glm::vec3(0, 0, -60.0f * 1.01f)},
        // Pairs that never touch.
        PairCase{"PlanePlane", kFloor, MakePlane({}, {0, -1, 0}), false, kNoPush},
        PairCase{"SegmentSegment", kRail, Capsule({}, {0, 1, 0}, 1), false, kNoPush},
        PairCase{"PlaneSegment", kFloor, kRail, false, kNoPush},
        PairCase{"SegmentPlane", kRail, kFloor, false, kNoPush},
        PairCase{"EmptyShapeAgainstSphere", CollObj{}, Sphere({}, 1), false, kNoPush},
        PairCase{"SphereAgainstEmptyShape", Sphere({}, 1), CollObj{}, false, kNoPush},
        // Capsules.
        PairCase{"ZeroLengthSegmentNeverTouches", Capsule({1, 1, 1}, {1, 1, 1}, 1),
                 Sphere({1, 1, 1}, 1), false},
        PairCase{"SphereExactlyTouchingRail", kRail, Sphere({5, 1, 0}, 0.5f), false},
        PairCase{"SphereOverlappingRail", kRail, Sphere({5, 0.9f, 0}, 0.5f), true},
        PairCase{"SphereBeyondEndApart", kRail, Sphere({11, 0, 0}, 0.4f), false},
        PairCase{"SphereBeyondEndTouching", kRail, Sphere({10.8f, 0, 0}, 0.4f), true},
        PairCase{"SphereBeforeStartTouching", kRail, Sphere({-0.8f, 0, 0}, 0.4f), true},
        PairCase{"SegmentThroughBox", Capsule({-5, 0, 0}, {5, 0, 0}, 0), kUnitBox, true},
        PairCase{"RailAlongGrownFace", Capsule({-5, 1.4f, 0}, {5, 1.4f, 0}, 0.5f), kUnitBox, true},
        PairCase{"RailBeyondGrownFace", Capsule({-5, 1.6f, 0}, {5, 1.6f, 0}, 0.5f), kUnitBox,
                 false},
        PairCase{"SegmentShortOfBox", Capsule({1.5f, 0, 0}, {5, 0, 0}, 0.4f), kUnitBox, false},
        PairCase{"ThinSegmentPastCorner", kPastCorner, kUnitBox, false},
        PairCase{"ThinSegmentPastCornerXZ", kPastCornerXZ, kUnitBox, false},
        PairCase{"ThinSegmentPastCornerYZ", kPastCornerYZ, kUnitBox, false},
        PairCase{"ThickSegmentPastCorner", kThickPastCorner, kUnitBox, true}),
    [](const auto& info) { return info.param.name; });

// Type numbers outside the table fall back to the default test rather than reading past it.
TEST(CollisionTableTest, OutOfRangeTypesPickTheDefault) {
    CollisionTable table;
    for (int bad : {-1, 5, 1000}) {
        EXPECT_EQ(typeid(table.Pick(bad, COLL_SPHERE)), typeid(BaseColl)) << bad;
        EXPECT_EQ(typeid(table.Pick(COLL_SPHERE, bad)), typeid(BaseColl)) << bad;
    }
}

// A shape whose class lacks the data its type number promises must not be read through null.
TEST(CollisionTableTest, MistypedShapeReadsMissingDataAsZero) {
    CollisionTable table;
    Plane notASphere = MakePlane({0, 5, 0}, {0, 1, 0});
    notASphere.type = COLL_SPHERE;
    OBB sphere = Sphere({0, 5, 0}, 1);
    EXPECT_NE(table.Test(notASphere, sphere), 0u);
}

}  // namespace
