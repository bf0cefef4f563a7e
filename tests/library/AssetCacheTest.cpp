// The texture and model caches: sharing by catalogue index, counts, failed loads and retries.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ModelTestFiles.h"
#include "library/CModelManager.h"
#include "library/CTextureManager.h"

namespace {

using testfiles::Bytes;
using testfiles::MakeBmp24;
using testfiles::TestArchive;
using testfiles::ToBytes;
using testfiles::XMaterial;
using testfiles::XTriangles;

enum Row { kFire, kSight, kBroken, kTextured, kBadModel, kRowCount };

const Bytes kFireBmp = MakeBmp24(2, 2, std::vector<testfiles::Rgb>(4, testfiles::Rgb{200, 90, 0}));

class AssetCacheTest : public testing::Test {
  protected:
    AssetCacheTest() {
        textures_.SetFailLog([this](std::string_view message) { log_.emplace_back(message); });
        models_.SetFailLog([this](std::string_view message) { log_.emplace_back(message); });
    }

    SizeOnlyWindow window_;
    gfx::NullDevice device_{window_, gfx::NullDevice::FullCaps()};
    // The broken texture is the right size to be mended in place by Overwrite.
    TestArchive files_{{
        {u"fire.bmp", kFireBmp},
        {u"sight.png", testfiles::kRgbaPng},
        {u"broken.bmp", Bytes(kFireBmp.size(), 0x55)},
        // Names a texture that is in the archive, one that is broken and one that is not there.
        {u"textured.x", ToBytes(XTriangles({XMaterial("fire.bmp"), XMaterial("broken.bmp"),
                                            XMaterial("nowhere.bmp")},
                                           {0, 1, 2}))},
        {u"bad.x", ToBytes("xof 0303txt 0032\nMesh {\n3;\n1.0;")},
    }};
    CTextureManager textures_;
    CModelManager models_;
    std::vector<std::string> log_;
};

TEST_F(AssetCacheTest, IndicesOutsideTheCatalogueCreateNothing) {
    for (const int index : {-1, -7, static_cast<int>(kRowCount)}) {
        EXPECT_EQ(textures_.Load(index, device_, files_.archive()), nullptr);
        EXPECT_EQ(models_.Load(index, files_.archive()), nullptr);
        textures_.Release(index);
        models_.Release(index);
    }
    EXPECT_EQ(textures_.EntryCount(), 0u);
    EXPECT_EQ(models_.EntryCount(), 0u);
    EXPECT_EQ(device_.liveTextures(), 0);
}

TEST_F(AssetCacheTest, SharedTextureIsMadeOnceAndDestroyedAfterTheLastReleaseOrWithItsCache) {
    CTexture* first = textures_.Load(kSight, device_, files_.archive());
    CTexture* second = textures_.Load(kSight, device_, files_.archive());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first->IsLoaded());
    EXPECT_EQ(first->Size(), (gfx::Size{2, 2}));
    EXPECT_EQ(textures_.RefCount(kSight), 2);
    EXPECT_EQ(device_.liveTextures(), 1);

    textures_.Release(kSight);
    EXPECT_EQ(device_.liveTextures(), 1);
    textures_.Release(kSight);
    EXPECT_FALSE(textures_.HasEntry(kSight));
    EXPECT_EQ(device_.liveTextures(), 0);
    textures_.Release(kSight);  // one release too many is ignored
    EXPECT_TRUE(log_.empty());

    {  // a cache destroyed with textures held gives them back
        CTextureManager cache;
        cache.Load(kFire, device_, files_.archive());
        cache.Load(kSight, device_, files_.archive());
        EXPECT_EQ(device_.liveTextures(), 2);
    }
    EXPECT_EQ(device_.liveTextures(), 0);
}

TEST_F(AssetCacheTest, FailedLoadKeepsAnEmptyUncountedEntryAndIsRetried) {
    CTexture* texture = textures_.Load(kBroken, device_, files_.archive());
    ASSERT_NE(texture, nullptr);
    EXPECT_FALSE(texture->IsLoaded());
    EXPECT_TRUE(textures_.HasEntry(kBroken));
    EXPECT_EQ(textures_.RefCount(kBroken), 0);
    EXPECT_THAT(log_, testing::ElementsAre("Fail:broken.bmp \n"));

    files_.Overwrite(kBroken, kFireBmp);
    EXPECT_TRUE(textures_.Load(kBroken, device_, files_.archive())->IsLoaded());
    EXPECT_EQ(textures_.RefCount(kBroken), 1);

    CModel* model = models_.Load(kBadModel, files_.archive());
    ASSERT_NE(model, nullptr);
    EXPECT_FALSE(model->IsLoaded());
    EXPECT_EQ(model->MaterialCount(), 0u);
    EXPECT_EQ(models_.RefCount(kBadModel), 0);
    EXPECT_EQ(log_.back(),
              "Fail:bad.x \n  line 3, at '3': the rest of the file is too short to hold so many "
              "vertices\n");
}

TEST_F(AssetCacheTest, ModelTexturesComeFromTheTextureCacheAndAreGivenBack) {
    const CModel* model = models_.Load(kTextured, files_.archive());
    ASSERT_TRUE(model && model->IsLoaded());
    // Models are shared as textures are, by the same cache.
    EXPECT_EQ(models_.Load(kTextured, files_.archive()), model);
    EXPECT_EQ(models_.RefCount(kTextured), 2);
    // "nowhere.bmp" is not in the catalogue: that material is simply untextured.
    EXPECT_EQ(model->Data().materials[2].textureIndex, -1);
    EXPECT_EQ(model->Data().materials[2].passIndex, ShaderPass::Lit);

    const std::vector<int> holderA =
        LoadModelTextures(*model, textures_, device_, files_.archive());
    EXPECT_THAT(holderA, testing::ElementsAre(kFire));  // broken.bmp failed and is not counted
    files_.Overwrite(kBroken, kFireBmp);
    const std::vector<int> holderB =
        LoadModelTextures(*model, textures_, device_, files_.archive());
    EXPECT_THAT(holderB, testing::ElementsAre(kFire, kBroken));
    EXPECT_EQ(device_.liveTextures(), 2);

    // Holder A's failed load must not take the count holder B owns.
    ReleaseTextures(holderA, textures_);
    EXPECT_EQ(textures_.RefCount(kBroken), 1);
    EXPECT_EQ(device_.liveTextures(), 2);
    ReleaseTextures(holderB, textures_);
    EXPECT_EQ(textures_.EntryCount(), 0u);
    EXPECT_EQ(device_.liveTextures(), 0);
}

}  // namespace
