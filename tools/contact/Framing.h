#pragma once
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// Cameras that frame a box for a contact sheet, with the game's matrices (left-handed, y up,
// depth 0..1, row-vector layout as glm::lookAtLH and glm::perspectiveLH_ZO make them).

struct Box {
    glm::vec3 min;
    glm::vec3 max;
};

struct View {
    glm::vec3 eye;
    glm::vec3 target;
    glm::mat4 viewProjection;  // clip = viewProjection * vec4(world point, 1)
};

// From the front (-z), left (-x) and above: the usual three-quarter view of a model.
inline constexpr glm::vec3 kThreeQuarterFront{-0.65f, 0.55f, -1.0f};

// Vertical field of view of every framed camera, degrees.
inline constexpr float kFieldOfViewDegrees = 30.0f;

// A camera looking at the centre of `box` from the side `fromDirection` points to (any non-zero
// length), far enough that the box's bounding sphere fits a square picture with a small margin.
// A box of no size is framed as a tiny one around its point.
View FrameBox(const Box& box, glm::vec3 fromDirection);

// The smallest box holding both.
Box Union(const Box& a, const Box& b);
