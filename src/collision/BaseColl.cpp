#include "collision/BaseColl.h"

#include <array>
#include <cmath>

#include <glm/common.hpp>
#include <glm/geometric.hpp>
#include <glm/vec3.hpp>

// All arithmetic is single precision, in the order written: the game's feel (how far a wall pushes
// and which face a box pushes along) depends on it.

namespace {

// A datum a shape does not have (a mismatch of class and type number) reads as zero rather than
// through a null pointer.
glm::vec3 Load(const float* v) {
    return v ? glm::vec3(v[0], v[1], v[2]) : glm::vec3(0.0f);
}
float LoadRadius(const CollObj& shape) {
    const float* r = shape.Radius();
    return r ? *r : 0.0f;
}

void Store(CollObj& shape, const glm::vec3& v) {
    shape.push[0] = v.x;
    shape.push[1] = v.y;
    shape.push[2] = v.z;
}

// The first shape is moved out by `push`; the second by exactly the opposite.
void SetPushes(CollObj& first, CollObj& second, const glm::vec3& push) {
    Store(first, push);
    Store(second, -push);
}

uint32_t NoContact(CollObj& first, CollObj& second) {
    SetPushes(first, second, glm::vec3(0.0f));
    return 0;
}

struct Box {
    glm::vec3 centre;
    glm::vec3 halfExtent;
    std::array<glm::vec3, 3> axes;  // X, Y, Z
};

Box LoadBox(const CollObj& shape) {
    return {Load(shape.Pos()),
            Load(shape.Size()),
            {Load(shape.AxisX()), Load(shape.AxisY()), Load(shape.AxisZ())}};
}

// Half the length of the box's shadow on `axis`.
float ProjectedRadius(const Box& box, const glm::vec3& axis) {
    float r = 0.0f;
    for (int i = 0; i < 3; ++i) r += std::fabs(box.halfExtent[i] * glm::dot(box.axes[i], axis));
    return r;
}

}  // namespace

uint32_t BaseColl::Test(CollObj& first, CollObj& second) {
    return NoContact(first, second);
}

uint32_t SvsS::Test(CollObj& first, CollObj& second) {
    const glm::vec3 d = Load(first.Pos()) - Load(second.Pos());
    const float r = LoadRadius(first) + LoadRadius(second);
    const float q = glm::dot(d, d);
    if (!(r * r > q)) return NoContact(first, second);
    const float distance = std::sqrt(q);
    const float depth = r - distance;
    const glm::vec3 push = distance > 0.0f ? d / distance * depth : glm::vec3(0.0f);
    SetPushes(first, second, push);
    return 1;
}

uint32_t SvsP::Test(CollObj& sphere, CollObj& plane) {
    const glm::vec3 normal = Load(plane.Size());
    const float s = glm::dot(Load(sphere.Pos()) - Load(plane.Pos()), normal);
    const float depth = LoadRadius(sphere) - s;
    if (!(depth > 0.0f)) return NoContact(sphere, plane);
    SetPushes(sphere, plane, depth * normal);
    return 1;
}

uint32_t SvsOBB::Test(CollObj& sphere, CollObj& box) {
    SetPushes(sphere, box, glm::vec3(0.0f));
    const Box b = LoadBox(box);
    const float radius = LoadRadius(sphere);
    const glm::vec3 d = Load(sphere.Pos()) - b.centre;

    // The axis of least overlap; on a tie the earlier axis (X before Y before Z) wins. Outside the
    // box on two or three axes, the centre faces an edge or a corner of it instead.
    float leastOverlap = 0.0f;
    float leastDistance = 0.0f;
    int leastAxis = -1;
    int outsideAxes = 0;
    glm::vec3 fromBox(0.0f);  // the centre's offset from the nearest point of the box
    for (int i = 0; i < 3; ++i) {
        const float distance = glm::dot(d, b.axes[i]);
        const float overlap = b.halfExtent[i] + radius - std::fabs(distance);
        if (overlap < 0.0f) return 0;
        if (leastAxis < 0 || overlap < leastOverlap) {
            leastOverlap = overlap;
            leastDistance = distance;
            leastAxis = i;
        }
        const float beyond = std::fabs(distance) - b.halfExtent[i];
        if (beyond > 0.0f) {
            ++outsideAxes;
            fromBox += b.axes[i] * (distance > 0.0f ? beyond : -beyond);
        }
    }
    // By an edge or a corner the sphere is round: it touches only within its radius, and is
    // pushed straight away from that edge or corner, so it rides over a ledge lower than itself
    // instead of meeting it as a wall.
    if (outsideAxes >= 2) {
        const float gap = glm::length(fromBox);
        if (gap >= radius) return 0;
        SetPushes(sphere, box, fromBox * ((radius - gap) / gap));
        return 1;
    }
    const glm::vec3 push =
        b.axes[leastAxis] * (leastDistance > 0.0f ? leastOverlap : -leastOverlap);
    SetPushes(sphere, box, push);
    return 1;
}

uint32_t OBBvsP::Test(CollObj& box, CollObj& plane) {
    const Box b = LoadBox(box);
    const glm::vec3 normal = Load(plane.Size());
    const float r = ProjectedRadius(b, normal);
    const float s = glm::dot(b.centre - Load(plane.Pos()), normal);
    if (!(s - r < 0.0f)) return NoContact(box, plane);
    SetPushes(box, plane, (r - s) * normal);
    return 1;
}

namespace {

// Axis candidates in the order the separation is tested: A's faces, B's faces, then the edge
// cross products A.i x B.j by i then j.
constexpr int kFaceAxes = 6;
constexpr int kAxisCount = 15;
// The push walk visits the edge axes first, then the faces.
constexpr std::array<int, kAxisCount> kPushWalk = {6,  7, 8, 9, 10, 11, 12, 13,
                                                   14, 0, 1, 2, 3,  4,  5};
// An overlap this large or larger never becomes the push (after the first axis of the walk).
constexpr float kLargestPushOverlap = 50.0f;
constexpr float kBoxSeparationFactor = 1.01f;

// Unit length; parallel edges give a zero cross product, which stays zero.
glm::vec3 NormalisedOrZero(const glm::vec3& v) {
    const float lengthSquared = glm::dot(v, v);
    return lengthSquared > 0.0f ? v / std::sqrt(lengthSquared) : v;
}

std::array<glm::vec3, kAxisCount> SeparatingAxes(const Box& a, const Box& b) {
    std::array<glm::vec3, kAxisCount> axes;
    for (int i = 0; i < 3; ++i) {
        axes[i] = a.axes[i];
        axes[3 + i] = b.axes[i];
        for (int j = 0; j < 3; ++j) {
            axes[kFaceAxes + 3 * i + j] = NormalisedOrZero(glm::cross(a.axes[i], b.axes[j]));
        }
    }
    return axes;
}

}  // namespace

uint32_t OBBvsOBB::Test(CollObj& first, CollObj& second) {
    SetPushes(first, second, glm::vec3(0.0f));
    const Box a = LoadBox(first);
    const Box b = LoadBox(second);
    const glm::vec3 d = a.centre - b.centre;
    const std::array<glm::vec3, kAxisCount> axes = SeparatingAxes(a, b);

    std::array<float, kAxisCount> overlaps;
    std::array<float, kAxisCount> distances;  // d along each axis, signed
    for (int i = 0; i < kAxisCount; ++i) {
        distances[i] = glm::dot(d, axes[i]);
        overlaps[i] =
            ProjectedRadius(a, axes[i]) + ProjectedRadius(b, axes[i]) - std::fabs(distances[i]);
        if (overlaps[i] < 0.0f) return 0;
    }

    float best = kLargestPushOverlap;
    glm::vec3 push(0.0f);
    for (int i : kPushWalk) {
        const bool firstOfWalk = i == kPushWalk.front();
        if (!(overlaps[i] > 0.0f) || (!firstOfWalk && !(overlaps[i] < best))) continue;
        best = overlaps[i];
        push = axes[i] * (distances[i] > 0.0f ? best : -best);
    }
    SetPushes(first, second, push * kBoxSeparationFactor);
    return 1;
}

uint32_t SegvsS::Test(CollObj& segment, CollObj& sphere) {
    const glm::vec3 start = Load(segment.Pos());
    const glm::vec3 end = Load(segment.Size());
    const glm::vec3 centre = Load(sphere.Pos());
    const glm::vec3 along = end - start;
    const float lengthSquared = glm::dot(along, along);
    if (lengthSquared == 0.0f) return 0;
    // Measured back from `end`: 0 is the end, 1 the start.
    const float t = glm::clamp(glm::dot(end - centre, along) / lengthSquared, 0.0f, 1.0f);
    const glm::vec3 offset = end - t * along - centre;
    const float reach = LoadRadius(segment) + LoadRadius(sphere);
    return reach * reach > glm::dot(offset, offset) ? 1 : 0;
}

uint32_t SegvsOBB::Test(CollObj& segment, CollObj& box) {
    const glm::vec3 start = Load(segment.Pos());
    const glm::vec3 end = Load(segment.Size());
    const float radius = LoadRadius(segment);
    const Box b = LoadBox(box);
    const glm::vec3 middle = (start + end) * 0.5f;
    const glm::vec3 mWorld = middle - b.centre;
    const glm::vec3 hWorld = end - middle;

    // Everything in the box's frame, the box grown by the capsule's radius.
    glm::vec3 m, h, e;
    for (int i = 0; i < 3; ++i) {
        m[i] = glm::dot(mWorld, b.axes[i]);
        h[i] = glm::dot(hWorld, b.axes[i]);
        e[i] = b.halfExtent[i] + radius;
    }
    const glm::vec3 hAbs = glm::abs(h);
    for (int i = 0; i < 3; ++i) {
        if (std::fabs(m[i]) > hAbs[i] + e[i]) return 0;
    }
    if (std::fabs(m.y * h.z - m.z * h.y) > e.y * hAbs.z + e.z * hAbs.y) return 0;
    if (std::fabs(m.z * h.x - m.x * h.z) > e.x * hAbs.z + e.z * hAbs.x) return 0;
    if (std::fabs(m.x * h.y - m.y * h.x) > e.x * hAbs.y + e.y * hAbs.x) return 0;
    return 1;
}
