// The effect and the frame draw on the null device with the game's own archive: which pass draws
// into which target, in what order, and the values the effect sends.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/FrameDraw.h"
#include "content/EventFixture.h"
#include "content/events/Mirror.h"

namespace {

// One cube and one quad in front of the default camera.
class Showcase : public Scene {
  public:
    void Init(Personal*, MyLibrary*) override {
        cube.modelIndex = 74;  // "cube.x"
        cube.position = {0, 0, 0};
        meshes.push_back(&cube);
        worldQuads.push_back(&quad);
    }
    CObjMesh cube;
    CObjFVF quad;
};

class FrameDrawTest : public EventTest {
  protected:
    void SetUp() override {
        EventTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        scene.Enter(&player, &library);
        player.bodyModel.hidden = 1;  // the draw logs list the scene's own objects
        library.FrameStep(0, 0);
        device.ClearDrawLog();
    }

    // (pass, target drawn into) of every draw of one frame.
    std::vector<std::pair<uint32_t, int>> DrawFrame() {
        ::DrawFrame(scene);
        std::vector<std::pair<uint32_t, int>> draws;
        for (const auto& draw : device.drawLog())
            draws.emplace_back(PassOf(draw.program), TargetOf(draw.first));
        device.ClearDrawLog();
        return draws;
    }

    uint32_t PassOf(gfx::ProgramId program) const {
        for (uint32_t pass = 0; pass < kEffectPassCount; ++pass) {
            if (library.effect.ProgramOf(pass) == program) return pass;
        }
        return 99;
    }
    // The render target index, −1 for the back buffer.
    int TargetOf(gfx::TargetId target) const {
        for (int index = 0; index < CSurf::kCount; ++index) {
            if (static_cast<uint32_t>(library.surf.TextureOf(index)) ==
                static_cast<uint32_t>(target)) {
                return index;
            }
        }
        return -1;
    }

    Showcase scene;
};

using Draws = std::vector<std::pair<uint32_t, int>>;

TEST_F(FrameDrawTest, ShadowSceneAndGlowPassesRunInOrderIntoTheirTargets) {
    EXPECT_EQ(DrawFrame(), (Draws{{4, 0},      // the cube into the shadow map
                                  {0, 1},      // the cube, lit
                                  {6, 1},      // the untextured quad
                                  {12, 3},     // glow across, quarter size
                                  {13, 4},     // glow down
                                  {11, -1},    // the scene with the glow added onto the screen
                                  {6, -1}}));  // the fade
}

TEST_F(FrameDrawTest, ShadowsOffLeavesTheShadowMapEmptyAndAMirrorAddsItsPass) {
    library.effect.shadowsEnabled = 0;
    library.effect.mirrorActive = 1;
    const Draws draws = DrawFrame();
    EXPECT_EQ(std::count(draws.begin(), draws.end(), std::pair<uint32_t, int>{4, 0}), 0);
    EXPECT_EQ(draws.front(), (std::pair<uint32_t, int>{0, 5}));  // the cube in the mirror's view
    // The live camera is back after the mirror's pass.
    EXPECT_EQ(library.effect.camera.eye, glm::vec3(0, 0, -5));
}

TEST_F(FrameDrawTest, TheGlowOutputIsBoundWithTheSceneAndClearedOnlyThroughIt) {
    const int clearsBefore = device.counts().clears;
    ::DrawFrame(scene);
    for (const auto& draw : device.drawLog()) {
        const bool scene = TargetOf(draw.first) == CSurf::kScene;
        EXPECT_EQ(TargetOf(draw.second), scene ? CSurf::kGlow : -1);
    }
    // Shadow map and scene clear with their depth; the glow and blur targets never do.
    EXPECT_EQ(device.counts().clears - clearsBefore, 2);
}

// The fade blends black in at the flash's alpha; at alpha 0 or below it would change nothing.
TEST_F(FrameDrawTest, TheFadeIsDrawnOnlyWhileTheFlashShows) {
    for (const float flash : {1.0f, 0.05f, 0.0f, -0.1f}) {
        library.effect.lighting.flash = flash;
        const Draws draws = DrawFrame();
        EXPECT_EQ(std::count(draws.begin(), draws.end(), std::pair<uint32_t, int>{6, -1}),
                  flash > 0 ? 1 : 0)
            << flash;
    }
}

TEST_F(FrameDrawTest, AProgramIsSwitchedOnlyWhenThePassOrItsVariantChangesOrATechniqueBegins) {
    CEffect& effect = library.effect;
    effect.SetVector(effect_parameter::kLightFactors, {1, 1.8f, 5, 1});
    const int before = device.counts().programSwitches;
    effect.BeginTechnique();
    effect.SelectPass(ShaderPass::Lit);
    effect.SelectPass(ShaderPass::Lit);
    effect.SelectPass(ShaderPass::FlatQuad);
    effect.SelectPass(ShaderPass::FlatQuad);
    effect.BeginTechnique();
    effect.SelectPass(ShaderPass::FlatQuad);
    EXPECT_EQ(device.counts().programSwitches - before, 3);

    // Off the neutral brightness the lit pass draws with the variant that brightens.
    const uint32_t lit = PassIndex(ShaderPass::Lit);
    effect.SelectPass(ShaderPass::Lit);
    const gfx::ProgramId neutral = effect.ProgramOf(lit);
    effect.SetVector(effect_parameter::kLightFactors, {1, 1.8f, 8, 1});
    EXPECT_NE(effect.ProgramOf(lit), neutral);
    effect.CommitChanges();
    effect.CommitChanges();
    EXPECT_EQ(device.counts().programSwitches - before, 5);
}

TEST(CSurfTest, PacksClearColoursLikeTheDevice) {
    EXPECT_EQ(CSurf::PackColour({1, 1, 1, 1}), 0xFFFFFFFFu);
    EXPECT_EQ(CSurf::PackColour({0, 0, 0, 1}), 0xFF000000u);
    EXPECT_EQ(CSurf::PackColour({2, -1, 0.5f, 0.2f}), 0x33FF0080u);
}

TEST(CSurfTest, TargetsScaleWithTheShadedShareAndKeepAFewPixels) {
    const auto states = CSurf::Describe({1283, 722});
    EXPECT_EQ(states[CSurf::kBlurAcross].width, 320u);
    EXPECT_EQ(states[CSurf::kBlurDown].height, 180u);
    const auto half = CSurf::Describe({1280, 720}, 0.5f);
    EXPECT_EQ(half[CSurf::kGlow].width, 640u);
    EXPECT_EQ(half[CSurf::kShadowMap].height, 1024u);
    EXPECT_EQ(half[CSurf::kMirror].width, 256u);
    for (const CSTexState& state : CSurf::Describe({1280, 720}, 1e-6f)) {
        EXPECT_GE(state.width, 1u);
        EXPECT_GE(state.height, 1u);
    }
}

TEST_F(FrameDrawTest, AMirrorLooksBackAtAViewerStandingStraightInFrontOfIt) {
    Ev::Mirror mirror;
    mirror.library = &library;
    mirror.frame.position = {0, 1, 0};
    mirror.frame.scale = {1, 2, 1};
    // The first frame uses a fresh quad's identity matrix: the glass faces +z.
    library.effect.camera.eye = {0, 1, 5};
    mirror.Update();
    const Camera& reflection = library.effect.mirrorCamera;
    EXPECT_EQ(library.effect.mirrorActive, 1);
    EXPECT_EQ(reflection.eye, glm::vec3(0, 1, 2));  // height 2 in front of the glass
    EXPECT_EQ(reflection.at, glm::vec3(0, 1, 1));   // looking back along the view
    EXPECT_FLOAT_EQ(reflection.nearPlane, 2.1f);
    EXPECT_FLOAT_EQ(reflection.width / reflection.height, 0.5f);  // the mirror's aspect
    // A hidden image ends the mirror's pass at its next draw.
    mirror.mirrorImage.hidden = 1;
    mirror.Draw();
    EXPECT_EQ(library.effect.mirrorActive, 0);
}

TEST_F(FrameDrawTest, TargetsFollowTheChosenResolutionAcrossADeviceReset) {
    library.settings.resolutionIndex = 0;  // 1280 × 720
    ASSERT_EQ(library.ReleaseDeviceResources(), S_OK);
    ASSERT_EQ(library.RestoreDeviceResources(), S_OK);
    EXPECT_EQ(library.surf.StateOf(CSurf::kScene).width, 1280u);
    EXPECT_EQ(library.surf.StateOf(CSurf::kBlurDown).height, 180u);
    EXPECT_EQ(library.surf.StateOf(CSurf::kShadowMap).width, 2048u);
    EXPECT_EQ(device.liveTargets(), CSurf::kCount);  // the old ones were released
}

}  // namespace
