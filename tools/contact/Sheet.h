#pragma once
#include <vector>

#include <glm/vec3.hpp>

#include "ModelPainter.h"
#include "platform/gfx/Device.h"

// Side of a contact-sheet cell unless asked otherwise, pixels.
inline constexpr int kCellSide = 256;

// One cell: `scene` seen by `view`, drawn at twice `side` and averaged 2 × 2 down to `side`.
gfx::Image RenderCell(const std::vector<PlacedModel>& scene, const View& view, int side);

// A cell that says "this could not be drawn": a plain warning colour.
gfx::Image FailedCell(int side);

// A grid of equal square cells on a dark ground, a thin gap between them, filled row by row.
class ContactSheet {
  public:
    ContactSheet(int columns, int rows, int cellSide);

    // Copies `cell` (cellSide square) into the grid at (column, row).
    void Place(int column, int row, const gfx::Image& cell);
    const gfx::Image& Image() const { return image_; }

  private:
    int cellSide_;
    gfx::Image image_;
};

// Halves a picture by averaging each 2 × 2 block; both sides must be even.
gfx::Image Downsample(const gfx::Image& picture);
