// Every texture and model row of the archive the build made loads through the caches.
#include <gtest/gtest.h>

#include "ModelTestFiles.h"
#include "library/CModelManager.h"
#include "library/CTextureManager.h"
#include "library/Catalogue.h"
#include "library/Utf.h"

namespace {

constexpr int kFirstModelRow = 72;
constexpr int kLastModelRow = 183;

class BuiltAssets : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(archive_.Open(HM_BUILT_ARCHIVE)) << archive_.OpenError();
        textures_.SetFailLog([](std::string_view message) { ADD_FAILURE() << message; });
        models_.SetFailLog([](std::string_view message) { ADD_FAILURE() << message; });
    }

    Archive archive_{AssetCatalogue()};
    testfiles::SizeOnlyWindow window_;
    gfx::NullDevice device_{window_, gfx::NullDevice::FullCaps()};
    CTextureManager textures_;
    CModelManager models_;
};

TEST_F(BuiltAssets, EveryTextureRowLoads) {
    for (const int first : {0, 7}) {
        for (int row = first; row <= (first == 0 ? 4 : 71); ++row) {
            const CTexture* texture = textures_.Load(row, device_, archive_);
            ASSERT_NE(texture, nullptr);
            EXPECT_TRUE(texture->IsLoaded()) << Utf16ToUtf8(AssetCatalogue()[row].name);
        }
    }
}

// The loader takes a model only past its structural check, so this also holds the generator to
// what the check takes.
TEST_F(BuiltAssets, EveryModelRowLoadsWithItsTextures) {
    for (int row = kFirstModelRow; row <= kLastModelRow; ++row) {
        const CModel* model = models_.Load(row, archive_);
        ASSERT_NE(model, nullptr);
        ASSERT_TRUE(model->IsLoaded()) << Utf16ToUtf8(AssetCatalogue()[row].name);
        EXPECT_GT(model->Data().mesh.TriangleCount(), 0u);
        // The shipped catalogue has no normal maps.
        EXPECT_NE(model->Data().passIndex, ShaderPass::LitNormalMapped);
        ReleaseTextures(LoadModelTextures(*model, textures_, device_, archive_), textures_);
        models_.Release(row);
    }
    EXPECT_EQ(textures_.EntryCount(), 0u);
    EXPECT_EQ(models_.EntryCount(), 0u);
}

}  // namespace
