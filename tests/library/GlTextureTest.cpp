// Textures on the OpenGL device (SDL offscreen driver): upload, row order, mip chain, release.
#include <epoxy/gl.h>

#include "support/GlTest.h"

namespace gfx {
namespace {

class GlTextureTest : public testsupport::GlTest {
  protected:
    GlTextureTest() : GlTest({32, 32}) {}

    static GLint LevelWidth(TextureId texture, int level) {
        GLint width = 0;
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        return width;
    }
};

TEST_F(GlTextureTest, FirstImageRowIsTheFirstTextureRow) {
    // 4 × 2: the top row red, the bottom row blue.
    Image image{{4, 2}, {}};
    for (int i = 0; i < 4; ++i) image.rgba.insert(image.rgba.end(), {255, 0, 0, 255});
    for (int i = 0; i < 4; ++i) image.rgba.insert(image.rgba.end(), {0, 0, 255, 255});
    const TextureId texture = device_->CreateTexture(image);
    ASSERT_NE(texture, TextureId::None);
    EXPECT_EQ(device_->TextureSize(texture), (Size{4, 2}));

    std::vector<uint8_t> level0(image.rgba.size());
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, level0.data());
    // Texture row t = 0, which D3D-style v = 0 addresses, holds the image's top row.
    EXPECT_EQ(level0, image.rgba);
    EXPECT_EQ(LevelWidth(texture, 1), 2);
    EXPECT_EQ(LevelWidth(texture, 2), 1);
    device_->ReleaseTexture(texture);
    EXPECT_EQ(device_->TextureSize(texture), (Size{}));
    EXPECT_EQ(glIsTexture(static_cast<GLuint>(texture)), GL_FALSE);
}

TEST_F(GlTextureTest, RefusesMalformedAndOversizedImages) {
    EXPECT_EQ(device_->CreateTexture(Image{}), TextureId::None);
    EXPECT_EQ(device_->CreateTexture(Image{{2, 2}, std::vector<uint8_t>(12)}), TextureId::None);
    const int tooWide = device_->GetCaps().maxTextureWidth + 1;
    EXPECT_EQ(device_->CreateTexture(Image{{tooWide, 1}, std::vector<uint8_t>(tooWide * 4)}),
              TextureId::None);
    device_->ReleaseTexture(TextureId::None);  // ignored
}

}  // namespace
}  // namespace gfx
