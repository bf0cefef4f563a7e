#pragma once
#include <glm/mat3x3.hpp>
#include <glm/vec3.hpp>

#include "collision/CollObj.h"

// Shape builders for the collision and player tests.
namespace testshapes {

inline void Put(Vec3f out, const glm::vec3& v) {
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}

inline glm::vec3 Get(const Vec3f v) {
    return {v[0], v[1], v[2]};
}

inline OBB Sphere(const glm::vec3& centre, float radius) {
    OBB s;
    s.type = COLL_SPHERE;
    s.radius = radius;
    Put(s.centre, centre);
    return s;
}

// `axes` holds the box's X, Y and Z axes as its columns.
inline OBB Box(const glm::vec3& centre, const glm::vec3& halfExtent,
               const glm::mat3& axes = glm::mat3(1.0f)) {
    OBB b;
    b.type = COLL_OBB;
    Put(b.centre, centre);
    Put(b.halfExtent, halfExtent);
    Put(b.axisX, axes[0]);
    Put(b.axisY, axes[1]);
    Put(b.axisZ, axes[2]);
    return b;
}

inline Plane MakePlane(const glm::vec3& point, const glm::vec3& normal) {
    Plane p;
    p.type = COLL_PLANE;
    Put(p.point, point);
    Put(p.normal, normal);
    return p;
}

inline Segmet Capsule(const glm::vec3& start, const glm::vec3& end, float radius) {
    Segmet s;
    s.type = COLL_SEGMENT;
    s.radius = radius;
    Put(s.start, start);
    Put(s.end, end);
    return s;
}

}  // namespace testshapes
