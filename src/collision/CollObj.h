#pragma once
#include <cstdint>

// Collision shapes. A shape says what it is (`type`, which picks the pair test), what it does to
// movers (`kind`) and what happened to it in the last test (`hitState`, `push`). The type number,
// not the class, decides how a shape is tested: a sphere is an OBB of type 1.

enum CollType : int32_t {
    COLL_NONE = 0,
    COLL_SPHERE = 1,
    COLL_OBB = 2,
    COLL_PLANE = 3,
    COLL_SEGMENT = 4,
};

// `kind` values: solid pushes the player out, blocks sight and stops darts; a dart stopper only
// stops darts; anything else is a sensor that only records hits.
enum CollKind : int32_t {
    KIND_SENSOR = 0,
    KIND_SOLID = 1,
    KIND_DART_STOPPER = 2,
};

// `hitState` values, written by the movers each frame.
enum HitState : uint32_t {
    HIT_NONE = 0,
    HIT_BY_PLAYER = 1,
    HIT_BY_DART = 2,
};

using Vec3f = float[3];

// The empty shape (type 0): never in contact with anything. The accessors return the shape's
// stored data, or null where the shape has no such datum.
class CollObj {
  public:
    CollObj() = default;
    CollObj(const CollObj&) = default;
    CollObj& operator=(const CollObj&) = default;
    virtual ~CollObj() = default;

    virtual const float* Radius() const { return nullptr; }
    virtual const float* Pos() const { return nullptr; }
    virtual const float* Size() const { return nullptr; }
    virtual const float* AxisX() const { return nullptr; }
    virtual const float* AxisY() const { return nullptr; }
    virtual const float* AxisZ() const { return nullptr; }

    uint32_t hitState = HIT_NONE;
    int32_t type = COLL_NONE;
    int32_t kind = KIND_SENSOR;
    Vec3f push = {0, 0, 0};  // displacement that moves this shape out of the other one
};

// A box (type 2) or, with type 1, a sphere of which only `radius` and `centre` count.
class OBB : public CollObj {
  public:
    const float* Radius() const override { return &radius; }
    const float* Pos() const override { return centre; }
    const float* Size() const override { return halfExtent; }
    const float* AxisX() const override { return axisX; }
    const float* AxisY() const override { return axisY; }
    const float* AxisZ() const override { return axisZ; }

    float radius = 0;
    Vec3f centre = {0, 0, 0};      // world space
    Vec3f halfExtent = {0, 0, 0};  // along axisX, axisY, axisZ
    Vec3f axisX = {0, 0, 0};       // unit length, world space
    Vec3f axisY = {0, 0, 0};
    Vec3f axisZ = {0, 0, 0};
};

// An infinite plane (type 3); the solid side lies behind `normal`.
class Plane : public CollObj {
  public:
    const float* Pos() const override { return point; }
    const float* Size() const override { return normal; }

    Vec3f point = {0, 0, 0};
    Vec3f normal = {0, 0, 0};  // unit length
};

// A capsule (type 4): the segment start..end swept by a sphere of `radius`.
class Segmet : public CollObj {
  public:
    const float* Radius() const override { return &radius; }
    const float* Pos() const override { return start; }
    const float* Size() const override { return end; }

    float radius = 0;
    Vec3f start = {0, 0, 0};
    Vec3f end = {0, 0, 0};
};
