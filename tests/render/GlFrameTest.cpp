// The effect's fourteen passes on the real GL device, one whole frame drawn through them, and the
// one-pass composition checked against the two draws it stands for.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "Png.h"
#include "RenderTestScene.h"
#include "app/FakePlatform.h"
#include "app/FrameDraw.h"
#include "library/MyLibrary.h"
#include "library/Resolution.h"
#include "scene/Personal.h"
#include "scene/Scene.h"
#include "support/GlTest.h"

namespace {

class GlFrameTest : public testsupport::GlTest {
  protected:
    GlFrameTest() : GlTest({kWidth, kHeight}) {}

    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        platform.window.client = {0, 0, kWidth, kHeight};
        library = std::make_unique<MyLibrary>(platform.services);
        library->fixedRenderSize = gfx::Size{kWidth, kHeight};
        library->fixedSceneScale = 1.0f;  // the shading checks read single pixels
        ASSERT_EQ(library->Initialise(device_.get()), S_OK);
    }

    // Runs `frames` frames of a freshly entered `scene` and keeps the last one (also as a PNG
    // named `picture` in the test's folder, to look at).
    gfx::Image RunFrames(Scene& scene, int frames, const char* picture) {
        scene.Enter(&player, library.get());
        for (int i = 0; i < frames; ++i) {
            library->FrameStep(0, 0);
            scene.Frame();
            DrawFrame(scene);
            if (i < frames - 1) device_->Present();
        }
        const gfx::Image frame = CaptureFrame();
        driver::WritePng(picture, frame);
        return frame;
    }

    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 720;
    // Destroyed before the fixture's device: scenes (in the tests) before the library, the
    // library before the device.
    FakePlatform platform;
    std::unique_ptr<MyLibrary> library;
    Personal player{1};
};

// Where a world point lands in a frame of the render size, in pixels from the top left.
glm::ivec2 OnScreen(const Camera& camera, const glm::vec3& point, int width, int height) {
    const glm::vec4 clip = camera.viewProjection * glm::vec4(point, 1.0f);
    return {static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * static_cast<float>(width)),
            static_cast<int>((0.5f - clip.y / clip.w * 0.5f) * static_cast<float>(height))};
}

int Brightness(const testsupport::Rgba& rgba) {
    return rgba[0] + rgba[1] + rgba[2];
}

// The scene is shaded at the full size on a graphics card and smaller on a CPU rasteriser, and
// scaled up to the picture either way.
class RenderTestSceneTest : public GlFrameTest, public testing::WithParamInterface<float> {};

TEST_P(RenderTestSceneTest, ShowsShadowMirrorGlowAndText) {
    for (uint32_t pass = 0; pass < kEffectPassCount; ++pass) {
        EXPECT_NE(library->effect.ProgramOf(pass), gfx::ProgramId::None) << pass;
    }
    library->fixedSceneScale = GetParam();
    ASSERT_EQ(library->ReleaseDeviceResources(), S_OK);
    ASSERT_EQ(library->RestoreDeviceResources(), S_OK);
    const bool full = GetParam() == 1.0f;
    RenderTestScene scene;
    const gfx::Image frame =
        RunFrames(scene, 40, full ? "render_test_scene.png" : "render_test_scene_scaled.png");
    const Camera& camera = library->effect.camera;
    const auto pixel = [&](const glm::vec3& point) {
        const glm::ivec2 at = OnScreen(camera, point, kWidth, kHeight);
        return Pixel(frame, at.x, at.y);
    };
    // The box's shadow falls away from the sun (left and back) onto the floor beside it; the low
    // sun lights the open floor at about 40 degrees, so the step is modest.
    EXPECT_LT(Brightness(pixel({-3.3f, 0, 0})), Brightness(pixel({-3.3f, 0, -2.0f})) - 25);
    // The ball's glow lightens the floor just beside it more than the same floor without it.
    const int withGlow = Brightness(pixel({2.3f, 0.05f, -1.0f}));
    scene.ball.emissiveIntensity = 0;
    const gfx::Image plain = RunFrames(
        scene, 1, full ? "render_test_scene_no_glow.png" : "render_test_scene_scaled_no_glow.png");
    const glm::ivec2 halo = OnScreen(camera, {2.3f, 0.05f, -1.0f}, kWidth, kHeight);
    EXPECT_GT(withGlow, Brightness(Pixel(plain, halo.x, halo.y)) + 10);
    // The mirror shows the scene: its middle holds more than one colour.
    const glm::vec3 glass = scene.mirror->frame.position;
    std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
    for (float dx : {-0.6f, -0.3f, 0.0f, 0.3f}) {
        for (float dy : {-0.8f, -0.4f, 0.0f, 0.4f}) {
            const auto rgb = pixel(glass + glm::vec3(dx * 0.87f, dy, dx * 0.5f));
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min<int>(low[c], rgb[c]);
                high[c] = std::max<int>(high[c], rgb[c]);
            }
        }
    }
    EXPECT_GT(high[0] - low[0] + high[1] - low[1] + high[2] - low[2], 60);
    // The dialogue band darkens the bottom edge; its glyphs are white on it.
    EXPECT_TRUE(scene.dialogue.IsOpen());
    int glyphPixels = 0;
    for (int y = kHeight - kHeight * 110 / 1080; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) glyphPixels += Pixel(frame, x, y)[0] > 128;
    }
    EXPECT_LT(Pixel(frame, 2, kHeight - 2)[0], 60);
    EXPECT_GT(glyphPixels, 100);
}

INSTANTIATE_TEST_SUITE_P(SceneScales, RenderTestSceneTest,
                         testing::Values(1.0f, kSoftwareSceneScale),
                         [](const testing::TestParamInfo<float>& info) {
                             return info.param == 1.0f ? "Full" : "Software";
                         });

// A wall: a unit cube stretched to (0.2, 3, 6), its broad side to the camera. Seen from the middle
// of the box, the sun stands a little on the camera's side of that face, but the shadow map's
// light comes from behind it, so the face lies in the box's own shadow, nearly edge-on.
class WallScene : public Scene {
  public:
    WallScene() {
        floor.modelIndex = kCubeModel;
        floor.scale = {16, 0.2f, 16};
        floor.position = {0, -0.1f, 0};
        wall.modelIndex = kCubeModel;
        wall.scale = {0.2f, 3, 6};
        wall.position = {4, 1.5f, 0};
        wall.colour = {0.8f, 0.8f, 0.8f, 1};
        meshes = {&floor, &wall};
    }
    void Update() override {
        CEffect& effect = library->effect;
        effect.camera.eye = {-1, 2.2f, -3};
        effect.camera.at = {4, 1.5f, 0};
        effect.lighting.sunPosition = {3.5f, 30, 0};
        effect.lighting.flash = 0;  // no fade-in: every frame counts
    }

    static constexpr int kCubeModel = 74;  // "cube.x", side 1
    CObjMesh floor;
    CObjMesh wall;
};

// The face in the wall's shadow shows ambient light only: no band of its own shadow along the
// top edge and no sun counted on it, however the box is stretched.
TEST_F(GlFrameTest, AStretchedBoxFaceInItsOwnShadowIsUniformlyDark) {
    WallScene scene;
    const gfx::Image lit = RunFrames(scene, 2, "stretched_wall.png");
    scene.wall.diffuseStrength = 0;  // no sun on the wall at all: ambient only
    const gfx::Image ambient = RunFrames(scene, 2, "stretched_wall_ambient.png");
    const Camera& camera = library->effect.camera;
    for (float y : {0.2f, 1.5f, 2.8f, 2.95f}) {
        for (float z : {-2.5f, -1.0f, 0.0f, 1.0f, 2.5f}) {
            const glm::ivec2 at = OnScreen(camera, {3.9f, y, z}, kWidth, kHeight);
            EXPECT_NEAR(Brightness(Pixel(lit, at.x, at.y)), Brightness(Pixel(ambient, at.x, at.y)),
                        6)
                << "y " << y << " z " << z;
        }
    }
}

// A white cube held up to the hand-held light at arm's length (0.8 units), in the dark: nothing
// behind it, its lit face turned from the sun.
class HandLightScene : public Scene {
  public:
    HandLightScene() {
        cube.modelIndex = WallScene::kCubeModel;
        cube.position = {3, 0.5f, 3};
        meshes = {&cube};
    }
    void Update() override {
        CEffect& effect = library->effect;
        effect.camera.eye = {3, 0.5f, 0};
        effect.camera.at = cube.position;
        FieldLighting& lighting = effect.lighting;
        lighting.spotPosition = {3.2f, 0.6f, 1.7f};
        lighting.spotTarget = {3, 0.5f, 2.5f};
        lighting.spotPositionW = lightOn ? 1.0f : 0.0f;
        lighting.spotDirectionW = 0.7f;  // the held flashlight's cone
        lighting.flash = 0;
    }

    CObjMesh cube;
    bool lightOn = true;
};

// Up close the hand-held light lights the cube's face without burning it out, at any brightness
// setting, and sends nothing into the glow: the dark round the face stays black.
TEST_F(GlFrameTest, TheHandHeldLightAtArmsLengthNeitherSaturatesNorGlows) {
    HandLightScene scene;
    scene.lightOn = false;
    const gfx::Image unlit = RunFrames(scene, 2, "hand_light_off.png");
    scene.lightOn = true;
    const Camera& camera = library->effect.camera;
    const glm::ivec2 face = OnScreen(camera, {3, 0.5f, 2.5f}, kWidth, kHeight);
    const glm::ivec2 beside = OnScreen(camera, {3.53f, 0.5f, 2.5f}, kWidth, kHeight);
    const glm::ivec2 above = OnScreen(camera, {3, 1.03f, 2.5f}, kWidth, kHeight);
    for (float brightness : {5.0f, 8.0f}) {  // the neutral setting and the brightest
        library->effect.lightFactors.z = brightness;
        const gfx::Image lit = RunFrames(scene, 2, "hand_light_on.png");
        for (int c = 0; c < 3; ++c) EXPECT_LT(Pixel(lit, face.x, face.y)[c], 255) << brightness;
        EXPECT_GT(Brightness(Pixel(lit, face.x, face.y)),
                  Brightness(Pixel(unlit, face.x, face.y)) + 60);
        EXPECT_EQ(Brightness(Pixel(lit, beside.x, beside.y)), 0) << brightness;
        EXPECT_EQ(Brightness(Pixel(lit, above.x, above.y)), 0) << brightness;
    }
}

// An image of `size` whose channels run through their whole range at different rates, alpha too.
gfx::Image Pattern(gfx::Size size, int seed) {
    gfx::Image image{size, {}};
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            for (int c = 0; c < 4; ++c) {
                image.rgba.push_back(
                    static_cast<uint8_t>((x * (c + seed) + y * (3 - c + seed)) * 7));
            }
        }
    }
    return image;
}

// The compose pass must leave what the scene copied opaquely and the glow added on top (source ×
// its alpha, pass 9's blend) would: the same picture up to the rounding of one blend step.
TEST_F(GlFrameTest, TheComposePassAddsTheGlowAsAnAdditiveDrawWould) {
    gfx::Device& device = *device_;
    const gfx::TextureId scene = device.CreateTexture(Pattern({kWidth, kHeight}, 1));
    const gfx::TextureId glow = device.CreateTexture(Pattern({kWidth / 4, kHeight / 4}, 2));
    const gfx::TextureId black = device.CreateTexture(gfx::Image{{1, 1}, {0, 0, 0, 255}});
    ASSERT_NE(scene, gfx::TextureId::None);
    ASSERT_NE(glow, gfx::TextureId::None);
    CObjFVF screen;
    screen.scale = {kWidth, kHeight, 1.0f};
    const auto draw = [&](gfx::TextureId composeGlow, bool addGlow) {
        library->surf.BindBackBuffer();
        library->effect.Begin2D(kWidth, kHeight);
        library->effect.SetTexture(effect_parameter::kGlowImage, composeGlow);
        screen.DrawWith(*library, scene, ShaderPass::Compose);
        if (addGlow) screen.DrawWith(*library, glow, ShaderPass::GlowQuad);
        return CaptureFrame();
    };
    const gfx::Image composed = draw(glow, false);
    const gfx::Image layered = draw(black, true);
    ASSERT_EQ(composed.rgba.size(), layered.rgba.size());
    int worst = 0;
    for (size_t i = 0; i < composed.rgba.size(); ++i) {
        if (i % 4 != 3) worst = std::max(worst, std::abs(composed.rgba[i] - layered.rgba[i]));
    }
    EXPECT_LE(worst, 1);
    for (const gfx::TextureId texture : {scene, glow, black}) device.ReleaseTexture(texture);
}

}  // namespace
