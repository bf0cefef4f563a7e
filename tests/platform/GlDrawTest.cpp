// Drawing through the GL device: which side of a triangle is its front, which way up a target's
// image lies when sampled, the 0..1 depth range a shadow map keeps, how refused programs and
// meshes fail, and the count of live objects that long runs watch for leaks.
#include <span>
#include <string>

#include "platform/gfx/NullDevice.h"
#include "support/GlTest.h"

namespace gfx {
namespace {

using testsupport::Rgba;
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlack{0, 0, 0, 255};

const ProgramSource kFlat{R"(
in vec3 a_position;
void main() { gl_Position = ToClip(vec4(a_position, 1.0)); }
)",
                          R"(
uniform vec4 u_colour;
out vec4 o_colour;
void main() { o_colour = u_colour; }
)"};

const ProgramSource kCopy{R"(
in vec3 a_position;
in vec2 a_texCoord;
out vec2 v_uv;
void main() { v_uv = a_texCoord; gl_Position = ToClip(vec4(a_position, 1.0)); }
)",
                          R"(
uniform sampler2D u_texture;
in vec2 v_uv;
out vec4 o_colour;
void main() { o_colour = texture(u_texture, v_uv); }
)"};

// Shows the depth a depth-only target's texture gives as grey.
const ProgramSource kDepthView{kCopy.vertex, R"(
uniform sampler2D u_texture;
in vec2 v_uv;
out vec4 o_colour;
void main() { o_colour = vec4(vec3(texture(u_texture, v_uv).r), 1.0); }
)"};

const MeshLayout kPositions{{{Attribute::Position, 0, 3}}, 12, Primitive::Triangles};
// Position and texture coordinates, v = 0 at the top as in D3D.
const MeshLayout kTextured{
    {{Attribute::Position, 0, 3}, {Attribute::TexCoord, 12, 2}}, 20, Primitive::TriangleStrip};
constexpr float kScreenQuad[] = {-1, 1, 0, 0, 0, 1, 1, 0, 1, 0, -1, -1, 0, 0, 1, 1, -1, 0, 1, 1};
constexpr uint32_t kStrip[] = {0, 1, 2, 3};
constexpr uint32_t kTriangle[] = {0, 1, 2};

class GlDrawTest : public testsupport::GlTest {
  protected:
    GlDrawTest() : GlTest({kSize, kSize}) {}

    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        std::string log;
        flat_ = device_->CreateProgram(kFlat, log);
        copy_ = device_->CreateProgram(kCopy, log);
        ASSERT_NE(flat_, ProgramId::None) << log;
        ASSERT_NE(copy_, ProgramId::None) << log;
    }

    // Draws `target`'s texture over the whole back buffer with `program`.
    void ShowTexture(TargetId target, ProgramId program) {
        device_->BindTargets(TargetId::None, TargetId::None);
        const MeshId quad = device_->CreateMesh(kTextured, kScreenQuad, kStrip);
        device_->UseProgram(program, {Blend::None, DepthMode::Off, CullMode::None});
        device_->SetTexture(device_->UniformLocation(program, "u_texture"), 0,
                            device_->TargetTexture(target));
        device_->DrawMesh(quad, 0, 4);
        device_->ReleaseMesh(quad);
    }

    void DrawFlat(std::span<const float> corners, const DrawState& state) {
        const MeshId mesh = device_->CreateMesh(kPositions, corners, kTriangle);
        ASSERT_NE(mesh, MeshId::None);
        device_->UseProgram(flat_, state);
        device_->SetVector(device_->UniformLocation(flat_, "u_colour"), {1, 0, 0, 1});
        device_->DrawMesh(mesh, 0, 3);
        device_->ReleaseMesh(mesh);
    }

    static constexpr int kSize = 32;
    ProgramId flat_ = ProgramId::None;
    ProgramId copy_ = ProgramId::None;
};

// Corners in clip space covering the upper left part of the picture, clockwise and
// counter-clockwise as seen on screen.
constexpr float kClockwise[] = {-1, -1, 0.5f, -1, 1, 0.5f, 1, 1, 0.5f};
constexpr float kCounterClockwise[] = {-1, -1, 0.5f, 1, 1, 0.5f, -1, 1, 0.5f};

TEST_F(GlDrawTest, ClockwiseOnScreenIsTheFrontAndTargetsAreSampledTopRowFirst) {
    const DrawState culled{Blend::None, DepthMode::Off, CullMode::Back};
    for (const bool viaTarget : {false, true}) {
        for (const bool clockwise : {true, false}) {
            const TargetId target = device_->CreateTarget({kSize, kSize}, TargetFormat::Rgba8);
            device_->BindTargets(viaTarget ? target : TargetId::None, TargetId::None);
            device_->Clear(0xFF000000, 1, 0);
            DrawFlat(clockwise ? std::span(kClockwise) : std::span(kCounterClockwise), culled);
            if (viaTarget) ShowTexture(target, copy_);
            // Both pixels lie in the upper left part; a target sampled upside down shows the
            // second one black.
            const Image image = CaptureFrame();
            for (const auto& [x, y] : {std::pair{2, 2}, std::pair{kSize - 6, 2}}) {
                EXPECT_EQ(Pixel(image, x, y), clockwise ? kRed : kBlack)
                    << (viaTarget ? "target" : "back buffer") << (clockwise ? " cw" : " ccw");
            }
            device_->ReleaseTarget(target);
        }
    }
}

// A shadow map's contract: the nearest depth drawn stays, untouched texels keep the clear's 1, and
// the image is sampled top row first like a colour target's, even with a second output offered.
// The depths kept are the z drawn at: depth runs from 0 at the near plane to 1 at the far.
TEST_F(GlDrawTest, ADepthOnlyTargetKeepsTheNearestDepthForSampling) {
    std::string log;
    const ProgramId depthView = device_->CreateProgram(kDepthView, log);
    ASSERT_NE(depthView, ProgramId::None) << log;
    const TargetId shadow = device_->CreateTarget({kSize, kSize}, TargetFormat::DepthOnly);
    const TargetId colour = device_->CreateTarget({kSize, kSize}, TargetFormat::Rgba8);
    ASSERT_NE(shadow, TargetId::None);
    device_->BindTargets(shadow, colour);
    device_->Clear(0xFF000000, 1, 0);
    const DrawState tested{Blend::None, DepthMode::TestWrite, CullMode::None};
    constexpr float kUpperNear[] = {-1, 0, 0.25f, -1, 1, 0.25f, 1, 1, 0.25f};
    constexpr float kLeftFar[] = {-1, -1, 0.75f, -1, 1, 0.75f, 1, 1, 0.75f};
    DrawFlat(kUpperNear, tested);
    DrawFlat(kLeftFar, tested);  // behind the first where they overlap
    ShowTexture(shadow, depthView);
    const Image image = CaptureFrame();
    struct Expected {
        int x, y, grey;
    };
    for (const Expected& at :
         {Expected{1, 1, 64}, Expected{1, kSize - 8, 191}, Expected{kSize - 2, kSize - 2, 255}}) {
        EXPECT_NEAR(Pixel(image, at.x, at.y)[0], at.grey, 1) << at.x << ", " << at.y;
    }
    device_->ReleaseTarget(shadow);
    device_->ReleaseTarget(colour);
    device_->ReleaseProgram(depthView);
}

TEST_F(GlDrawTest, RefusedProgramsAndMeshesSayWhy) {
    std::string log;
    EXPECT_EQ(device_->CreateProgram({"void main() { undefined(); }", kFlat.fragment}, log),
              ProgramId::None);
    EXPECT_NE(log.find("vertex"), std::string::npos) << log;
    const uint32_t pastTheEnd[] = {0, 1, 3};
    EXPECT_EQ(device_->CreateMesh(kPositions, kClockwise, pastTheEnd), MeshId::None);
    const MeshLayout wide{{{Attribute::Position, 4, 3}}, 12, Primitive::Triangles};
    EXPECT_EQ(device_->CreateMesh(wide, kClockwise, kTriangle), MeshId::None);
}

// One of each object the device makes, a target drawn into; what is live while they are held,
// and once they are released, both counted from what was live before.
std::pair<LiveObjects, LiveObjects> MakeAndRelease(Device& device) {
    const LiveObjects before = device.Live();
    const auto since = [&before](LiveObjects now) {
        return LiveObjects{
            now.textures - before.textures,         now.buffers - before.buffers,
            now.vertexArrays - before.vertexArrays, now.renderbuffers - before.renderbuffers,
            now.framebuffers - before.framebuffers, now.programs - before.programs};
    };
    std::string log;
    const Image pixel{{1, 1}, {1, 2, 3, 4}};
    const TextureId texture = device.CreateTexture(pixel);
    const MeshId mesh = device.CreateMesh(kPositions, kClockwise, kTriangle);
    const TargetId colour = device.CreateTarget({4, 4}, TargetFormat::Rgba8WithDepth);
    const TargetId depth = device.CreateTarget({4, 4}, TargetFormat::DepthOnly);
    const ProgramId program = device.CreateProgram(kFlat, log);
    device.CreateProgram({"", kFlat.fragment}, log);  // refused: nothing kept
    device.BindTargets(colour, TargetId::None);
    device.BindTargets(TargetId::None, TargetId::None);
    const LiveObjects held = since(device.Live());
    device.ReleaseTexture(texture);
    device.ReleaseMesh(mesh);
    device.ReleaseTarget(colour);
    device.ReleaseTarget(depth);
    device.ReleaseProgram(program);
    device.ReleaseTexture(texture);  // twice: ignored
    return {held, since(device.Live())};
}

TEST_F(GlDrawTest, LiveObjectsCountWhatIsHeldOnBothBackends) {
    // Three textures (one a target's depth image), a mesh's vertex array and two buffers, the
    // colour target's depth renderbuffer, the program; the framebuffer stays once made.
    const LiveObjects held{3, 2, 1, 1, 1, 1};
    const LiveObjects released{0, 0, 0, 0, 1, 0};
    const auto [glHeld, glReleased] = MakeAndRelease(*device_);
    EXPECT_EQ(glHeld, held);
    EXPECT_EQ(glReleased, released);

    NullDevice null(window_, NullDevice::FullCaps());
    const auto [nullHeld, nullReleased] = MakeAndRelease(null);
    EXPECT_EQ(nullHeld, (LiveObjects{3, 2, 1, 1, 0, 1}));
    EXPECT_EQ(nullReleased, LiveObjects{});
}

}  // namespace
}  // namespace gfx
