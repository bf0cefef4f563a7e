#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <glm/ext/matrix_transform.hpp>

#include "Framing.h"
#include "ModelPainter.h"
#include "Sheet.h"

namespace {

// Every corner of the framed box lands inside the picture and between the depth planes, and the
// box is not lost in a corner of it either: a cube seen three-quarter, a tall door off the centre,
// a huge room from the side, a flat box from straight above, and a point, which has no size.
TEST(FramingTest, TheWholeBoxFillsThePicture) {
    const std::pair<Box, glm::vec3> cases[] = {
        {{{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}}, kThreeQuarterFront},
        {{{2.0f, 0.0f, 5.0f}, {2.9f, 1.8f, 5.05f}}, kThreeQuarterFront},
        {{{-40, 0, -30}, {40, 6, 30}}, {-1, 0.1f, 0}},
        {{{-1, 0, -1}, {1, 0.1f, 1}}, {0, 1, 0}},
        {{{3, 3, 3}, {3, 3, 3}}, kThreeQuarterFront}};
    for (const auto& [box, from] : cases) {
        SCOPED_TRACE(box.max.x);
        const View view = FrameBox(box, from);
        float widest = 0.0f;
        for (int corner = 0; corner < 8; ++corner) {
            const glm::vec3 point{corner & 1 ? box.max.x : box.min.x,
                                  corner & 2 ? box.max.y : box.min.y,
                                  corner & 4 ? box.max.z : box.min.z};
            const glm::vec4 clip = view.viewProjection * glm::vec4(point, 1.0f);
            ASSERT_GT(clip.w, 0.0f);
            const glm::vec3 ndc = glm::vec3(clip) / clip.w;
            EXPECT_LE(std::abs(ndc.x), 1.0f) << corner;
            EXPECT_LE(std::abs(ndc.y), 1.0f) << corner;
            EXPECT_GE(ndc.z, 0.0f) << corner;
            EXPECT_LE(ndc.z, 1.0f) << corner;
            widest = std::max({widest, std::abs(ndc.x), std::abs(ndc.y)});
        }
        if (box.max != box.min) {
            EXPECT_GT(widest, 0.5f);
        }
    }
}

// A one-material model holding the square x, y in [-1, 1] at z 0, its front towards -z (corners
// clockwise seen from -z), or towards +z when `facingAway`.
SheetModel Square(bool facingAway) {
    SheetModel model;
    MeshData& mesh = model.data.mesh;
    mesh.positions = {{-1, 1, 0}, {1, 1, 0}, {1, -1, 0}, {-1, -1, 0}};
    const glm::vec3 normal{0, 0, facingAway ? 1.0f : -1.0f};
    mesh.normals.assign(4, normal);
    mesh.indices = facingAway ? std::vector<uint32_t>{0, 2, 1, 0, 3, 2}
                              : std::vector<uint32_t>{0, 1, 2, 0, 2, 3};
    mesh.subsets = {{0, 6}};
    ModelMaterial white;
    white.material.diffuse = glm::vec4(1.0f);
    model.data.materials = {white};
    model.textures = {nullptr};
    model.data.bounds = {{-1, -1, 0}, {1, 1, 0}};
    return model;
}

// The game's convention end to end: a model triangle is seen from the side its corners run
// clockwise, through the placement and the framed camera.
TEST(PainterTest, OnlyFrontsFacingTheCameraAreDrawn) {
    const struct {
        const char* name;
        bool facingAway;
        glm::mat4 world;
        bool seen;
    } cases[] = {{"front towards the camera", false, glm::mat4(1.0f), true},
                 {"back towards the camera", true, glm::mat4(1.0f), false},
                 {"turned round to face the camera", true,
                  glm::rotate(glm::mat4(1.0f), glm::radians(180.0f), {0, 1, 0}), true},
                 {"moved and scaled", false,
                  glm::scale(glm::translate(glm::mat4(1.0f), {5, 2, 9}), glm::vec3(0.1f)), true}};
    for (const auto& c : cases) {
        const SheetModel model = Square(c.facingAway);
        const std::vector<PlacedModel> scene{{&model, c.world}};
        const View view = FrameBox(PlacedBounds(scene), {0, 0, -1});
        FrameBuffer buffer({32, 32}, 0x000000);
        DrawModel(buffer, scene[0], view.viewProjection, {{0, 0, -1}, 0.2f, 0.8f});
        EXPECT_EQ(buffer.PixelRgb(16, 16) != 0, c.seen) << c.name;
    }
}

TEST(PainterTest, IndicesAndSubsetsOutsideTheMeshAreSkipped) {
    SheetModel model = Square(false);
    model.data.mesh.indices = {0, 1, 9, 0, 2, 3};  // the first triangle names a missing corner
    model.data.mesh.subsets = {{0, 6}, {3, 30}};   // the second subset runs past the indices
    model.data.materials.push_back(model.data.materials[0]);
    model.textures.push_back(nullptr);
    const std::vector<PlacedModel> scene{{&model, glm::mat4(1.0f)}};
    const View view = FrameBox(PlacedBounds(scene), {0, 0, -1});
    FrameBuffer buffer({32, 32}, 0x000000);
    DrawModel(buffer, scene[0], view.viewProjection, {{0, 0, -1}, 0.2f, 0.8f});
    EXPECT_EQ(buffer.PixelRgb(24, 8), 0u);  // above the diagonal: the triangle that was dropped
    EXPECT_NE(buffer.PixelRgb(8, 24), 0u);  // below it: the sound one
}

TEST(SheetTest, CellsLandInRowOrderAndDownsamplingAverages) {
    const gfx::Image grey{
        {2, 2}, {0, 0, 0, 255, 100, 100, 100, 255, 200, 200, 200, 255, 103, 103, 103, 255}};
    EXPECT_EQ(Downsample(grey).rgba, (std::vector<uint8_t>{101, 101, 101, 255}));

    ContactSheet sheet(3, 2, 4);
    gfx::Image white{{4, 4}, std::vector<uint8_t>(4 * 4 * 4, 255)};
    sheet.Place(2, 1, white);
    const gfx::Image& image = sheet.Image();
    ASSERT_EQ(image.size, (gfx::Size{2 + 3 * 6, 2 + 2 * 6}));
    const auto at = [&](int x, int y) { return image.rgba[(y * image.size.width + x) * 4]; };
    EXPECT_EQ(at(14, 8), 255);  // the cell's first pixel: gap 2 + 2 cells of 4 + 2 gaps
    EXPECT_EQ(at(17, 11), 255);
    EXPECT_NE(at(13, 8), 255);
    EXPECT_NE(at(14, 7), 255);
}

}  // namespace
