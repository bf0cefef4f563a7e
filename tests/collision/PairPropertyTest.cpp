#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include <gtest/gtest.h>
#include <glm/geometric.hpp>
#include <glm/gtc/quaternion.hpp>

#include "collision/BaseColl.h"
#include "collision/CollisionTable.h"
#include "support/Shapes.h"

// Random shapes (fixed seed) checked against exact geometry worked out in double precision. Cases
// within kBorder of a contact boundary are skipped: single precision may fall either way there.

using namespace testshapes;

namespace {

constexpr int kTrials = 4000;
constexpr double kBorder = 1e-4;
constexpr double kPushTolerance = 1e-4;

using dvec3 = glm::dvec3;

dvec3 D(const Vec3f v) {
    return {v[0], v[1], v[2]};
}

class RandomShapes {
  public:
    float Uniform(float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(rng_);
    }
    glm::vec3 Point() { return {Uniform(-3, 3), Uniform(-3, 3), Uniform(-3, 3)}; }
    glm::vec3 Direction() {
        glm::vec3 v;
        do v = Point();
        while (glm::dot(v, v) < 0.01f);
        return glm::normalize(v);
    }
    OBB RandomSphere() { return Sphere(Point(), Uniform(0.1f, 2)); }
    OBB RandomBox() {
        const glm::quat turn = glm::normalize(
            glm::quat(Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1)));
        return Box(Point(), {Uniform(0.1f, 2), Uniform(0.1f, 2), Uniform(0.1f, 2)},
                   glm::mat3_cast(turn));
    }
    Plane RandomPlane() { return MakePlane(Point(), Direction()); }

  private:
    std::mt19937 rng_{20261206};
};

std::array<dvec3, 3> Axes(const OBB& box) {
    return {D(box.axisX), D(box.axisY), D(box.axisZ)};
}

// Height of the box's lowest corner over the plane.
double LowestCorner(const OBB& box, const Plane& plane) {
    const dvec3 normal = D(plane.normal);
    double lowest = glm::dot(D(box.centre) - D(plane.point), normal);
    for (int a = 0; a < 3; ++a)
        lowest -= box.halfExtent[a] * std::fabs(glm::dot(Axes(box)[a], normal));
    return lowest;
}

// The sphere centre in the box's frame.
dvec3 Local(const OBB& box, const dvec3& point) {
    const auto axes = Axes(box);
    const dvec3 d = point - D(box.centre);
    return {glm::dot(d, axes[0]), glm::dot(d, axes[1]), glm::dot(d, axes[2])};
}

// How far the sphere centre may still move into the box-aligned cube of the rule on each axis.
dvec3 CubeOverlaps(const OBB& sphere, const OBB& box) {
    const dvec3 local = Local(box, D(sphere.centre));
    dvec3 overlaps;
    for (int a = 0; a < 3; ++a)
        overlaps[a] = box.halfExtent[a] + sphere.radius - std::fabs(local[a]);
    return overlaps;
}

double TrueDistance(const OBB& sphere, const OBB& box) {
    const dvec3 local = Local(box, D(sphere.centre));
    dvec3 outside;
    for (int a = 0; a < 3; ++a) outside[a] = std::max(0.0, std::fabs(local[a]) - box.halfExtent[a]);
    return glm::length(outside);
}

class PairPropertyTest : public testing::Test {
  protected:
    RandomShapes random;
    CollisionTable table;
};

TEST_F(PairPropertyTest, SphereSphereMatchesDistance) {
    for (int n = 0; n < kTrials; ++n) {
        OBB a = random.RandomSphere();
        OBB b = random.RandomSphere();
        const double reach = double(a.radius) + b.radius;
        const double distance = glm::length(D(a.centre) - D(b.centre));
        // Concentric spheres touch without a push: no direction to push along.
        if (std::fabs(distance - reach) < kBorder || distance < 1e-3) continue;

        ASSERT_EQ(table.Test(a, b) != 0, distance < reach) << "trial " << n;
        if (distance < reach) {
            const double after = glm::length(D(a.centre) + D(a.push) - D(b.centre));
            EXPECT_NEAR(after, reach, kPushTolerance) << "trial " << n;
        }
    }
}

TEST_F(PairPropertyTest, SpherePlaneMatchesSignedDistance) {
    for (int n = 0; n < kTrials; ++n) {
        OBB sphere = random.RandomSphere();
        Plane plane = random.RandomPlane();
        const double s = LowestCorner(Sphere(Get(sphere.centre), 0), plane);
        if (std::fabs(s - sphere.radius) < kBorder) continue;

        ASSERT_EQ(table.Test(sphere, plane) != 0, s < sphere.radius) << "trial " << n;
        if (s < sphere.radius) {
            // Pushed back to touch the plane from its front.
            const OBB moved = Sphere(Get(sphere.centre) + Get(sphere.push), 0);
            EXPECT_NEAR(LowestCorner(moved, plane), sphere.radius, kPushTolerance) << "trial " << n;
        }
    }
}

TEST_F(PairPropertyTest, BoxPlaneMatchesLowestCorner) {
    for (int n = 0; n < kTrials; ++n) {
        OBB box = random.RandomBox();
        Plane plane = random.RandomPlane();
        const double lowest = LowestCorner(box, plane);
        if (std::fabs(lowest) < kBorder) continue;

        ASSERT_EQ(table.Test(box, plane) != 0, lowest < 0) << "trial " << n;
        if (lowest < 0) {
            OBB moved = box;
            Put(moved.centre, Get(box.centre) + Get(box.push));
            EXPECT_NEAR(LowestCorner(moved, plane), 0.0, kPushTolerance) << "trial " << n;
        }
    }
}

// A sphere touches a box within its radius. Beside a face it is pushed out along the face's axis
// of least overlap; by an edge or a corner, straight away from it until it only touches.
TEST_F(PairPropertyTest, SphereBoxTouchesWithinItsRadius) {
    int edgeContacts = 0;
    for (int n = 0; n < kTrials; ++n) {
        OBB sphere = random.RandomSphere();
        OBB box = random.RandomBox();
        const double gap = TrueDistance(sphere, box);
        const dvec3 overlaps = CubeOverlaps(sphere, box);
        const double least = std::min({overlaps.x, overlaps.y, overlaps.z});
        if (std::fabs(gap - sphere.radius) < kBorder || std::fabs(least) < kBorder) continue;

        const bool touching = gap < sphere.radius;
        ASSERT_EQ(table.Test(sphere, box) != 0, touching) << "trial " << n;
        if (!touching) continue;
        const dvec3 local = Local(box, D(sphere.centre));
        int outsideAxes = 0;
        for (int a = 0; a < 3; ++a) outsideAxes += std::fabs(local[a]) > box.halfExtent[a];
        const OBB moved = Sphere(Get(sphere.centre) + Get(sphere.push), sphere.radius);
        if (outsideAxes >= 2) {
            ++edgeContacts;
            EXPECT_NEAR(TrueDistance(moved, box), sphere.radius, kPushTolerance) << "trial " << n;
        } else {
            EXPECT_NEAR(glm::length(D(sphere.push)), least, kPushTolerance) << "trial " << n;
            const dvec3 after = CubeOverlaps(moved, box);
            EXPECT_NEAR(std::min({after.x, after.y, after.z}), 0.0, kPushTolerance)
                << "trial " << n;
        }
    }
    EXPECT_GT(edgeContacts, 0) << "the trials never reached an edge or a corner";
}

// A box pushed out of another by the least overlap ends apart from it (the push is 1.01 times
// the overlap).
TEST_F(PairPropertyTest, BoxBoxPushSeparates) {
    int pushed = 0;
    for (int n = 0; n < kTrials; ++n) {
        OBB a = random.RandomBox();
        OBB b = random.RandomBox();
        if (!table.Test(a, b) || glm::length(Get(a.push)) < 0.05f) continue;
        ++pushed;
        Put(a.centre, Get(a.centre) + Get(a.push));
        EXPECT_EQ(table.Test(a, b), 0u) << "trial " << n;
    }
    EXPECT_GT(pushed, kTrials / 10);
}

// Mirrored tests give the forward test's result, and each shape the same push as there.
template <class Forward, class Mirror, class First, class Second>
void ExpectMirrorAgrees(First first, Second second, int trial) {
    Forward forward;
    Mirror mirror;
    First f1 = first, f2 = first;
    Second s1 = second, s2 = second;
    const uint32_t forwardResult = forward.Test(f1, s1);
    ASSERT_EQ(mirror.Test(s2, f2), forwardResult) << "trial " << trial;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f2.push[i], f1.push[i]) << "trial " << trial;
        EXPECT_EQ(s2.push[i], s1.push[i]) << "trial " << trial;
        EXPECT_EQ(s1.push[i], -f1.push[i]) << "trial " << trial;
    }
}

TEST_F(PairPropertyTest, MirroredTestsAgreeWithForwardTests) {
    for (int n = 0; n < kTrials; ++n) {
        ExpectMirrorAgrees<SvsOBB, OBBvsS>(random.RandomSphere(), random.RandomBox(), n);
        ExpectMirrorAgrees<SvsP, PvsS>(random.RandomSphere(), random.RandomPlane(), n);
        ExpectMirrorAgrees<OBBvsP, PvsOBB>(random.RandomBox(), random.RandomPlane(), n);
        const glm::vec3 start = random.Point();
        const Segmet capsule = Capsule(start, start + random.Point(), random.Uniform(0, 1));
        ExpectMirrorAgrees<SegvsS, SvsSeg>(capsule, random.RandomSphere(), n);
        ExpectMirrorAgrees<SegvsOBB, OBBvsSeg>(capsule, random.RandomBox(), n);
    }
}

}  // namespace
