#include "RenderTestScene.h"

#include "library/AssetNames.h"
#include "library/MyLibrary.h"

namespace {
constexpr int kBoxModel = AssetRow("box.x");        // side 2
constexpr int kCubeModel = AssetRow("cube.x");      // side 1
constexpr int kSphereModel = AssetRow("sphere.x");  // radius 1
constexpr int kTatami = AssetRow("tatami.bmp");
}  // namespace

RenderTestScene::RenderTestScene() {
    floor.modelIndex = kCubeModel;
    floor.scale = {16, 0.2f, 16};
    floor.position = {0, -0.1f, 0};
    floor.colour = {0.55f, 0.5f, 0.45f, 1};
    box.modelIndex = kBoxModel;
    box.position = {-1.5f, 1, 0};
    ball.modelIndex = kSphereModel;
    ball.scale = {0.5f, 0.5f, 0.5f};
    ball.position = {1.5f, 0.6f, -1};
    ball.colour = {1, 0.6f, 0.2f, 1};
    ball.emissive = {1, 0.5f, 0.1f};
    ball.emissiveIntensity = 2;
    meshes = {&floor, &box, &ball};

    auto glass = std::make_unique<Ev::Mirror>();
    glass->frame.textureIndex = kTatami;  // the frame's backing, drawn behind the image
    glass->frame.position = {3.5f, 1.2f, 1.5f};
    glass->frame.scale = {2.2f, 2.4f, 1};
    glass->frame.rotation = {0, -30, 0};
    glass->frame.pass = ShaderPass::BlendedQuad;
    mirror = glass.get();
    AppendChild(std::move(glass));

    dialogue.AddQuestion(u"message_2", 1, 1);
    dialogue.AddLine(u"message_3");
    dialogue.Register(*this);
}

void RenderTestScene::Init(Personal*, MyLibrary*) {
    dialogue.Open();
}

void RenderTestScene::Update() {
    CEffect& effect = library->effect;
    effect.camera.eye = {0, 4, -8};
    effect.camera.at = {0.5f, 1, 0};
    effect.lighting.sunPosition = {30, 30, -20};
    effect.lighting.fogEnd = 60;
    dialogue.Update(*player, *library);
}
