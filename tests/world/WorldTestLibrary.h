#pragma once
// A library as the game has it after start-up (null device, archive open), with an archive of
// small test rows in place of data.dat.
#include <gtest/gtest.h>

#include "app/FakePlatform.h"
#include "library/ModelTestFiles.h"
#include "library/MyLibrary.h"

namespace worldtest {

using testfiles::Bytes;
using testfiles::ToBytes;
using testfiles::XMaterial;

// Rows of the test archive; rows 74 to 93 (the rigs' models) are each one triangle with the
// plain texture, rows not named are filler.
enum Row : int {
    kWoodTexture = 0,     // "wood.png"
    kWoodNormalMap = 1,   // "normal_wood.bmp"
    kFlakyTexture = 2,    // "flaky.png": not an image until MakeFlakyRowsLoadable
    kPlainTexture = 3,    // "plain.bmp"
    kTexturedModel = 72,  // materials: wood.png (with normal map), broken.png (no such row), none
    kBrokenModel = 73,    // not a model
    kFlakyModel = 94,     // not a model until MakeFlakyRowsLoadable
    kFlakyTextureModel = 95,  // one material: flaky.png
    kRowCount,
};

inline Bytes Triangles(const std::vector<std::string>& materials) {
    std::vector<int> faces;
    for (size_t i = 0; i < materials.size(); ++i) faces.push_back(static_cast<int>(i));
    return ToBytes(testfiles::XTriangles(materials, faces));
}

// The same bytes with the first one spoilt: neither a PNG nor a .x file any more.
inline Bytes Spoilt(Bytes bytes) {
    bytes[0] = '#';
    return bytes;
}

inline std::vector<testfiles::TestArchive::Row> Rows() {
    std::vector<testfiles::TestArchive::Row> rows(kRowCount, {u"filler", {0}});
    rows[kWoodTexture] = {u"wood.png", testfiles::kRgbaPng};
    rows[kWoodNormalMap] = {u"normal_wood.bmp", testfiles::MakeBmp24(1, 1, {{1, 2, 3}})};
    rows[kFlakyTexture] = {u"flaky.png", Spoilt(testfiles::kRgbaPng)};
    rows[kPlainTexture] = {u"plain.bmp", testfiles::MakeBmp24(1, 1, {{9, 9, 9}})};
    rows[kTexturedModel] = {
        u"textured.x", Triangles({XMaterial("wood.png"), XMaterial("broken.png"), XMaterial()})};
    rows[kBrokenModel] = {u"broken.x", ToBytes("not a model")};
    for (int row = 74; row <= 93; ++row)
        rows[row] = {u"rig.x", Triangles({XMaterial("plain.bmp")})};
    rows[kFlakyModel] = {u"flaky.x", Spoilt(Triangles({XMaterial()}))};
    rows[kFlakyTextureModel] = {u"flakytexture.x", Triangles({XMaterial("flaky.png")})};
    return rows;
}

class WorldTest : public ::testing::Test {
  protected:
    WorldTest() {
        library.device = &device;
        library.archive = std::move(files.archive());
    }

    // Mends the flaky rows in the archive file, as if they had been read badly before.
    void MakeFlakyRowsLoadable() {
        files.Overwrite(kFlakyTexture, testfiles::kRgbaPng);
        files.Overwrite(kFlakyModel, Triangles({XMaterial()}));
        library.archive = std::move(files.archive());
    }

    int32_t ModelCount(int row) const { return library.models.RefCount(row); }
    int32_t TextureCount(int row) const { return library.textures.RefCount(row); }
    // No row is counted in either cache (failed loads leave uncounted entries behind).
    bool NothingHeld() const {
        for (int row = 0; row < kRowCount; ++row) {
            if (ModelCount(row) != 0 || TextureCount(row) != 0) return false;
        }
        return device.liveTextures() == 0;
    }

    FakePlatform platform;  // keeps the library's settings file in a temporary folder
    gfx::NullDevice device{platform.window, gfx::NullDevice::FullCaps()};
    testfiles::TestArchive files{Rows()};
    MyLibrary library{platform.services};
};

inline void ExpectNear(const glm::vec3& actual, const glm::vec3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

}  // namespace worldtest
