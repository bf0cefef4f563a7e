#include <cmath>
#include <ostream>
#include <string>
#include <typeinfo>
#include <variant>

#include <gtest/gtest.h>
#include <glm/gtc/matrix_transform.hpp>

#include "Shapes.h"
#include "collision/BaseColl.h"
#include "collision/CollisionTable.h"

using namespace testshapes;

namespace {

using AnyShape = std::variant<CollObj, OBB, Plane, Segmet>;

CollObj& Ref(AnyShape& shape) {
    return std::visit([](auto& s) -> CollObj& { return s; }, shape);
}

// A box turned by `degrees` about the y axis (axes as columns).
glm::mat3 TurnedAboutY(float degrees) {
    return glm::mat3(glm::rotate(glm::mat4(1.0f), glm::radians(degrees), glm::vec3(0, 1, 0)));
}

glm::mat3 TurnedAboutZ(float degrees) {
    return glm::mat3(glm::rotate(glm::mat4(1.0f), glm::radians(degrees), glm::vec3(0, 0, 1)));
}

const glm::vec3 kStale(9.0f, -9.0f, 9.0f);  // a push left over from an earlier test

struct ResolveCase {
    std::string name;
    AnyShape first;
    AnyShape second;
    bool contact;
    glm::vec3 firstPush;  // what moves the first shape out of the second
};

void PrintTo(const ResolveCase& c, std::ostream* os) {
    *os << c.name;
}

class ResolvingPairTest : public testing::TestWithParam<ResolveCase> {
  protected:
    CollisionTable table;
};

TEST_P(ResolvingPairTest, ContactAndOpposedPushes) {
    ResolveCase c = GetParam();
    CollObj& first = Ref(c.first);
    CollObj& second = Ref(c.second);
    Put(first.push, kStale);
    Put(second.push, kStale);

    EXPECT_EQ(table.Test(first, second) != 0, c.contact);

    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(first.push[i], c.firstPush[i], 1e-5f) << "component " << i;
        EXPECT_EQ(second.push[i], -first.push[i]) << "component " << i;
    }
}

const float kRoot2 = std::sqrt(2.0f);
// Exact, unlike a rotation by 90 degrees in floats.
const glm::mat3 kQuarterTurnAboutZ(0, 1, 0, -1, 0, 0, 0, 0, 1);

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ResolvingPairTest,
    testing::Values(
        // Sphere against sphere.
        ResolveCase{
            "SpheresExactlyTouching", Sphere({0, 0, 0}, 1), Sphere({2, 0, 0}, 1), false, {}},
        ResolveCase{"SpheresOverlapping",
                    Sphere({0, 0, 0}, 1),
                    Sphere({1.5f, 0, 0}, 1),
                    true,
                    {-0.5f, 0, 0}},
        ResolveCase{"SpheresConcentric", Sphere({1, 2, 3}, 1), Sphere({1, 2, 3}, 0.5f), true, {}},
        ResolveCase{"SpheresApart", Sphere({0, 0, 0}, 1), Sphere({0, 5, 0}, 1), false, {}},
        // Sphere against plane (floor at y = 0, solid below).
        ResolveCase{"SphereRestingOnPlane",
                    Sphere({0, 1, 0}, 1),
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    false,
                    {}},
        ResolveCase{"SphereSunkIntoPlane",
                    Sphere({3, 0.5f, 3}, 1),
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    true,
                    {0, 0.5f, 0}},
        ResolveCase{"SphereFarBehindPlane",
                    Sphere({0, -100, 0}, 1),
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    true,
                    {0, 101, 0}},
        ResolveCase{"PlaneAgainstSphere",
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    Sphere({0, 0.25f, 0}, 1),
                    true,
                    {0, -0.75f, 0}},
        // Sphere against box: decided on the box's axes, as if the sphere were a cube.
        ResolveCase{"SphereNearCornerOutsideTrueBox",
                    Sphere({1.5f, 1.5f, 1.5f}, 0.6f),
                    Box({0, 0, 0}, {1, 1, 1}),
                    true,
                    {0.1f, 0, 0}},
        ResolveCase{"SphereTouchingFaceCounts",
                    Sphere({1.5f, 0, 0}, 0.5f),
                    Box({0, 0, 0}, {1, 1, 1}),
                    true,
                    {}},
        ResolveCase{
            "SphereApartOnZOnly", Sphere({0, 0, 1.6f}, 0.5f), Box({0, 0, 0}, {1, 1, 1}), false, {}},
        ResolveCase{"SpherePushedOutOfNegativeFace",
                    Sphere({0.2f, -1.2f, 0}, 0.5f),
                    Box({0, 0, 0}, {1, 1, 1}),
                    true,
                    {0, -0.3f, 0}},
        ResolveCase{"SphereAtBoxCentreGoesToMinusX",
                    Sphere({0, 0, 0}, 0.5f),
                    Box({0, 0, 0}, {1, 1, 1}),
                    true,
                    {-1.5f, 0, 0}},
        ResolveCase{"SphereAgainstTurnedBox", Sphere({0.9f, 0, 0.9f}, 0.5f),
                    Box({0, 0, 0}, {2, 1, 1}, TurnedAboutY(45)), true,
                    glm::vec3(1, 0, 1) / kRoot2*(1.5f - 0.9f * kRoot2)},
        ResolveCase{"BoxAgainstSphere",
                    Box({0, 0, 0}, {1, 1, 1}),
                    Sphere({1.2f, 0, 0}, 0.5f),
                    true,
                    {-0.3f, 0, 0}},
        // Box against plane.
        ResolveCase{"BoxRestingOnPlane",
                    Box({0, 1, 0}, {1, 1, 1}),
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    false,
                    {}},
        ResolveCase{"BoxSunkIntoPlane",
                    Box({0, 0.75f, 0}, {1, 1, 1}),
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    true,
                    {0, 0.25f, 0}},
        ResolveCase{"TiltedBoxOnPlane",
                    Box({0, 1.2f, 0}, {1, 1, 1}, TurnedAboutZ(45)),
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    true,
                    {0, kRoot2 - 1.2f, 0}},
        ResolveCase{"PlaneAgainstBox",
                    MakePlane({0, 0, 0}, {1, 0, 0}),
                    Box({0.5f, 0, 0}, {1, 1, 1}),
                    true,
                    {-0.5f, 0, 0}},
        // Box against box: 1.01 times the least overlap.
        ResolveCase{"BoxesOverlappingAlongX",
                    Box({1.5f, 0, 0}, {1, 1, 1}),
                    Box({0, 0, 0}, {1, 1, 1}),
                    true,
                    {0.505f, 0, 0}},
        ResolveCase{"BoxesOverlappingAlongMinusY",
                    Box({0, -1.8f, 0}, {1, 1, 1}),
                    Box({0, 0, 0}, {1, 1, 1}),
                    true,
                    {0, -0.202f, 0}},
        ResolveCase{
            "BoxesApart", Box({2.5f, 0, 0}, {1, 1, 1}), Box({0, 0, 0}, {1, 1, 1}), false, {}},
        ResolveCase{"BoxesDeeperThanFiftyTouchWithoutPush",
                    Box({0, 0, 0}, {30, 30, 30}),
                    Box({0, 0, 0}, {30, 30, 30}),
                    true,
                    {}},
        // The first axis of the push walk, A.X x B.X, is taken even beyond 50.
        ResolveCase{"FirstEdgeAxisTakenBeyondFifty",
                    Box({0, 0, 0}, {30, 30, 30}),
                    Box({0, 0, 0}, {30, 30, 30}, kQuarterTurnAboutZ),
                    true,
                    {0, 0, -60.0f * 1.01f}},
        // Pairs that never touch.
        ResolveCase{"PlanePlane",
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    MakePlane({0, 0, 0}, {0, -1, 0}),
                    false,
                    {}},
        ResolveCase{"SegmentSegment",
                    Capsule({0, 0, 0}, {1, 0, 0}, 1),
                    Capsule({0, 0, 0}, {0, 1, 0}, 1),
                    false,
                    {}},
        ResolveCase{"PlaneSegment",
                    MakePlane({0, 0, 0}, {0, 1, 0}),
                    Capsule({0, 0, 0}, {1, 0, 0}, 1),
                    false,
                    {}},
        ResolveCase{"EmptyShapeAgainstSphere", CollObj{}, Sphere({0, 0, 0}, 1), false, {}},
        ResolveCase{"SphereAgainstEmptyShape", Sphere({0, 0, 0}, 1), CollObj{}, false, {}}),
    [](const auto& info) { return info.param.name; });

// The capsule tests report contact only and leave both pushes as they were.
struct ContactCase {
    std::string name;
    AnyShape first;
    AnyShape second;
    bool contact;
};

void PrintTo(const ContactCase& c, std::ostream* os) {
    *os << c.name;
}

class ContactOnlyPairTest : public testing::TestWithParam<ContactCase> {
  protected:
    CollisionTable table;
};

TEST_P(ContactOnlyPairTest, ContactWithPushesUntouched) {
    ContactCase c = GetParam();
    CollObj& first = Ref(c.first);
    CollObj& second = Ref(c.second);
    Put(first.push, kStale);
    Put(second.push, -kStale);

    EXPECT_EQ(table.Test(first, second) != 0, c.contact);

    EXPECT_EQ(Get(first.push), kStale);
    EXPECT_EQ(Get(second.push), -kStale);
}

const Segmet kRail = Capsule({0, 0, 0}, {10, 0, 0}, 0.5f);
// The line x + y = 2.5 passes 0.354 from the corner (1, 1) of a unit box: only the edge axes see
// the gap.
const Segmet kPastCorner = Capsule({-0.5f, 3, 0}, {3, -0.5f, 0}, 0);
// The same in the other two planes, for the other two edge axes.
const Segmet kPastCornerXZ = Capsule({-0.5f, 0, 3}, {3, 0, -0.5f}, 0);
const Segmet kPastCornerYZ = Capsule({0, -0.5f, 3}, {0, 3, -0.5f}, 0);

Segmet Thickened(Segmet s, float radius) {
    s.radius = radius;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ContactOnlyPairTest,
    testing::Values(
        ContactCase{"ZeroLengthSegmentNeverTouches", Capsule({1, 1, 1}, {1, 1, 1}, 1),
                    Sphere({1, 1, 1}, 1), false},
        ContactCase{"SphereExactlyTouchingRail", kRail, Sphere({5, 1, 0}, 0.5f), false},
        ContactCase{"SphereOverlappingRail", kRail, Sphere({5, 0.9f, 0}, 0.5f), true},
        ContactCase{"SphereBeyondEndApart", kRail, Sphere({11, 0, 0}, 0.4f), false},
        ContactCase{"SphereBeyondEndTouching", kRail, Sphere({10.8f, 0, 0}, 0.4f), true},
        ContactCase{"SphereBeforeStartTouching", kRail, Sphere({-0.8f, 0, 0}, 0.4f), true},
        ContactCase{"SphereAgainstRail", Sphere({5, -0.9f, 0}, 0.5f), kRail, true},
        ContactCase{"SegmentThroughBox", Capsule({-5, 0, 0}, {5, 0, 0}, 0),
                    Box({0, 0, 0}, {1, 1, 1}), true},
        ContactCase{"RailAlongGrownFace", Capsule({-5, 1.4f, 0}, {5, 1.4f, 0}, 0.5f),
                    Box({0, 0, 0}, {1, 1, 1}), true},
        ContactCase{"RailBeyondGrownFace", Capsule({-5, 1.6f, 0}, {5, 1.6f, 0}, 0.5f),
                    Box({0, 0, 0}, {1, 1, 1}), false},
        ContactCase{"SegmentShortOfBox", Capsule({1.5f, 0, 0}, {5, 0, 0}, 0.4f),
                    Box({0, 0, 0}, {1, 1, 1}), false},
        ContactCase{"ThinSegmentPastCorner", kPastCorner, Box({0, 0, 0}, {1, 1, 1}), false},
        ContactCase{"ThinSegmentPastCornerXZ", kPastCornerXZ, Box({0, 0, 0}, {1, 1, 1}), false},
        ContactCase{"ThinSegmentPastCornerYZ", kPastCornerYZ, Box({0, 0, 0}, {1, 1, 1}), false},
        ContactCase{"ThickSegmentPastCorner", Thickened(kPastCorner, 0.4f),
                    Box({0, 0, 0}, {1, 1, 1}), true},
        ContactCase{"BoxAgainstSegment", Box({0, 0, 0}, {1, 1, 1}), Thickened(kPastCorner, 0.4f),
                    true}),
    [](const auto& info) { return info.param.name; });

// The table picks the test by the first shape's type, then the second's.
struct TableEntry {
    int first;
    int second;
    const std::type_info* test;
};

void PrintTo(const TableEntry& e, std::ostream* os) {
    *os << e.first << " with " << e.second;
}

class CollisionTableTest : public testing::TestWithParam<TableEntry> {
  protected:
    CollisionTable table;
};

TEST_P(CollisionTableTest, PicksTheTestOfThePair) {
    const TableEntry e = GetParam();
    BaseColl& picked = table.Pick(e.first, e.second);
    EXPECT_EQ(typeid(picked), *e.test);
}

std::vector<TableEntry> AllEntries() {
    const std::type_info* none = &typeid(BaseColl);
    const std::type_info* expected[5][5] = {
        {none, none, none, none, none},
        {none, &typeid(SvsS), &typeid(SvsOBB), &typeid(SvsP), &typeid(SvsSeg)},
        {none, &typeid(OBBvsS), &typeid(OBBvsOBB), &typeid(OBBvsP), &typeid(OBBvsSeg)},
        {none, &typeid(PvsS), &typeid(PvsOBB), none, none},
        {none, &typeid(SegvsS), &typeid(SegvsOBB), none, none},
    };
    std::vector<TableEntry> entries;
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) entries.push_back({i, j, expected[i][j]});
    }
    // Type numbers outside the table fall back to the default rather than reading past it.
    for (int bad : {-1, 5, 1000}) {
        entries.push_back({bad, COLL_SPHERE, none});
        entries.push_back({COLL_SPHERE, bad, none});
    }
    return entries;
}

INSTANTIATE_TEST_SUITE_P(
    AllPairs, CollisionTableTest, testing::ValuesIn(AllEntries()), [](const auto& info) {
        auto name = [](int t) { return t < 0 ? "Minus" + std::to_string(-t) : std::to_string(t); };
        return "Type" + name(info.param.first) + "With" + name(info.param.second);
    });

// A shape whose class lacks the data its type number promises must not be read through null.
TEST(CollisionTableTest, MistypedShapeReadsMissingDataAsZero) {
    CollisionTable table;
    Plane notASphere = MakePlane({0, 5, 0}, {0, 1, 0});
    notASphere.type = COLL_SPHERE;
    OBB sphere = Sphere({0, 5, 0}, 1);
    EXPECT_NE(table.Test(notASphere, sphere), 0u);
}

}  // namespace
