#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelPainter.h"

namespace {

constexpr gfx::Size kSize{64, 64};
constexpr uint32_t kBackground = 0x000000;

// Flat white shading, fully lit from the front.
const Lighting kFrontLight{{0, 0, -1}, 0.0f, 1.0f};

RasterVertex At(float x, float y, float depth = 0.5f, glm::vec2 uv = {0, 0}) {
    return {{x, y, depth, 1.0f}, {0, 0, -1}, uv};
}

int CountDrawn(const FrameBuffer& buffer) {
    int drawn = 0;
    for (int y = 0; y < kSize.height; ++y) {
        for (int x = 0; x < kSize.width; ++x) drawn += buffer.PixelRgb(x, y) != kBackground;
    }
    return drawn;
}

// The square from -0.5 to 0.5 in normalised device coordinates (pixels 16 to 47 of 64), as two
// triangles clockwise on the screen.
void DrawSquare(FrameBuffer& buffer, const Shading& shading = {}) {
    const RasterVertex topLeft = At(-0.5f, 0.5f, 0.5f, {0, 0});
    const RasterVertex topRight = At(0.5f, 0.5f, 0.5f, {1, 0});
    const RasterVertex bottomRight = At(0.5f, -0.5f, 0.5f, {1, 1});
    const RasterVertex bottomLeft = At(-0.5f, -0.5f, 0.5f, {0, 1});
    DrawTriangle(buffer, {topLeft, topRight, bottomRight}, shading, kFrontLight);
    DrawTriangle(buffer, {topLeft, bottomRight, bottomLeft}, shading, kFrontLight);
}

// Draw order must not matter: the nearer triangle wins either way.
TEST(RasteriserTest, TheNearerTriangleWinsInEitherDrawOrder) {
    const Shading nearRed{{1, 0, 0, 1}}, farGreen{{0, 1, 0, 1}};
    for (const auto& [first, second] : {std::pair{0.3f, 0.7f}, {0.7f, 0.3f}}) {
        FrameBuffer buffer(kSize, kBackground);
        for (const float depth : {first, second}) {
            DrawTriangle(buffer, {At(-1, 1, depth), At(1, 1, depth), At(0, -1, depth)},
                         depth < 0.5f ? nearRed : farGreen, kFrontLight);
        }
        EXPECT_EQ(buffer.PixelRgb(32, 20), 0xFF0000u) << "nearer drawn at " << first;
        EXPECT_NEAR(buffer.Depth(32, 20), 0.3f, 1e-6f);
    }
}

TEST(RasteriserTest, CutOutTexelsLeaveHolesAndOpaqueOnesAreDrawn) {
    // Left half opaque red, right half transparent.
    gfx::Image texture{{2, 1}, {255, 0, 0, 255, 0, 0, 255, 0}};
    FrameBuffer buffer(kSize, kBackground);
    DrawSquare(buffer, {{1, 1, 1, 1}, {0, 0, 0}, &texture, true});
    EXPECT_EQ(buffer.PixelRgb(20, 32), 0xFF0000u);
    EXPECT_EQ(buffer.PixelRgb(44, 32), kBackground);
    EXPECT_EQ(buffer.Depth(44, 32), 1.0f);
}

TEST(RasteriserTest, TrianglesReachingBehindTheCameraOrOffScaleAreLeftOut) {
    constexpr float kOffScale = 1e30f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::array<RasterVertex, 3> cases[] = {
        {At(-1, 1), At(1, 1), RasterVertex{{0, -1, 0.5f, -1.0f}, {0, 0, -1}, {}}},
        {At(-1, 1), At(1, 1), RasterVertex{{0, -1, -0.1f, 1.0f}, {0, 0, -1}, {}}},
        {At(-1, 1), At(1, 1), At(0, nan)},
        {At(-kOffScale, kOffScale), At(kOffScale, kOffScale), At(0, -kOffScale)},
    };
    for (const auto& corners : cases) {
        FrameBuffer buffer(kSize, kBackground);
        DrawTriangle(buffer, corners, {}, kFrontLight);
        EXPECT_EQ(CountDrawn(buffer), 0);
    }
    // Far beyond the picture on every side: clamped to it, and it covers everything.
    constexpr float kFar = 1e6f;
    FrameBuffer buffer(kSize, kBackground);
    DrawTriangle(buffer, {At(-kFar, kFar), At(kFar, kFar), At(0, -kFar)}, {}, kFrontLight);
    EXPECT_EQ(CountDrawn(buffer), kSize.width * kSize.height);
}

// A model file may name corners the mesh lacks or run a subset past its indices: those
// triangles are skipped, the rest drawn.
TEST(PainterTest, IndicesAndSubsetsOutsideTheMeshAreSkipped) {
    SheetModel model;
    MeshData& mesh = model.data.mesh;
    mesh.positions = {{-1, 1, 0}, {1, 1, 0}, {1, -1, 0}, {-1, -1, 0}};
    mesh.normals.assign(4, {0, 0, -1});
    mesh.indices = {0, 1, 9, 0, 2, 3};  // the first triangle names a missing corner
    mesh.subsets = {{0, 6}, {3, 30}};   // the second subset runs past the indices
    ModelMaterial white;
    white.material.diffuse = glm::vec4(1.0f);
    model.data.materials = {white, white};
    model.textures = {nullptr, nullptr};
    model.data.bounds = {{-1, -1, 0}, {1, 1, 0}};
    const std::vector<PlacedModel> scene{{&model, glm::mat4(1.0f)}};
    const View view = FrameBox(PlacedBounds(scene), {0, 0, -1});
    FrameBuffer buffer({32, 32}, kBackground);
    DrawModel(buffer, scene[0], view.viewProjection, kFrontLight);
    EXPECT_EQ(buffer.PixelRgb(24, 8), kBackground);  // above the diagonal: the dropped triangle
    EXPECT_NE(buffer.PixelRgb(8, 24), kBackground);  // below it: the sound one
}

}  // namespace
