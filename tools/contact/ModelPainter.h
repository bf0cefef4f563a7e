#pragma once
#include <vector>

#include <glm/mat4x4.hpp>

#include "Framing.h"
#include "Rasteriser.h"
#include "SheetModels.h"

// A model placed in a contact-sheet scene: `world` in the game's row-vector layout, so a model
// point p lands at world * vec4(p, 1).
struct PlacedModel {
    const SheetModel* model;
    glm::mat4 world;
};

// The box holding every corner of each model's bounds carried by its placement.
Box PlacedBounds(const std::vector<PlacedModel>& scene);

// Draws every triangle of every subset of `placed`, lit in world space. Indices outside the mesh
// and subsets outside the index list are skipped, whatever the file held.
void DrawModel(FrameBuffer& target, const PlacedModel& placed, const glm::mat4& viewProjection,
               const Lighting& lighting);
