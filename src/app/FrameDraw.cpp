// The frame's picture: the render-target passes and the scene tree's object lists drawn in each.
#include "app/FrameDraw.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <glm/geometric.hpp>

#include "library/MyLibrary.h"
#include "scene/Personal.h"

namespace {

// Opaque meshes are drawn before everything else of a 3-D pass, those whose far side is nearest the
// eye first: the depth test then rejects the pixels they hide before those are shaded, which is
// most of a frame's cost on a software rasteriser. Ordering by the far side rather than the centre
// leaves the ground, the sky and a room's walls, whose spheres hold the eye, until after what
// stands in front of them. Opaque draws cannot change the picture by their order; what blends
// keeps its place after them.
class NearestFirst {
  public:
    explicit NearestFirst(const glm::vec3& eye) : eye_(eye) {}

    void Add(CObjMesh& mesh) {
        if (mesh.hidden != 0 || !mesh.IsOpaque()) return;
        const Vec3f& centre = mesh.collider.centre;
        const glm::vec3 middle(centre[0], centre[1], centre[2]);
        meshes_.push_back({glm::length(middle - eye_) + mesh.collider.radius, &mesh});
    }
    void Draw(MyLibrary& library, bool shadowPass) {
        std::stable_sort(meshes_.begin(), meshes_.end(),
                         [](const Entry& a, const Entry& b) { return a.first < b.first; });
        for (const Entry& entry : meshes_) entry.second->DrawInPass(library, shadowPass);
    }

  private:
    using Entry = std::pair<float, CObjMesh*>;  // distance from the eye to the far side
    glm::vec3 eye_;
    std::vector<Entry> meshes_;
};

// One scene's own 3-D lists but its opaque meshes, then its Draw.
void DrawWorldLists(Scene& scene) {
    MyLibrary& library = *scene.library;
    const bool shadowPass = library.effect.inShadowPass == 1;
    for (CObjMesh* mesh : scene.meshes) {
        if (!mesh->IsOpaque()) mesh->DrawInPass(library, shadowPass);
    }
    for (CObjFVF* quad : scene.worldQuads) quad->Draw(library);
    for (CObjText* text : scene.worldTexts) text->Draw(library);
    scene.Draw();
    for (CObjParticl* emitter : scene.particles) emitter->Draw(library);
}

// One 3-D pass (shadow, mirror or main, by the effect's flags) of the player, the field and its
// children. Behind the open pause menu the world shows as it was left.
void Draw3DPass(Scene& field) {
    MyLibrary& library = *field.library;
    const bool shadowPass = library.effect.inShadowPass == 1;
    field.player->Draw3D();
    NearestFirst opaque(library.effect.camera.eye);
    for (CObjMesh* mesh : field.meshes) opaque.Add(*mesh);
    for (auto& child : field.children) {
        if (!child) continue;
        for (CObjMesh* mesh : child->meshes) opaque.Add(*mesh);
    }
    for (CObjMesh& mesh : field.fixedMeshes) opaque.Add(mesh);
    opaque.Draw(library, shadowPass);
    DrawWorldLists(field);
    for (auto& child : field.children) {
        if (child) DrawWorldLists(*child);
    }
    for (CObjMesh& mesh : field.fixedMeshes) {
        if (!mesh.IsOpaque()) mesh.DrawInPass(library, shadowPass);
    }
}

// One scene's overlay lists, then its DrawOverlay.
void DrawOverlayLists(Scene& scene) {
    MyLibrary& library = *scene.library;
    for (CObjFVF* quad : scene.overlayQuads) quad->Draw(library);
    for (CObjText* text : scene.overlayTexts) text->Draw(library);
    scene.DrawOverlay();
}

void DrawOverlayPass(Scene& field) {
    MyLibrary& library = *field.library;
    Personal& player = *field.player;
    if (player.aiming != 0) player.sightQuad.Draw(library);
    if (player.menu.showing != 0) player.menu.Draw();
    // While the menu is open the field's overlays stay hidden.
    if (player.controlMode == kControlMenu) return;
    DrawOverlayLists(field);
    for (auto& child : field.children) {
        if (child) DrawOverlayLists(*child);
    }
}

}  // namespace

void DrawFrame(Scene& field) {
    MyLibrary* library = field.library;
    CEffect& effect = library->effect;
    CSurf& surf = library->surf;
    const gfx::Size size = library->frame.renderSize;
    const auto width = static_cast<float>(size.width);
    const auto height = static_cast<float>(size.height);
    CObjFVF screen;
    screen.scale = {width, height, 1.0f};

    gfx::Device& device = *library->device;
    device.BeginSection("shadow");
    effect.BeginTechnique();
    effect.inShadowPass = 1;
    surf.SetTarget(CSurf::kShadowMap);
    if (effect.shadowsEnabled == 1) Draw3DPass(field);
    effect.SetTexture(effect_parameter::kShadowMap, surf.TextureOf(CSurf::kShadowMap));
    effect.inShadowPass = 0;

    if (effect.mirrorActive == 1) {
        device.BeginSection("mirror");
        effect.inMirrorPass = 1;
        std::swap(effect.camera, effect.mirrorCamera);
        effect.UpdateCamera();
        surf.SetTarget(CSurf::kMirror);
        Draw3DPass(field);
        std::swap(effect.camera, effect.mirrorCamera);
        effect.UpdateCamera();
        effect.inMirrorPass = 0;
    }

    // The scene and its glow source together; the glow output is cleared with the scene's.
    device.BeginSection("scene");
    surf.SetTarget(CSurf::kGlow);
    surf.SetTarget(CSurf::kScene);
    Draw3DPass(field);
    surf.UnbindSecond();

    device.BeginSection("glow");
    effect.Begin2D(width, height);
    const gfx::Size scene = library->frame.sceneSize;
    effect.SetVector(
        effect_parameter::kTexelSize,
        QuarterTexelSize(static_cast<float>(scene.width), static_cast<float>(scene.height)));
    surf.SetTarget(CSurf::kBlurAcross);
    screen.DrawWith(*library, surf.TextureOf(CSurf::kGlow), ShaderPass::BlurAcross);
    surf.SetTarget(CSurf::kBlurDown);
    screen.DrawWith(*library, surf.TextureOf(CSurf::kBlurAcross), ShaderPass::BlurDown);
    device.BeginSection("compose");
    // One full-screen pass puts the scene on the screen with the blurred glow added, scaled up
    // from the size it was shaded at: a software rasteriser pays per pixel for every full-screen
    // draw and blend.
    surf.BindBackBuffer();
    effect.SetTexture(effect_parameter::kGlowImage, surf.TextureOf(CSurf::kBlurDown));
    screen.DrawWith(*library, surf.TextureOf(CSurf::kScene), ShaderPass::Compose);

    device.BeginSection("overlay");
    const gfx::Size layout = library->frame.layoutSize;
    effect.Begin2D(static_cast<float>(layout.width), static_cast<float>(layout.height));
    DrawOverlayPass(field);

    // A fade of alpha 0 or less blends nothing in (the output alpha is clamped to 0..1), so the
    // full-screen blend is skipped once the flash has faded out.
    if (effect.lighting.flash > 0.0f) {
        CObjFVF fade;
        fade.scale = {static_cast<float>(layout.width), static_cast<float>(layout.height), 1.0f};
        fade.colour = {0.0f, 0.0f, 0.0f, effect.lighting.flash};
        fade.Draw(*library);
    }
    device.BeginSection(nullptr);
}
